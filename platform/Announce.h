#pragma once

#include <functional>

class QString;
class QWidget;

// Has a listening screen reader say a text at once, whatever has the keyboard focus: a move,
// a turn, a new game, a list's new entry. Qt has no call for that; the text becomes a
// notification inside a status bar that is never shown, which Orca reads out as it is,
// without a role or a window title, after whatever it is saying. Nothing happens while no
// assistive technology listens, and the text is only made when someone does. window: any
// widget of the window the text is about, which owns what the announcements need.
void Announce(QWidget& window, const std::function<QString()>& text);

// Tests hear the announcements through this hook instead (without a screen reader Qt sends
// nothing anywhere): it receives each text that would be said. An empty function restores
// the screen reader.
using AnnouncementHook = std::function<void(const QString& text)>;
void SetAnnouncementHook(AnnouncementHook hook);
