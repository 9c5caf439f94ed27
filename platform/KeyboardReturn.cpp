#include "platform/KeyboardReturn.h"

#include <QApplication>

CKeyboardReturn::CKeyboardReturn(const QWidget& opened)
    : m_opened(opened)
    , m_pWindow(QApplication::activeWindow())
    , m_pFocus(QApplication::focusWidget())
{
}

CKeyboardReturn::~CKeyboardReturn()
{
    // The closed window may still count as active until the window system says otherwise.
    const QWidget* pActive = QApplication::activeWindow();
    if (pActive && pActive != &m_opened && pActive->isVisible())
        return;
    if (!m_pWindow || m_pWindow == &m_opened || !m_pWindow->isVisible())
        return;
    m_pWindow->activateWindow();
    if (m_pFocus && m_pFocus->window() == m_pWindow)
        m_pFocus->setFocus(Qt::ActiveWindowFocusReason);
}
