#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>

#include "platform/ScreenReader.h"

// The test programs that need widgets share this main. CTest runs them on the offscreen
// platform; the fallback covers test discovery at build time and runs by hand. English's
// plural forms are in force, as in the program, where the board's library is linked in.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTranslator english;
    if (english.load(QStringLiteral(":/i18n/tessera_en.qm")))
        QApplication::installTranslator(&english);
    // A screen reader on the desktop that runs the tests would have them ask before Enter and
    // Escape end a window; the tests that are about a reader say so themselves.
    SetScreenReaderForTests(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
