#include "app/PlatformChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QStringList>

#include <cstring>

namespace {

// Said before the application exists, so translated through the function the caller gives.
//: Printed in the terminal when the game cannot start: %1 is the display's name.
constexpr const char* kCannotOpen = QT_TRANSLATE_NOOP(
    "main", "tessera: needs a graphical session, and cannot open display \"%1\"");
//: Printed in the terminal when the game cannot start: %1 is the Wayland display's name.
constexpr const char* kCannotOpenWayland = QT_TRANSLATE_NOOP(
    "main", "tessera: needs a graphical session, and cannot open Wayland display \"%1\"");
//: Printed in the terminal when the game cannot start: %1 is the X display's name, %2 the
//: Wayland display's.
constexpr const char* kCannotOpenEither = QT_TRANSLATE_NOOP("main",
    "tessera: needs a graphical session, and cannot open display \"%1\" nor Wayland display "
    "\"%2\"");
// %1 is the name of the environment variable that sets the display.
//: Printed in the terminal when the game cannot start: %1 is the name of a variable
//: (DISPLAY), not to be translated.
constexpr const char* kNoDisplay
    = QT_TRANSLATE_NOOP("main", "tessera: needs a graphical session, and no display is set (%1)");
// %1 and %2 are the names of the environment variables that set a display.
//: Printed in the terminal when the game cannot start: %1 and %2 are names of variables
//: (DISPLAY, WAYLAND_DISPLAY), not to be translated.
constexpr const char* kNoDisplayEither = QT_TRANSLATE_NOOP(
    "main", "tessera: needs a graphical session, and no display is set (%1 or %2)");

// Looks for the plugin as Qt will, by the keys the plugins declare, without loading any.
bool HasPlatformPlugin(const QString& key)
{
    QStringList folders = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")
                              .split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/platforms");
    for (const QString& path : std::as_const(folders)) {
        const QDir folder(path);
        for (const QString& file : folder.entryList(QDir::Files)) {
            const QJsonArray keys = QPluginLoader(folder.filePath(file))
                                        .metaData()
                                        .value(QLatin1String("MetaData"))
                                        .toObject()
                                        .value(QLatin1String("Keys"))
                                        .toArray();
            if (keys.contains(key))
                return true;
        }
    }
    return false;
}

} // namespace

SessionEnvironment ReadSessionEnvironment(int argc, char** argv)
{
    SessionEnvironment session;
    session.platform = qgetenv("QT_QPA_PLATFORM");
    session.x11Display = qgetenv("DISPLAY");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-display") == 0)
            session.x11Display = argv[i + 1];
        if (std::strcmp(argv[i], "-platform") == 0)
            session.platform = argv[i + 1];
    }
    session.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    session.bWaylandSession = qgetenv("XDG_SESSION_TYPE") == "wayland";
    session.bWaylandPlugin = HasPlatformPlugin(QStringLiteral("wayland"));
    return session;
}

QByteArray ChoosePlatform(const SessionEnvironment& session)
{
    const bool bWaylandFirst = !session.waylandDisplay.isEmpty() || session.bWaylandSession;
    if (session.platform.isEmpty() && bWaylandFirst && !session.bWaylandPlugin
        && !session.x11Display.isEmpty())
        return "xcb";
    return {};
}

QString DisplayFailure(
    const SessionEnvironment& session, const std::function<QString(const char*)>& translate)
{
    // The platforms Qt tried: the player's list ("wayland:option;xcb"), ours, or its own.
    const QByteArray platform
        = session.platform.isEmpty() ? ChoosePlatform(session) : session.platform;
    bool bX11 = platform.isEmpty();
    bool bWayland = bX11;
    for (const QByteArray& entry : platform.split(';')) {
        const QByteArray name = entry.split(':').first().toLower();
        if (name == "xcb")
            bX11 = true;
        else if (name.startsWith("wayland"))
            bWayland = true;
        else if (!name.isEmpty())
            return {};
    }
    const QString x11 = QString::fromLocal8Bit(session.x11Display);
    const QString wayland = QString::fromLocal8Bit(session.waylandDisplay);
    const bool bOpenX11 = bX11 && !x11.isEmpty();
    const bool bOpenWayland = bWayland && !wayland.isEmpty();
    if (bOpenWayland && !session.bWaylandPlugin)
        return {};
    if (bOpenX11 && bOpenWayland)
        return translate(kCannotOpenEither).arg(x11, wayland);
    if (bOpenX11)
        return translate(kCannotOpen).arg(x11);
    if (bOpenWayland)
        return translate(kCannotOpenWayland).arg(wayland);
    if (bX11 && bWayland)
        return translate(kNoDisplayEither)
            .arg(QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"));
    return translate(kNoDisplay)
        .arg(bX11 ? QStringLiteral("DISPLAY") : QStringLiteral("WAYLAND_DISPLAY"));
}
