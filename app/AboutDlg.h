#pragma once

#include <QDialog>

// The About box: the About picture, the product line and two notices. "&Close", Enter and
// Escape close it; the game clock goes on behind it.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};
