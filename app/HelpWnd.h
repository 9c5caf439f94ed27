#pragma once

#include <QWidget>

#include <memory>

#include "platform/KeyboardReturn.h"

class QHideEvent;
class QKeyEvent;
class QShowEvent;

// "How to play": the rules in short, the settings panel, the mouse and the keys. It stays
// open beside the game, which goes on behind it; Escape and "&Close" close it, and only it,
// and the keyboard goes back to where it was when the window opened.
class CHelpWnd : public QWidget {
public:
    explicit CHelpWnd(QWidget* pParent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;

private:
    std::unique_ptr<CKeyboardReturn> m_pKeyboard;
};
