#include "app/HelpWnd.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppTexts.h"

namespace {

// Wide enough for the text to read in lines of some twelve words.
constexpr int kTextWidth = 460;

} // namespace

CHelpWnd::CHelpWnd(QWidget* pParent)
    : QWidget(pParent, Qt::Window)
{
    setWindowTitle(AppTexts::Tr(AppTexts::kHelpCaption));

    auto* pText = new QLabel(AppTexts::Tr(AppTexts::kHelpText), this);
    pText->setObjectName(QStringLiteral("text"));
    pText->setTextFormat(Qt::RichText);
    pText->setWordWrap(true);
    pText->setFixedWidth(kTextWidth);
    // Readable line by line with the keys too, not only with the mouse.
    pText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* pClose = new QPushButton(AppTexts::Tr(AppTexts::kHelpClose), this);
    connect(pClose, &QPushButton::clicked, this, &QWidget::close);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pText);
    pLayout->addWidget(pClose, 0, Qt::AlignRight);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    pClose->setFocus();
}

void CHelpWnd::keyPressEvent(QKeyEvent* pEvent)
{
    // Accepted here, so that Escape never travels on towards the main window.
    if (pEvent->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(pEvent);
}
