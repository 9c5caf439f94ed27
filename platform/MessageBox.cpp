#include "platform/MessageBox.h"

#include <QApplication>
#include <QEventLoop>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWindow>

namespace {

std::function<void()> g_clock;
int g_clockMs = kMessageClockMs;
MessageHook g_hook;
QList<QPointer<QMessageBox>> g_openBoxes;

} // namespace

void SetMessageClock(std::function<void()> tick, int nIntervalMs)
{
    g_clock = std::move(tick);
    g_clockMs = nIntervalMs;
}

void SetMessageHook(MessageHook hook) { g_hook = std::move(hook); }

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
    box.setTextFormat(Qt::PlainText);

    // The game clock's own timer is blocked in the slot that opened this box; a second
    // timer stands in for it until the box closes.
    QTimer clock;
    clock.setInterval(g_clockMs);
    QObject::connect(&clock, &QTimer::timeout, [] {
        if (g_clock)
            g_clock();
    });
    clock.start();

    // The box blocks no window: the game's window stays usable while it is open, as it
    // would beside any other top-level window. Qt lets no window take input beside a modal
    // one unless that modal window is its ancestor, so the box is put in front of the
    // window that holds the input now, without becoming its child.
    box.setWindowModality(Qt::NonModal);
    if (QWidget* pModal = QApplication::activeModalWidget()) {
        box.winId();
        pModal->winId();
        box.windowHandle()->setTransientParent(pModal->windowHandle());
    }
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);

    g_openBoxes.append(&box);
    box.show();
    loop.exec();
    g_openBoxes.removeAll(&box);
}

void CloseAllMessages()
{
    // Copied: each box leaves the list as its ShowMessage returns.
    const auto boxes = g_openBoxes;
    for (const QPointer<QMessageBox>& box : boxes)
        if (box)
            box->done(QMessageBox::Ok);
}
