#include "tests/app/AppFixture.h"

#include "app/GameApp.h"
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

TEST_F(GameAppTest, RunsTheMainWindowModallyUntilItCloses)
{
    QString caption;
    QTimer::singleShot(0, [&] {
        QWidget* pWindow = QApplication::activeModalWidget();
        ASSERT_TRUE(pWindow);
        caption = pWindow->windowTitle();
        QTest::keyClick(pWindow, Qt::Key_Escape);
    });
    EXPECT_FALSE(CGameApp().InitInstance());
    EXPECT_EQ(caption, "Lumen: Tessera Tetrad");
    EXPECT_EQ(QApplication::applicationName(), "Lumen Tessera Game");
    EXPECT_EQ(QApplication::applicationVersion(), "0.0.0.1");
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(g_pBoard, nullptr);
}

} // namespace
