#include "view/XTMemDC.h"

#include <algorithm>
#include <cmath>

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

qreal CXTMemDC::TargetRatio() const { return m_pDC->device()->devicePixelRatioF(); }

CXTMemDC::CXTMemDC(QPainter* pDC, const QRect& rect, ColorRef clrFill)
    : m_pDC(pDC)
{
    if (!m_pDC || !m_pDC->isActive())
        return;
    m_rect = rect.isEmpty() ? ClipBox(*m_pDC) : rect;
    if (m_rect.isEmpty())
        return;
    // As many buffer pixels per target pixel as the screen has: on a high-density screen the
    // board is composed at the screen's resolution, not enlarged afterwards. A whole number,
    // so that every length of the board scales exactly; a fractional ratio is composed at the
    // next whole one and filtered down on the way out.
    const int scale = std::max(1, static_cast<int>(std::ceil(TargetRatio() - 1e-6)));
    // Opaque 32-bit pixels: what widget backing stores hold, so the copy out is a plain
    // row copy, and what the board's painter writes into directly.
    m_bitmap = QImage(m_rect.size() * scale, QImage::Format_RGB32);
    if (m_bitmap.isNull())
        return;
    m_bitmap.setDevicePixelRatio(scale);
    if (clrFill != kNoFill)
        m_bitmap.fill(qRgb(clrFill & 0xFF, clrFill >> 8 & 0xFF, clrFill >> 16 & 0xFF));
    m_bValid = true;
}

CXTMemDC::~CXTMemDC()
{
    if (!m_bValid)
        return;
    if (m_bitmap.devicePixelRatio() != TargetRatio())
        m_pDC->setRenderHint(QPainter::SmoothPixmapTransform);
    m_pDC->drawImage(m_rect.topLeft(), m_bitmap);
}
