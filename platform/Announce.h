#pragma once

#include <functional>

class QAccessibleEvent;
class QString;
class QWidget;

// Has a listening screen reader say a text at once, whatever has the keyboard focus: a move,
// a turn, a new game, a list's new entry. Qt has no call for that; the text becomes a
// notification inside a status bar that is never shown, which Orca reads out as it is,
// without a role or a window title, after whatever it is saying. Nothing happens while no
// assistive technology listens, and the text is only made when someone does. window: any
// widget of the window the text is about, which owns what the announcements need.
void Announce(QWidget& window, const std::function<QString()>& text);

// Whether anyone listens: a screen reader, or a sink.
bool AccessibilityListens();
// Sends an event about one of the game's widgets to the listening screen reader, or to the
// sink.
void NotifyAccessibility(QAccessibleEvent& event);

// Tests hear what a screen reader would through a sink instead (without a screen reader Qt
// sends nothing anywhere): each text that would be said, and each event the game sends.
// Null restores the screen reader.
class CAnnouncementSink {
public:
    virtual ~CAnnouncementSink() = default;
    virtual void Say(const QString& text) = 0;
    virtual void Notify(const QAccessibleEvent& event) = 0;
};
void SetAnnouncementSink(CAnnouncementSink* pSink);
