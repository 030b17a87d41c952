// Real mouse and keyboard input through the X server (xdotool), as a user would give it.
#pragma once

#include <windows.h>

#include <functional>

namespace quillora::testing {

// Sees every message the pump takes before it is dispatched; true consumes it.
using MessagePreview = std::function<bool(const MSG&)>;
void SetMessagePreview(MessagePreview preview);

// Handles the queued messages for about `milliseconds`.
void PumpMessages(int milliseconds);

// Pumps messages until `done` holds or the time is up; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds = 3000);

// Moves the pointer to a screen point; false when the pointer did not get there.
bool MoveMouseTo(POINT screen);

// Moves the pointer to the centre of a window.
bool MoveMouseOver(HWND window);

void PressLeftButton();
void ReleaseLeftButton();

// Sends a key (xdotool key name) to the focused window of the Wine desktop.
void PressKey(const char* keyName);

}  // namespace quillora::testing
