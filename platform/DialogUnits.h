#pragma once

#include <QRect>
#include <QSize>

#include <QFont>

// The layout unit of the game's windows: a horizontal dialog unit is a quarter of the dialog
// font's average character width, a vertical one an eighth of its height, so a layout keeps
// its proportions whatever font the platform substitutes.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);
    CDialogUnits(int nCharWidth, int nCharHeight);

    int X(int x) const { return x * m_nCharWidth / 4; }
    int Y(int y) const { return y * m_nCharHeight / 8; }
    // The four edges are converted one by one, so that controls laid edge to edge in dialog
    // units stay edge to edge in pixels.
    QRect Rect(int x, int y, int cx, int cy) const;
    QSize Size(int cx, int cy) const { return { X(cx), Y(cy) }; }

    int CharWidth() const { return m_nCharWidth; }
    int CharHeight() const { return m_nCharHeight; }

private:
    int m_nCharWidth;
    int m_nCharHeight;
};

// The font the game's windows are laid out in: 8-point "MS Sans Serif", else a font of the
// same letter size (8-point DejaVu Sans Condensed), else whatever the platform puts in its
// place.
QFont DialogFont();
