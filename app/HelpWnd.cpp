#include "app/HelpWnd.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/AppTexts.h"
#include "platform/FixedWindow.h"

namespace {

// Wide enough for the text to read in lines of some twelve words.
constexpr int kTextWidth = 460;

} // namespace

CHelpWnd::CHelpWnd(QWidget* pParent)
    : QWidget(pParent, Qt::Window)
{
    setWindowTitle(AppTexts::Tr(AppTexts::kHelpCaption));

    auto* pText = new QLabel(
        AppTexts::Tr(AppTexts::kHelpText) + AppTexts::Tr(AppTexts::kHelpSkillText), this);
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
    KeepFixedWindow(*this, false);
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

void CHelpWnd::showEvent(QShowEvent* pEvent)
{
    QWidget::showEvent(pEvent);
    // Not when the window manager shows it again after minimising it: the keyboard is
    // noted when the game opens the window.
    if (!pEvent->spontaneous())
        m_pKeyboard = std::make_unique<CKeyboardReturn>(*this);
}

void CHelpWnd::hideEvent(QHideEvent* pEvent)
{
    QWidget::hideEvent(pEvent);
    if (!pEvent->spontaneous())
        m_pKeyboard.reset();
}
