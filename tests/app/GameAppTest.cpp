#include "tests/app/AppFixture.h"

#include <QScreen>

#include "app/GameApp.h"
#include "app/PlatformChoice.h"
#include "platform/Sockets.h"

namespace {

class GameAppTest : public testing::Test {
protected:
    GameAppTest()
    {
        SetMessageHook([this](const QString& text, const QString& caption) {
            m_messages.push_back({ text, caption });
        });
    }
    ~GameAppTest() override
    {
        SetMessageHook(nullptr);
        ForceSocketLayerFailure(false);
    }
    Messages m_messages;
};

TEST_F(GameAppTest, FailingSocketLayerShowsOnlyItsMessage)
{
    ForceSocketLayerFailure(true);
    bool bLoopRan = false;
    QTimer::singleShot(0, [&] { bLoopRan = true; });
    EXPECT_FALSE(CGameApp().InitInstance());
    EXPECT_EQ(m_messages, Messages({ { "Windows sockets initialization failed.", "app_tests" } }));
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_EQ(g_pBoard, nullptr);
    // No window's loop ran: the program ended at the message.
    EXPECT_FALSE(bLoopRan);
    QCoreApplication::processEvents();
    EXPECT_TRUE(bLoopRan);
}

// The main window is an ordinary top-level window, modal to nothing, in the middle of the
// screen and laid out left to right whatever the application was told; the program runs
// until it closes.
TEST_F(GameAppTest, RunsTheMainWindowUntilItCloses)
{
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QString caption;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        CMainDlg* pWindow = nullptr;
        for (QWidget* pTopLevel : QApplication::topLevelWidgets())
            if (auto* pMain = dynamic_cast<CMainDlg*>(pTopLevel))
                pWindow = pMain;
        ASSERT_TRUE(pWindow);
        caption = pWindow->windowTitle();
        EXPECT_EQ(pWindow->windowType(), Qt::Window);
        EXPECT_EQ(pWindow->windowModality(), Qt::NonModal);
        EXPECT_EQ(pWindow->m_cmbPlayers.layoutDirection(), Qt::LeftToRight);
        const QRect screen = pWindow->screen()->availableGeometry();
        const QRect frame = pWindow->frameGeometry();
        EXPECT_LE(std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())), 1);
        EXPECT_LE(std::abs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())), 1);
        QTest::keyClick(pWindow, Qt::Key_Escape);
    });
    EXPECT_FALSE(CGameApp().InitInstance());
    EXPECT_EQ(caption, "Lumen: Tessera Tetrad");
    EXPECT_EQ(QApplication::applicationName(), "Lumen Tessera Game");
    EXPECT_EQ(QApplication::applicationVersion(), "0.0.0.1");
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(g_pBoard, nullptr);
}

// Qt tries Wayland first in a Wayland session: without its plugin the game asks for X11 at
// once. When no platform starts, one line names the displays that were tried, unless a
// platform was missing or not a display's, which Qt's own message tells.
TEST(PlatformChoiceTest, PlatformAndFailureFollowTheSession)
{
    struct Case {
        const char *platform, *x11, *wayland;
        bool bSession, bPlugin;
        const char *chosen, *failure;
    };
    const Case cases[] = {
        { "", ":7", "w", false, true, "", "cannot open display \":7\" nor Wayland display \"w\"" },
        { "", ":7", "w", false, false, "xcb", "cannot open display \":7\"" },
        { "", ":7", "", true, false, "xcb", "cannot open display \":7\"" },
        { "", "", "w", false, false, "", nullptr },
        { "wayland:x", ":7", "", false, true, "", "no display is set (WAYLAND_DISPLAY)" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.platform << " " << c.x11 << " " << c.wayland);
        const SessionEnvironment session { c.platform, c.x11, c.wayland, c.bSession, c.bPlugin };
        EXPECT_EQ(ChoosePlatform(session), QByteArray(c.chosen));
        EXPECT_EQ(DisplayFailure(session),
            c.failure ? "tessera: needs a graphical session, and " + QString(c.failure)
                      : QString());
    }
}

} // namespace
