#include "platform/MessageBox.h"

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>

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

    g_openBoxes.append(&box);
    box.exec();
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
