#pragma once

#include <functional>

class QString;
class QWidget;

// Appends a separator and an item with this text to the window's system menu, and calls
// onChosen whenever the user picks it. Only Windows gives windows a system menu: elsewhere,
// or when the text is empty, nothing is added and the result is false.
bool AddSystemMenuItem(QWidget& window, const QString& text, std::function<void()> onChosen);
