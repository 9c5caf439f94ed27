#include "view/BoardPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "engine/BoardState.h"

// Resources compiled into a static library register only when something calls in.
static void InitBoardResources() { Q_INIT_RESOURCE(view); }

namespace {

// No colour the board draws is transparent.
constexpr QRgb kNoDisc = 0;
// Index = cell value.
constexpr QRgb kDiscColours[kMaxPlayers + 1] = {
    kNoDisc, // empty
    qRgb(255, 255, 255), // White
    // Not pure black, so a disc stays apart from the grid lines.
    qRgb(4, 0, 0), // Black
    qRgb(255, 0, 0), // Red
    qRgb(0, 255, 0), // Green
};
constexpr QRgb kMarker = qRgb(0, 192, 192);
constexpr QRgb kPointerMarker = qRgb(0, 240, 240);
constexpr QRgb kGridLine = qRgb(0, 0, 0);
constexpr QRgb kCaptureLine = qRgb(160, 16, 240);
constexpr double kCaptureHalfWidth = 2.5;
// Between a disc's box and its cell's edge, on every side.
constexpr int kDiscMargin = 2;

// The buffer's rows, reached without QImage's per-row detach check: a 40 x 40 board
// writes some ten thousand disc rows per paint.
struct Pixels {
    explicit Pixels(QImage& image)
        : bits(reinterpret_cast<QRgb*>(image.bits()))
        , stride(image.bytesPerLine() / static_cast<int>(sizeof(QRgb)))
        , width(image.width())
        , height(image.height())
    {
    }
    QRgb* Row(int y) const { return bits + static_cast<qsizetype>(y) * stride; }

    QRgb* bits;
    int stride;
    int width;
    int height;
};

// Tiled from the surface's origin, unscaled.
void DrawBackground(const Pixels& surface, const QImage& picture)
{
    if (picture.isNull())
        return;
    const int tileW = picture.width();
    const int tileH = picture.height();
    for (int y = 0; y < surface.height; ++y) {
        const QRgb* tile = reinterpret_cast<const QRgb*>(picture.constScanLine(y % tileH));
        QRgb* row = surface.Row(y);
        for (int x = 0; x < surface.width; x += tileW)
            std::memcpy(row + x, tile, sizeof(QRgb) * std::min(tileW, surface.width - x));
    }
}

// The grid line i lies at i * cell and runs the board's full height (width), both end
// pixels included; the last one lies at the board's far edge and so falls outside it.
// Lines are lineWidth buffer pixels thick: one board pixel.
void DrawGrid(const Pixels& surface, int n, int cellW, int cellH, int lineWidth)
{
    for (int y = 0; y < surface.height; ++y) {
        QRgb* row = surface.Row(y);
        for (int x = 0; x <= n * cellW && x < surface.width; x += cellW)
            std::fill_n(row + x, std::min(lineWidth, surface.width - x), kGridLine);
    }
    for (int y = 0; y <= n * cellH && y < surface.height; y += cellH)
        for (int t = 0; t < lineWidth && y + t < surface.height; ++t)
            std::fill_n(surface.Row(y + t), surface.width, kGridLine);
}

// The discs of one row of cells, colours[x] for cell x, kNoDisc where there is none.
void DrawDiscRow(const Pixels& surface, const std::vector<CBoardPainter::Span>& rows, int top,
    int cellW, int margin, const QRgb* colours, int n)
{
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        QRgb* row = surface.Row(top + r) + margin;
        const int x0 = rows[r].x0;
        const int count = rows[r].x1 - x0;
        for (int x = 0; x < n; ++x, row += cellW)
            if (colours[x] != kNoDisc)
                std::fill_n(row + x0, count, colours[x]);
    }
}

// Narrows [from, to] to the x with lo <= c * x + k <= hi; c == 0 keeps all or nothing.
void ClipLinear(double c, double k, double lo, double hi, double& from, double& to)
{
    if (c == 0) {
        if (k < lo || k > hi)
            from = 1, to = 0;
        return;
    }
    double a = (lo - k) / c;
    double b = (hi - k) / c;
    if (a > b)
        std::swap(a, b);
    from = std::max(from, a);
    to = std::min(to, b);
}

