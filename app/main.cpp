#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/GameApp.h"

namespace {

// The display the program is asked to use: -display's argument, else DISPLAY.
const char* g_pDisplay = nullptr;
QtMessageHandler g_previousHandler = nullptr;
// What the platform layer says while the application starts, held back until it is known
// whether it started.
QStringList g_startupMessages;

// While the application starts, the only fatal message is that no window system could be
// reached. It ends the program with one line that says so, instead of an abort and the
// advice to reinstall.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        const bool bNamed = context.category && std::strcmp(context.category, "default") != 0;
        g_startupMessages << (bNamed ? QString::fromUtf8(context.category) + ": " : QString())
                + text;
        return;
    }
    if (g_pDisplay && *g_pDisplay)
        std::fprintf(stderr, "tessera: needs a graphical session, and cannot open display \"%s\"\n",
            g_pDisplay);
    else
        std::fprintf(
            stderr, "tessera: needs a graphical session, and no display is set (DISPLAY)\n");
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    g_pDisplay = std::getenv("DISPLAY");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-display") == 0)
            g_pDisplay = argv[i + 1];

    // Qt looks at the desktop's accessibility status once, at start-up: without this, a
    // screen reader started after the game would never find it. With it, Qt connects to the
    // accessibility bus whenever there is one; while no reader listens, it sends nothing
    // over it, and start-up, memory and the idle game cost what they did without.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");

    g_previousHandler = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    for (const QString& message : std::as_const(g_startupMessages))
        qWarning().noquote() << message;

    // Lets desktops match the window with the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("lumen-tessera"));

    CGameApp theApp;
    theApp.InitInstance();
    return 0;
}
