#pragma once

// What the application's windows and lists are to assistive technology, where Qt's own
// interfaces do not serve a screen reader: the main window as the application's frame, "How
// to play" as a dialog, and each drop-down list with its current entry as its value.
// Installing twice does nothing more.
void InstallAppAccessible();
