// The window's own handling of a key before the key-down event and the control see it.
#pragma once

#include <cstdint>

namespace quillora {

enum class WindowKeyStep {
    MoveFocusNext,      // Tab: consumed
    MoveFocusPrevious,  // Shift+Tab: consumed
    Close,              // Esc: WM_CLOSE to the window, consumed
    PassOn,             // on to the key-down event and the control
};

// For a key-down message with the given key code and modifier mask. No control is a default
// push button, so Enter always goes on (a multi-line edit box takes it as a line break).
WindowKeyStep DecideWindowKey(std::int32_t keyCode, std::int32_t modifiers);

}  // namespace quillora
