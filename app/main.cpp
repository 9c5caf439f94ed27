#include <QApplication>

#include "app/GameApp.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Lets desktops match the window with the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("lumen-tessera"));

    CGameApp theApp;
    theApp.InitInstance();
    return 0;
}
