#pragma once

#include <QLabel>

// A score line: plain text, left and top aligned, in a place of its own that is narrower
// than the longest lines of the big boards ("Green 1600 / 1600<Playing>"). A line that would
// not fit is drawn in a font just small enough for it; the others in the window's font.
class CScoreLabel : public QLabel {
public:
    explicit CScoreLabel(QWidget* pParent = nullptr);

    // The font the current text is drawn in.
    QFont FittedFont() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};
