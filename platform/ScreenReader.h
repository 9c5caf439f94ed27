#pragma once

#include <functional>
#include <optional>

class QObject;

// Whether the desktop says a screen reader is running: AT-SPI's ScreenReaderEnabled, which
// the desktop sets as it starts or stops its reader. It is followed while the program runs,
// so a reader started or stopped later counts from then on. False where the desktop has no
// such status, and until its first answer has come.
bool ScreenReaderRunning();

// Starts following the status, and calls onStart each time a screen reader comes on (the
// desktop's first answer included) for as long as context lives.
void FollowScreenReader(QObject* context, std::function<void()> onStart);

// Tests set the answer here instead; nullopt gives the desktop's again. Setting true tells
// the followers, as a reader coming on does.
void SetScreenReaderForTests(std::optional<bool> bRunning);
