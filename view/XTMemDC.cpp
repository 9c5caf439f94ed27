#include "view/XTMemDC.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

QRect ClipBox(QPainter& dc)
{
    if (dc.hasClipping())
        return dc.clipBoundingRect().toAlignedRect();
    const QPaintDevice* device = dc.device();
    return QRect(0, 0, device->width(), device->height());
}

} // namespace

CXTMemDC::CXTMemDC(QPainter* pDC, const QRect& rect, ColorRef clrFill)
    : m_pDC(pDC)
{
    if (!m_pDC || !m_pDC->isActive())
        return;
    m_rect = rect.isEmpty() ? ClipBox(*m_pDC) : rect;
    if (m_rect.isEmpty())
        return;
    // Opaque 32-bit pixels: what widget backing stores hold, so the copy out is a plain
    // row copy, and what the board's painter writes into directly.
    m_bitmap = QImage(m_rect.size(), QImage::Format_RGB32);
    if (m_bitmap.isNull())
        return;
    if (clrFill != kNoFill)
        m_bitmap.fill(qRgb(clrFill & 0xFF, clrFill >> 8 & 0xFF, clrFill >> 16 & 0xFF));
    m_bValid = true;
}

CXTMemDC::~CXTMemDC()
{
    if (m_bValid)
        m_pDC->drawImage(m_rect.topLeft(), m_bitmap);
}
