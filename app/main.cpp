#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/GameApp.h"
#include "app/PlatformChoice.h"

namespace {

SessionEnvironment g_session;
QtMessageHandler g_previousHandler = nullptr;
// What the platform layer says while the application starts, held back until it is known
// whether it started.
QStringList g_startupMessages;

// While the application starts, the only fatal message is that no platform could start. It
// ends the program with status 1, instead of an abort: with one line that says so when no
// display could be reached, else with what Qt said.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const bool bNamed = context.category && std::strcmp(context.category, "default") != 0;
    const QString message
        = (bNamed ? QString::fromUtf8(context.category) + ": " : QString()) + text.trimmed();
    if (type != QtFatalMsg) {
        g_startupMessages << message;
        return;
    }
    if (const QString failure = DisplayFailure(g_session); !failure.isEmpty()) {
        std::fprintf(stderr, "tessera: %s\n", qPrintable(failure));
    } else {
        g_startupMessages << message;
        for (const QString& line : std::as_const(g_startupMessages))
            std::fprintf(stderr, "%s\n", qPrintable(line));
    }
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    g_session = ReadSessionEnvironment(argc, argv);
    if (const QByteArray platform = ChoosePlatform(g_session); !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);

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
