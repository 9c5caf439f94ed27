#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

#include "platform/MessageBox.h"

namespace {

// The stand-in clock runs this fast here, so that a real box opens and closes at once.
constexpr int kFastClockMs = 1;

// What a real box looked like while it was open.
struct SeenBox {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool parentless = false;
};

SeenBox Inspect(const QMessageBox& box)
{
    return { box.text(), box.windowTitle(), box.icon(),
        static_cast<int>(box.findChildren<QPushButton*>().size()), box.parentWidget() == nullptr };
}

class MessageBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        // A box whose clock never ran would wait for a click that never comes: close it, so
        // that the test fails instead of hanging.
        m_guard.setSingleShot(true);
        QObject::connect(&m_guard, &QTimer::timeout, [] { CloseAllMessages(); });
        m_guard.start(5000);
    }
    void TearDown() override
    {
        SetMessageClock(nullptr);
        SetMessageHook(nullptr);
    }

    QTimer m_guard;
};

TEST_F(MessageBoxTest, HookAnswersInsteadOfABoxAndMayRunCodeWhileOpen)
{
    std::vector<std::pair<QString, QString>> seen;
    int ticksInside = 0;
    SetMessageClock([&] { ++ticksInside; }, kFastClockMs);
    SetMessageHook([&](const QString& text, const QString& caption) {
        seen.emplace_back(text, caption);
        // A hook that replaces itself must not pull the running hook from under it.
        if (seen.size() == 1)
            SetMessageHook([&](const QString& t, const QString& c) { seen.emplace_back(c, t); });
    });

    ShowMessage("first", "one");
    ShowMessage("second", "two");

    const std::vector<std::pair<QString, QString>> expected
        = { { "first", "one" }, { "two", "second" } };
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 0) << "the hook opened a window";
    EXPECT_EQ(ticksInside, 0) << "the stand-in clock ran for a hooked box";
}

TEST_F(MessageBoxTest, RealBoxKeepsTheClockTickingUntilClosed)
{
    struct Case {
        MessageIcon icon;
        QMessageBox::Icon shown;
    };
    for (const Case& c : { Case { MessageIcon::None, QMessageBox::NoIcon },
             Case { MessageIcon::Exclamation, QMessageBox::Warning } }) {
        std::vector<SeenBox> boxes;
        int ticks = 0;
        SetMessageClock(
            [&] {
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
                        boxes.push_back(Inspect(*box));
                if (++ticks == 3)
                    CloseAllMessages();
            },
            kFastClockMs);

        ShowMessage("Black has no choise", "No Choise", c.icon);

        EXPECT_EQ(ticks, 3);
        ASSERT_EQ(boxes.size(), 3u);
        EXPECT_EQ(boxes[0].text, "Black has no choise");
        EXPECT_EQ(boxes[0].caption, "No Choise");
        EXPECT_EQ(boxes[0].icon, c.shown);
        EXPECT_EQ(boxes[0].buttons, 1);
        EXPECT_TRUE(boxes[0].parentless);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

// Counts the keys that reach a window.
class KeyCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        m_nKeys += pEvent->type() == QEvent::KeyPress;
        return false;
    }
    int m_nKeys = 0;
};

// A box takes the keyboard as it opens, is answered by Return, Space or Escape without the
// key reaching the window behind it, and gives the keyboard back to that window's control.
// It is as wide as its caption needs.
TEST_F(MessageBoxTest, BoxTakesTheKeyboardAndGivesItBack)
{
    QWidget window;
    auto* pFirst = new QPushButton("first", &window);
    auto* pSecond = new QPushButton("second", &window);
    pSecond->move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    KeyCounter keys;
    for (QWidget* pWidget :
        { &window, static_cast<QWidget*>(pFirst), static_cast<QWidget*>(pSecond) })
        pWidget->installEventFilter(&keys);

    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape }) {
        SCOPED_TRACE(key);
        pSecond->setFocus();
        bool bHadKeyboard = false;
        int nBoxWidth = 0;
        SetMessageClock(
            [&] {
                QWidget* pBox = QApplication::activeWindow();
                if (!qobject_cast<QMessageBox*>(pBox))
                    return;
                bHadKeyboard = qobject_cast<QPushButton*>(QApplication::focusWidget())
                    && QApplication::focusWidget()->window() == pBox;
                nBoxWidth = pBox->width();
                QTest::keyClick(QApplication::focusWidget(), key);
            },
            kFastClockMs);

        ShowMessage("White has won the game", "White has won the game");

        EXPECT_TRUE(bHadKeyboard);
        QFont bold = QApplication::font("QMessageBox");
        bold.setBold(true);
        EXPECT_GT(nBoxWidth, QFontMetrics(bold).horizontalAdvance("White has won the game"));
        EXPECT_EQ(keys.m_nKeys, 0);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_EQ(QApplication::focusWidget(), pSecond);
    }
}

// A question comes up with the keyboard on No: Return and Escape answer No, only Yes says yes.
TEST_F(MessageBoxTest, QuestionAnswersNoUnlessYesIsChosen)
{
    for (Qt::Key key : { Qt::Key_Return, Qt::Key_Escape, Qt::Key_Y }) {
        SCOPED_TRACE(key);
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeWindow())) {
                EXPECT_EQ(QApplication::focusWidget(), pBox->button(QMessageBox::No));
                answer.stop();
                QTest::keyClick(QApplication::focusWidget(), key);
            }
        });
        answer.start(kFastClockMs);
        EXPECT_EQ(AskQuestion("End the game?", "Lumen"), key == Qt::Key_Y);
    }
}

TEST_F(MessageBoxTest, CloseAllMessagesClosesNestedBoxesAndTheClockStops)
{
    int depthSeen = 0;
    int ticks = 0;
    SetMessageClock(
        [&] {
            // The outer box's clock opens a second box; closing all answers both.
            if (++ticks == 1) {
                ShowMessage("inner", "inner");
                return;
            }
            depthSeen = static_cast<int>(QApplication::topLevelWidgets().size());
            CloseAllMessages();
        },
        kFastClockMs);

    ShowMessage("outer", "outer");
    const int ticksAfterClose = ticks;
    // Any clock left running would tick while these events are processed.
    QTimer wait;
    wait.setSingleShot(true);
    wait.start(20);
    while (wait.isActive())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    EXPECT_EQ(depthSeen, 2);
    EXPECT_EQ(ticks, ticksAfterClose);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
