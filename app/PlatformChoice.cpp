#include "app/PlatformChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QStringList>

#include <cstring>

namespace {

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

QString DisplayFailure(const SessionEnvironment& session)
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
    QStringList displays;
    if (bX11 && !session.x11Display.isEmpty())
        displays
            << QStringLiteral("display \"%1\"").arg(QString::fromLocal8Bit(session.x11Display));
    if (bWayland && !session.waylandDisplay.isEmpty()) {
        if (!session.bWaylandPlugin)
            return {};
        displays << QStringLiteral("Wayland display \"%1\"")
                        .arg(QString::fromLocal8Bit(session.waylandDisplay));
    }
    const QString reason = !displays.isEmpty()
        ? QStringLiteral("cannot open ") + displays.join(QStringLiteral(" nor "))
        : QStringLiteral("no display is set (%1)")
              .arg(bX11 && bWayland ? QStringLiteral("DISPLAY or WAYLAND_DISPLAY")
                      : bX11        ? QStringLiteral("DISPLAY")
                                    : QStringLiteral("WAYLAND_DISPLAY"));
    return QStringLiteral("needs a graphical session, and ") + reason;
}
