#include "flow/BoardCtrl.h"

#include <QPainter>

#include "view/BoardAccessible.h"
#include "view/BoardPainter.h"
#include "view/KeyboardPlay.h"
#include "view/XTMemDC.h"

// The widget is made here rather than with the game flow: it owns the painter, and a screen
// reader reads it through the table that view/ provides.
CBoardCtrl::CBoardCtrl(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kBoardPixels, kBoardPixels);
    g_pBoard = this;
    InstallBoardAccessible();
}

CBoardCtrl::~CBoardCtrl()
{
    if (g_pBoard == this)
        g_pBoard = nullptr;
}

void CBoardCtrl::paintEvent(QPaintEvent*) { OnPaint(); }

void CBoardCtrl::OnPaint()
{
    if (!m_pPainter) {
        m_pPainter = std::make_unique<CBoardPainter>();
        // The board follows the pointer without a button held. The first paint comes
        // before the pointer can reach the board, so this is early enough.
        setMouseTracking(true);
        // Every paint covers every pixel: Qt need not paint what lies beneath first.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QPainter dc(this);
    // Composed off-screen and copied out whole when memDC leaves scope, so the widget
    // never shows a half-drawn board however often it is repainted. The black first coat
    // shows only where no picture covers it; with the picture it would be overwritten at
    // once, and it costs a tenth of a paint.
    CXTMemDC memDC(&dc, rect(), m_pPainter->CoversBoard() ? kNoFill : Rgb(0, 0, 0));
    if (memDC.IsValid()) {
        m_pPainter->Paint(*this, memDC.Image());
        if (ShowsKeyboardFrame())
            DrawKeyboardFrame(*this, memDC.Image());
    }
}
