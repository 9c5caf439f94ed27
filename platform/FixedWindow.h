#pragma once

class QWidget;
class QWindow;

// Whether the game runs on Qt's Wayland platform, in any of its variants (wayland,
// wayland-egl, ...).
bool IsWayland();
// Whether Qt draws the window's title bar itself, as it does on Wayland where the compositor
// leaves the decorations to the client. Known once the window has its platform window.
bool QtDrawsTitleBar(const QWindow* pWindow);

// Keeps a window of fixed size at its size, and a box on screen, whatever its title bar and
// the compositor ask for. Where Qt draws the title bar itself (native Wayland) it shows
// minimise, maximise and close whatever the window's flags, and its maximise button, like a
// compositor's own key, maximises a window of any size; a compositor may then insist that the
// window takes the maximised size, and ends the connection of a window that does not. There
// the window takes the size it is given, asks at once to be restored, and goes back to its
// own size; a window that may not be minimised comes straight back. Elsewhere the window
// manager honours the window's flags and size, and this does nothing.
// `window` must be shown with show(), not exec(): coming back hides and shows it again.
void KeepFixedWindow(QWidget& window, bool bMayMinimise);
