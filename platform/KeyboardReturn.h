#pragma once

#include <QPointer>
#include <QWidget>

// Gives the keyboard back, when a window opened over the others closes, to the window and
// control that had it when it opened. Without a window manager nobody else does, and the
// keyboard would be left with no window at all. A window that the player has made active
// meanwhile keeps the keyboard.
class CKeyboardReturn {
public:
    // Notes who has the keyboard now; `opened` is the window about to open.
    explicit CKeyboardReturn(const QWidget& opened);
    // Call once `opened` has closed.
    ~CKeyboardReturn();

    CKeyboardReturn(const CKeyboardReturn&) = delete;
    CKeyboardReturn& operator=(const CKeyboardReturn&) = delete;

private:
    const QWidget& m_opened;
    QPointer<QWidget> m_pWindow;
    QPointer<QWidget> m_pFocus;
};
