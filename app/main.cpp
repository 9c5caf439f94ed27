#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/GameApp.h"
#include "app/Translations.h"

namespace {

// Printed while the application is being made, before QCoreApplication::translate can reach
// a translation; the program's name leads every line in every language.
constexpr const char* kNoDisplayNamed = QT_TRANSLATE_NOOP(
    "main", "tessera: needs a graphical session, and cannot open display \"%1\"");
constexpr const char* kNoDisplaySet = QT_TRANSLATE_NOOP(
    "main", "tessera: needs a graphical session, and no display is set (DISPLAY)");

// The display the program is asked to use: -display's argument, else DISPLAY.
const char* g_pDisplay = nullptr;
QtMessageHandler g_previousHandler = nullptr;
const CTranslations* g_pTranslations = nullptr;
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
    const QString line = g_pDisplay && *g_pDisplay
        ? g_pTranslations->Translate("main", kNoDisplayNamed)
              .arg(QString::fromLocal8Bit(g_pDisplay))
        : g_pTranslations->Translate("main", kNoDisplaySet);
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
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

    // Loaded before the application, whose making may already have to say why it failed;
    // in force from the first window on, the socket layer's failure message included.
    CTranslations translations(CTranslations::PlayerLanguage());
    g_pTranslations = &translations;

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
    return 0;
}
