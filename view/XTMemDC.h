#pragma once

#include <cstdint>

#include <QImage>
#include <QRect>

class QPainter;

// A colour as 0x00BBGGRR. Kept apart from QRgb because opaque white is 0xFFFFFFFF there,
// and that value has to mean "no initial fill".
using ColorRef = std::uint32_t;
constexpr ColorRef kNoFill = 0xFFFFFFFF;

constexpr ColorRef Rgb(int r, int g, int b)
{
    return static_cast<ColorRef>(r & 0xFF) | static_cast<ColorRef>(g & 0xFF) << 8
        | static_cast<ColorRef>(b & 0xFF) << 16;
}

// The off-screen surface: a buffer over one rectangle of a target, composed in private and
// put onto the target in a single drawImage when the surface goes out of scope, so the
// target never shows a half-drawn picture. The buffer's pixel (0, 0) is the rectangle's
// top-left corner.
class CXTMemDC {
public:
    // An empty rect stands for the target's clip box (its whole device when unclipped).
    // clrFill is the buffer's first colour; with kNoFill the caller covers every pixel.
    CXTMemDC(QPainter* pDC, const QRect& rect, ColorRef clrFill);
    CXTMemDC(const CXTMemDC&) = delete;
    CXTMemDC& operator=(const CXTMemDC&) = delete;
    ~CXTMemDC();

    // False when the buffer could not be made (no active target, no memory): then the
    // caller draws nothing and nothing reaches the target; the next paint tries afresh.
    bool IsValid() const { return m_bValid; }
    // The rectangle's size times the target's device pixel ratio (rounded up to a whole number),
    // with that ratio set, so that it is drawn at the target's own resolution.
    QImage& Image() { return m_bitmap; }

private:
    qreal TargetRatio() const;

    QPainter* m_pDC;
    bool m_bValid = false;
    QRect m_rect;
    QImage m_bitmap;
};
