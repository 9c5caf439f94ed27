#include "app/GameApp.h"

#include <QApplication>
#include <QFileInfo>

#include "app/AppTexts.h"
#include "app/MainDlg.h"
#include "platform/MessageBox.h"
#include "platform/Sockets.h"

bool CGameApp::InitInstance()
{
    QApplication::setApplicationName(QString::fromUtf8(AppTexts::kApplicationName));
    QApplication::setApplicationVersion(QString::fromUtf8(AppTexts::kApplicationVersion));
    // The windows are laid out left to right, whatever the language or -reverse says.
    QApplication::setLayoutDirection(Qt::LeftToRight);

    if (!StartSocketLayer()) {
        // There is no application title: the executable's name serves as the caption.
        const QString caption = QFileInfo(QApplication::applicationFilePath()).completeBaseName();
        ShowMessage(AppTexts::Tr(AppTexts::kSocketFailure), caption, MessageIcon::Exclamation);
        return false;
    }

    CMainDlg dlg;
    dlg.Run();
    return false;
}
