#pragma once

#include <functional>

#include "engine/GameClock.h"

class QString;
class QWidget;

enum class MessageIcon { None, Exclamation };

// A parentless message box with one OK button, as the game shows passes, results and
// failures. It blocks no other window: the game's window stays usable while it is open.
// The window system keeps it with the owner's window (SetMessageOwner).
// Unlike a nested Qt event loop around a running QTimer slot, it keeps the game clock
// ticking while it is open: the clock registered below is called every kTickMs until the
// box closes. Returns when the box is closed.
void ShowMessage(const QString& text, const QString& caption, MessageIcon icon = MessageIcon::None);

// A question with the buttons Yes and No, tied to the game's window as a message is, with No
// the default and Escape's answer. It is asked from a key, not from a tick, so the game clock
// goes on by itself meanwhile. Returns true for Yes.
bool AskQuestion(const QString& text, const QString& caption);

// The game clock's period; the box's stand-in clock runs at it unless told otherwise.
constexpr int kMessageClockMs = kTickMs;

// The function the open box calls every nIntervalMs; null (the default) for none. Tests of
// the box itself pass a short interval.
void SetMessageClock(std::function<void()> tick, int nIntervalMs = kMessageClockMs);

// The game's window, which every box belongs to: the box is its transient window on X11 and
// its child toplevel on Wayland, so that the window manager keeps the box with it. Null (or
// a window that has gone) for none.
void SetMessageOwner(QWidget* pOwner);

// Closes every message box that is open, as when the main window goes away under one. Each
// ShowMessage then returns as if its box had been answered.
void CloseAllMessages();

// Tests answer boxes through this hook instead of a window: it receives the text and the
// caption and may run anything "while the box is open" (ticks, clicks, a new game) before
// returning, which closes the box. An empty function restores the real box.
using MessageHook = std::function<void(const QString& text, const QString& caption)>;
void SetMessageHook(MessageHook hook);

// Tests answer questions through this hook instead: it receives the text and the caption and
// returns the answer. An empty function restores the real box.
using QuestionHook = std::function<bool(const QString& text, const QString& caption)>;
void SetQuestionHook(QuestionHook hook);
