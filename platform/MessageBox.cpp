#include "platform/MessageBox.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGridLayout>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "platform/FixedWindow.h"
#include "platform/KeyboardReturn.h"

namespace {

std::function<void()> g_clock;
int g_clockMs = kMessageClockMs;
MessageHook g_hook;
QuestionHook g_questionHook;
QList<QPointer<QMessageBox>> g_openBoxes;
QPointer<QWidget> g_pOwner;

// The title bar that Qt draws itself on Wayland centres the caption, in 14-pixel type of the
// application's font, and cuts it where its three 18-pixel buttons begin: 5 pixels apart, the
// last 8 from the right edge, the caption 5 before the first. Centred, the caption needs that
// room on the left as well.
constexpr int kQtTitlePixels = 14;
constexpr int kQtTitleButtonsWidth = 3 * 18 + 3 * 5 + 8;

// A box is at least as wide as its caption with the title bar's buttons beside it, so that
// the whole caption shows. A window manager's title bar font is its own; a bold one of the
// box's own size stands in for it, and six of its line heights for the window icon, the
// buttons and the edges. The bar that Qt draws on Wayland is measured as it is drawn.
void WidenToCaption(QMessageBox& box)
{
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    int nWidth = metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height();
    // Qt's own bar, as the frame margins that tell are known only once the box is shown.
    if (IsWayland()) {
        QFont qtTitleFont = QGuiApplication::font();
        qtTitleFont.setPixelSize(kQtTitlePixels);
        nWidth = std::max(nWidth,
            QFontMetrics(qtTitleFont).horizontalAdvance(box.windowTitle())
                + 2 * kQtTitleButtonsWidth);
    }
    auto* pGrid = qobject_cast<QGridLayout*>(box.layout());
    if (!pGrid)
        return;
    pGrid->addItem(new QSpacerItem(nWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
        pGrid->rowCount(), 0, 1, pGrid->columnCount());
}

} // namespace

void SetMessageClock(std::function<void()> tick, int nIntervalMs)
{
    g_clock = std::move(tick);
    g_clockMs = nIntervalMs;
}

void SetMessageHook(MessageHook hook) { g_hook = std::move(hook); }

void SetQuestionHook(QuestionHook hook) { g_questionHook = std::move(hook); }

void SetMessageOwner(QWidget* pOwner) { g_pOwner = pOwner; }

namespace {

// Shows the box tied to the game's window, with the keyboard, until it is answered; with
// bTick, the game clock registered with SetMessageClock runs while it is open.
void RunBox(QMessageBox& box, bool bTick)
{
    box.setTextFormat(Qt::PlainText);

    // The game clock's own timer is blocked in the slot that opened a message; a second
    // timer stands in for it until the box closes.
    QTimer clock;
    clock.setInterval(g_clockMs);
    QObject::connect(&clock, &QTimer::timeout, [] {
        if (g_clock)
            g_clock();
    });
    if (bTick)
        clock.start();

    // The box blocks no window: the game's window stays usable while it is open, as it
    // would beside any other top-level window. Qt lets no window take input beside a modal
    // one unless that modal window is its ancestor, so the box is put in front of the
    // window that holds the input now, without becoming its child.
    // Otherwise it belongs to the game's window, for the window system only: the tie is made
    // as the box is shown, which is when X11 and Wayland learn it, and undone in Qt straight
    // after, since Qt counts a window whose transient parent is blocked (by the About box) as
    // blocked too.
    box.setWindowModality(Qt::NonModal);
    box.winId();
    QWindow* pBoxWindow = box.windowHandle();
    bool bUntie = false;
    if (QWidget* pModal = QApplication::activeModalWidget();
        pModal && pModal->windowModality() == Qt::ApplicationModal) {
        pModal->winId();
        pBoxWindow->setTransientParent(pModal->windowHandle());
    } else if (g_pOwner && g_pOwner->isVisible()) {
        pBoxWindow->setTransientParent(g_pOwner->windowHandle());
        bUntie = true;
    }
    WidenToCaption(box);
    KeepFixedWindow(box, false);
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);

    g_openBoxes.append(&box);
    {
        // The box takes the keyboard as it opens, with or without a window manager, so that
        // Return, Space and Escape answer it rather than the window behind it.
        const CKeyboardReturn keyboard(box);
        box.show();
        if (bUntie)
            pBoxWindow->setTransientParent(nullptr);
        box.activateWindow();
        loop.exec();
    }
    g_openBoxes.removeAll(&box);
}

} // namespace

void ShowMessage(const QString& text, const QString& caption, MessageIcon icon)
{
    if (g_hook) {
        // Copied, so that a hook may replace itself while it runs.
        MessageHook hook = g_hook;
        hook(text, caption);
        return;
    }
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
        caption, text, QMessageBox::Ok);
    RunBox(box, true);
}

bool AskQuestion(const QString& text, const QString& caption)
{
    if (g_questionHook) {
        QuestionHook hook = g_questionHook;
        return hook(text, caption);
    }
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    RunBox(box, false);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void CloseAllMessages()
{
    // Copied: each box leaves the list as its ShowMessage returns.
    const auto boxes = g_openBoxes;
    for (const QPointer<QMessageBox>& box : boxes)
        if (box)
            box->done(QMessageBox::Ok);
}