// A line with round ends from a to b: every pixel whose distance to the segment is at most
// halfWidth. Coordinates name pixels themselves, so a horizontal line of half width 2.5
// covers the five rows a.y - 2 to a.y + 2. The covered pixels of one row are a single run,
// the shape being convex; it is the hull of the two end discs and the band between them.
// Ends may lie between pixels (a board pixel's centre on a finer buffer).
void FillWideLine(const Pixels& surface, QPointF a, QPointF b, double halfWidth, QRgb colour)
{
    // No pixel lies exactly at an odd half width from a segment between pixels, so the
    // slack only absorbs rounding.
    constexpr double kSlack = 1e-9;
    const double r = halfWidth;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double lengthSq = dx * dx + dy * dy;
    const double reachAcross = r * std::sqrt(lengthSq);
    const int top = std::max(0, static_cast<int>(std::floor(std::min(a.y(), b.y()) - r)));
    const int bottom
        = std::min(surface.height - 1, static_cast<int>(std::ceil(std::max(a.y(), b.y()) + r)));
    for (int y = top; y <= bottom; ++y) {
        double from = INFINITY;
        double to = -INFINITY;
        for (QPointF end : { a, b }) {
            const double v = y - end.y();
            if (v * v <= r * r) {
                const double half = std::sqrt(r * r - v * v);
                from = std::min(from, end.x() - half);
                to = std::max(to, end.x() + half);
            }
        }
        if (lengthSq > 0) {
            // Projection onto the segment within it, distance across it within reach.
            const double v = y - a.y();
            double bandFrom = -INFINITY;
            double bandTo = INFINITY;
            ClipLinear(dx, v * dy, 0, lengthSq, bandFrom, bandTo);
            ClipLinear(dy, -v * dx, -reachAcross, reachAcross, bandFrom, bandTo);
            if (bandFrom <= bandTo) {
                from = std::min(from, a.x() + bandFrom);
                to = std::max(to, a.x() + bandTo);
            }
        }
        if (!(from <= to))
            continue;
        const int x0 = std::max(0, static_cast<int>(std::ceil(from - kSlack)));
        const int x1 = std::min(surface.width - 1, static_cast<int>(std::floor(to + kSlack)));
        if (x0 <= x1)
            std::fill(surface.Row(y) + x0, surface.Row(y) + x1 + 1, colour);
    }
}

} // namespace

CBoardPainter::CBoardPainter()
{
    InitBoardResources();
    m_background = QImage(QStringLiteral(":/board/background.png"));
    if (!m_background.isNull())
        m_background = m_background.convertToFormat(QImage::Format_RGB32);
}

void CBoardPainter::Paint(const CBoardState& board, QImage& image)
{
    if (image.isNull() || image.format() != QImage::Format_RGB32)
        return;
    const Pixels surface(image);
    // Buffer pixels per board pixel. The board's geometry is that of its board pixels, each
    // length times the scale, so a finer buffer shows the same board with finer edges.
    const int k = Scale(image);
    const int n = board.m_nBoardSize;
    // A side the grid cannot hold would read beyond it, and 0 would divide by zero: such a
    // board shows its picture only.
    const bool onGrid = board.HasCells();
    const int cellW = onGrid ? surface.width / k / n : 0;
    const int cellH = onGrid ? surface.height / k / n : 0;
    if (const QImage& base = Base(image.size(), onGrid ? n : 0, k); !base.isNull()) {
        std::memcpy(surface.bits, base.constBits(), base.sizeInBytes());
    } else {
        // No room for the cached copy: the same, drawn afresh.
        DrawBackground(surface, Picture(k));
        if (onGrid)
            DrawGrid(surface, n, cellW * k, cellH * k, k);
    }
    if (!onGrid)
        return;

    PrepareDisc((cellW - 2 * kDiscMargin) * k, (cellH - 2 * kDiscMargin) * k);
    // Discs never overlap, so they are drawn a row of cells at a time, pixel row by pixel
    // row: the buffer is then written front to back rather than column-wise.
    QRgb colours[kMaxBoardSize];
    for (int y = 0; y < n; ++y) {
        bool any = false;
        for (int x = 0; x < n; ++x) {
            const int v = board.m_nGrid[x][y];
            if (v > kEmpty && v <= kMaxPlayers)
                colours[x] = kDiscColours[v];
            else if (v == kEmpty && board.AcceptsClick(x, y))
                colours[x] = x == board.m_nCellX && y == board.m_nCellY ? kPointerMarker : kMarker;
            else
                colours[x] = kNoDisc;
            any = any || colours[x] != kNoDisc;
        }
        if (any)
            DrawDiscRow(surface, m_discRows, (y * cellH + kDiscMargin) * k, cellW * k,
                kDiscMargin * k, colours, n);
    }

    const int cx = board.m_nCellX;
    const int cy = board.m_nCellY;
    if (!board.AcceptsClick(cx, cy))
        return;
    // The middle of the centre's board pixel, which on a finer buffer lies between pixels.
    const double middle = (k - 1) / 2.0;
    const auto centre = [&](int x, int y) {
        return QPointF((x * cellW + cellW / 2) * k + middle, (y * cellH + cellH / 2) * k + middle);
    };
    for (const CellPos& end : board.m_pRules->GetMoveInfo(cx, cy)->m_ends)
        FillWideLine(
            surface, centre(cx, cy), centre(end.x, end.y), kCaptureHalfWidth * k, kCaptureLine);
}

