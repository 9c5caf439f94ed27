#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/GameApp.h"
#include "app/PlatformChoice.h"
#include "app/Translations.h"
#include "platform/FixedWindow.h"

#if defined(__SANITIZE_ADDRESS__)
#define TESSERA_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define TESSERA_LEAK_CHECK 1
#endif
#endif
#if TESSERA_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
// LeakSanitizer's own exit status for a leak, unless LSAN_OPTIONS chose another.
constexpr int kLeakExitStatus = 23;
#endif

namespace {

SessionEnvironment g_session;
QtMessageHandler g_previousHandler = nullptr;
const CTranslations* g_pTranslations = nullptr;
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
    const QString failure = DisplayFailure(
        g_session, [](const char* pText) { return g_pTranslations->Translate("main", pText); });
    if (!failure.isEmpty()) {
        std::fputs((failure + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    } else {
        g_startupMessages << message;
        for (const QString& line : std::as_const(g_startupMessages))
            std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
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

    // Loaded before the application, whose making may already have to say why it failed;
    // in force from the first window on, the socket layer's failure message included.
    CTranslations translations(CTranslations::PlayerLanguage());
    g_pTranslations = &translations;

    // Qt looks at the desktop's accessibility status once, at start-up: without this, a
    // screen reader started after the game would never find it. With it, Qt connects to the
    // accessibility bus whenever there is one; while no reader listens, it sends nothing
    // over it, and start-up, memory and the idle game cost what they did without.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");

    g_previousHandler = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    translations.Install();
    for (const QString& message : std::as_const(g_startupMessages))
        qWarning().noquote() << message;

    // Lets desktops match the window with the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("lumen-tessera"));

    CGameApp theApp;
    theApp.InitInstance();
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Qt's Wayland client (6.4) can hang as it takes its connection down, the main thread
    // waiting for a reader thread that waits for a read no one makes: the window is gone and
    // the process stays. The game keeps nothing to write, so on Wayland it ends here. Ending
    // so skips the leak check a sanitizer build makes at exit, so it is made here first.
    // FIXME: the guard's bound is the first version not seen to hang; check it on Qt 6.5.
    if (IsWayland()) {
        std::fflush(nullptr);
#if TESSERA_LEAK_CHECK
        if (__lsan_do_recoverable_leak_check() != 0)
            std::_Exit(kLeakExitStatus);
#endif
        std::_Exit(0);
    }
#endif
    return 0;
}
