// Registering a window class once per process.
#pragma once

#include <windows.h>

namespace quillora {

// Also true when the class is already registered, so MainWindow can be built more than once in
// one process (in-process tests do).
inline bool RegisterWindowClass(const WNDCLASSEXW& windowClass) {
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace quillora