// The picture tiled over a buffer of the given size and scale with the grid of n cells a
// side (none for 0) on it; rebuilt only when one of them changes. Null without a picture or
// memory.
const QImage& CBoardPainter::Base(QSize size, int n, int k)
{
    if (m_background.isNull() || (m_base.size() == size && m_nBaseSide == n && m_nBaseScale == k))
        return m_base;
    m_base = QImage(size, QImage::Format_RGB32);
    m_nBaseSide = n;
    m_nBaseScale = k;
    if (m_base.isNull())
        return m_base;
    const Pixels base(m_base);
    DrawBackground(base, Picture(k));
    if (n > 0) {
        const int cellW = size.width() / k / n;
        const int cellH = size.height() / k / n;
        DrawGrid(base, n, cellW * k, cellH * k, k);
    }
    return m_base;
}

// The picture at k buffer pixels per board pixel: it has only its own 400 x 400 pixels, so
// a finer buffer gets it smoothly enlarged rather than in blocks.
QImage CBoardPainter::Picture(int k) const
{
    if (k == 1 || m_background.isNull())
        return m_background;
    return m_background
        .scaled(m_background.size() * k, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

int CBoardPainter::Scale(const QImage& image)
{
    return std::max(1, static_cast<int>(std::lround(image.devicePixelRatio())));
}

// The disc fills the ellipse inscribed in its box of nWidth x nHeight pixels: a pixel is
// covered when its centre lies on or inside the ellipse, and the same-coloured outline is
// the rim of that set. So the disc of a 46-pixel box covers its columns and rows 0 to 45,
// touches each side at the middle and leaves the corners free.
void CBoardPainter::PrepareDisc(int nWidth, int nHeight)
{
    if (nWidth == m_nDiscWidth && nHeight == m_nDiscHeight)
        return;
    m_nDiscWidth = nWidth;
    m_nDiscHeight = nHeight;
    m_discRows.clear();
    if (nWidth <= 0 || nHeight <= 0)
        return;
    // In doubled coordinates from the box's centre, pixel centres are integers and the test
    // X^2 / w^2 + Y^2 / h^2 <= 1 is exact.
    const std::int64_t w2 = std::int64_t(nWidth) * nWidth;
    const std::int64_t h2 = std::int64_t(nHeight) * nHeight;
    for (int py = 0; py < nHeight; ++py) {
        const std::int64_t Y = 2 * py + 1 - nHeight;
        Span span { 0, 0 };
        for (int px = 0; px < nWidth; ++px) {
            const std::int64_t X = 2 * px + 1 - nWidth;
            if (X * X * h2 + Y * Y * w2 <= w2 * h2) {
                span = { px, nWidth - px };
                break;
            }
        }
        m_discRows.push_back(span);
    }
}
