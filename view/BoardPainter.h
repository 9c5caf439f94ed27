#pragma once

#include <vector>

#include <QImage>

class CBoardState;

// Composes the board into an off-screen buffer. It keeps what does not change from one
// paint to the next: the decoded background picture, the picture tiled over the board with
// the grid of the current side drawn on it, and the pixel rows of a disc for the current
// cell size; nothing of the game, so every paint draws the whole board from the state it
// is given.
class CBoardPainter {
public:
    CBoardPainter();

    // Draws the board over surface (which already holds the initial fill), in this order:
    // the tiled picture, the grid, the discs and move markers, the capture lines of the
    // pointer cell. The board covers surface's full size; a surface with a device pixel
    // ratio of k (a whole number) gets k x k pixels for every board pixel.
    void Paint(const CBoardState& board, QImage& surface);

    // Whether Paint sets every pixel itself, so that the buffer needs no initial fill.
    bool CoversBoard() const { return !m_background.isNull(); }

    // The pixels of one row of a disc, as columns [x0, x1) of its box.
    struct Span {
        int x0;
        int x1;
    };

private:
    const QImage& Base(QSize size, int n, int k);
    QImage Picture(int k) const;
    static int Scale(const QImage& image);
    void PrepareDisc(int nWidth, int nHeight);

    QImage m_background;
    // The tiled picture with the grid of m_nBaseSide cells on it, m_base's size.
    QImage m_base;
    int m_nBaseSide = -1;
    int m_nBaseScale = 1;
    int m_nDiscWidth = -1;
    int m_nDiscHeight = -1;
    std::vector<Span> m_discRows;
};
