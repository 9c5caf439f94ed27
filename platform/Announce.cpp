#include "platform/Announce.h"

#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

namespace {

CAnnouncementSink* g_pSink = nullptr;

// One notification. A reader fetches the text only when it handles the event, which may come
// after the next announcement of the same pass through the event loop (a move and the turn
// it hands on): so each text keeps a notification of its own until the bar comes round to it
// again.
class CNotification : public QWidget {
public:
    using QWidget::QWidget;
    QString m_text;
};

// A window of its own, so that its accessible parent is the application and Orca reads no
// window title before the text; owned by the window it speaks for and never shown, so it has
// no pixels, no native window and no place in the tab order or in the application's tree.
class CAnnouncementBar : public QWidget {
public:
    static constexpr int kSlots = 4;

    explicit CAnnouncementBar(QWidget* owner)
        : QWidget(owner, Qt::Window)
    {
        for (CNotification*& slot : m_slots)
            slot = new CNotification(this);
    }

    CNotification* Next()
    {
        CNotification* slot = m_slots[m_nNext];
        m_nNext = (m_nNext + 1) % kSlots;
        return slot;
    }

private:
    CNotification* m_slots[kSlots] = {};
    int m_nNext = 0;
};

class CNotificationAccessible : public QAccessibleWidget {
public:
    explicit CNotificationAccessible(CNotification* notification)
        : QAccessibleWidget(notification, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<CNotification*>(widget())->m_text : QString();
    }
};

// Orca speaks a notification that shows up; inside a status bar it leaves out the word
// "notification". Names, descriptions and alerts it does not present this way.
QAccessibleInterface* AnnouncementFactory(const QString&, QObject* object)
{
    if (auto* notification = dynamic_cast<CNotification*>(object))
        return new CNotificationAccessible(notification);
    if (auto* bar = dynamic_cast<CAnnouncementBar*>(object))
        return new QAccessibleWidget(bar, QAccessible::StatusBar);
    return nullptr;
}

} // namespace

void SetAnnouncementSink(CAnnouncementSink* pSink) { g_pSink = pSink; }

bool AccessibilityListens() { return g_pSink || QAccessible::isActive(); }

void NotifyAccessibility(QAccessibleEvent& event)
{
    if (g_pSink)
        g_pSink->Notify(event);
    else if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
}

void Announce(QWidget& window, const std::function<QString()>& makeText)
{
    if (g_pSink) {
        g_pSink->Say(makeText());
        return;
    }
    if (!QAccessible::isActive())
        return;
    const QString text = makeText();
    if (text.isEmpty())
        return;
    // A second install of the same factory is ignored.
    QAccessible::installFactory(AnnouncementFactory);

    QWidget* owner = window.window();
    CAnnouncementBar* bar = nullptr;
    for (QObject* child : owner->children())
        if ((bar = dynamic_cast<CAnnouncementBar*>(child)))
            break;
    if (!bar)
        bar = new CAnnouncementBar(owner);
    CNotification* notification = bar->Next();
    notification->m_text = text;
    QAccessibleEvent event(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}
