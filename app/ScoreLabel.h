#pragma once

#include <QFont>
#include <QLabel>

// A score line: plain text, left and top aligned, in a place of its own that is narrower
// than the longest lines of the big boards ("Green 1600 / 1600<Playing>"). A line that would
// not fit is drawn in a font just small enough for it; the others in the window's font.
class CScoreLabel : public QLabel {
public:
    explicit CScoreLabel(QWidget* pParent = nullptr);

    // The font the current text is drawn in. It is worked out again only after the text,
    // the width or the font has changed.
    QFont FittedFont() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    // What the fitted font was worked out for; a width of -1 means it must be worked out.
    mutable QString m_fittedText;
    mutable int m_nFittedWidth = -1;
    mutable QFont m_fitted;
};
