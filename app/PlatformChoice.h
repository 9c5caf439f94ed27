#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// What the start-up needs to know of the session before Qt opens it.
struct SessionEnvironment {
    // The platform the player asked for (QT_QPA_PLATFORM, -platform); empty for Qt's choice,
    // which is Wayland first in a Wayland session, then X11.
    QByteArray platform;
    QByteArray x11Display; // -display, else DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    bool bWaylandSession = false; // XDG_SESSION_TYPE=wayland
    bool bWaylandPlugin = false; // Qt's Wayland platform plugin is installed
};

SessionEnvironment ReadSessionEnvironment(int argc, char** argv);

// The platform to ask Qt for, or empty for Qt's own choice. In a Wayland session without
// Qt's Wayland plugin, Qt would look for the plugin, say on every start that it is missing
// and go on with X11: X11 is asked for at once instead.
QByteArray ChoosePlatform(const SessionEnvironment& session);

// Why no window could open, in one line, when the platforms Qt tried could not reach a
// display; empty when they failed otherwise (a platform that is not installed, or one that is
// not a display's), which Qt's own messages tell better. It is said before the application
// exists: translate looks the line up in the player's language.
QString DisplayFailure(
    const SessionEnvironment& session,
    const std::function<QString(const char*)>& translate
    = [](const char* pText) { return QString::fromUtf8(pText); });
