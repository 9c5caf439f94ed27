#pragma once

#include <QWidget>

class QKeyEvent;

// "How to play": the rules in short, the settings panel, the mouse and the keys. It stays
// open beside the game, which goes on behind it; Escape and "&Close" close it, and only it.
class CHelpWnd : public QWidget {
public:
    explicit CHelpWnd(QWidget* pParent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
};
