// MainWindow: built from ControlTable, its events bound to the handlers.
#pragma once

#include <windows.h>

namespace quillora {

inline constexpr wchar_t kMainWindowClassName[] = L"QuilloraMainWindow";

// Builds MainWindow with its eight controls, raises its created event, then shows and
// activates it. A window that cannot be built is a fatal error.
HWND CreateMainWindow(HINSTANCE instance);

// The window's own handling of a key message before it is dispatched: Tab cycle, Esc, the
// key-down events. True when the key is consumed.
bool HandleWindowKey(HWND mainWindow, const MSG& message);

// Runs until WM_QUIT and gives back its exit code.
int RunMessageLoop(HWND mainWindow);

}  // namespace quillora
