#pragma once

// The application: the socket check, then the main window, run modally until it closes.
class CGameApp {
public:
    // Runs the whole program on the QApplication that exists. Always false: no message loop
    // of the application's own follows, and the program ends when it returns. When the
    // socket layer cannot be started, only a message is shown and no window opens.
    bool InitInstance();
};
