#include "app/AboutDlg.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/AppTexts.h"
#include "platform/DialogUnits.h"
#include "platform/FixedWindow.h"

namespace {

constexpr int kWidth = 214;
constexpr int kHeight = 175;

} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(AppTexts::Tr(AppTexts::kAboutCaption));
    // A caption without a system menu: the box closes through its button and keys only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(DialogFont());
    const CDialogUnits units(font());
    setFixedSize(units.Size(kWidth, kHeight));
    KeepFixedWindow(*this, false);

    auto* pPicture = new QLabel(this);
    pPicture->setObjectName(QStringLiteral("picture"));
    const QPixmap picture(QStringLiteral(":/about.png"));
    pPicture->setPixmap(picture);
    pPicture->setGeometry(QRect(units.Rect(7, 7, 0, 0).topLeft(), picture.size()));

    const auto addText = [&](const char* pText, const QRect& rect) {
        auto* pLabel = new QLabel(AppTexts::Tr(pText), this);
        pLabel->setTextFormat(Qt::PlainText);
        pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pLabel->setWordWrap(rect.height() > units.CharHeight());
        pLabel->setGeometry(rect);
    };
    addText(AppTexts::kAboutProduct, units.Rect(7, 117, 119, 8));
    addText(AppTexts::kAboutNotice, units.Rect(8, 128, 149, 8));
    addText(AppTexts::kAboutLongNotice, units.Rect(7, 140, 171, 28));

    auto* pClose = new QPushButton(AppTexts::Tr(AppTexts::kAboutClose), this);
    pClose->setDefault(true);
    pClose->setGeometry(units.Rect(157, 114, 50, 14));
    connect(pClose, &QPushButton::clicked, this, &QDialog::accept);
}
