// The arguments of a control's key-down event, from the virtual-key code of the message.
#pragma once

#include <cstdint>

namespace quillora {

inline constexpr std::int32_t kCtrlBit = 1;
inline constexpr std::int32_t kShiftBit = 2;
inline constexpr std::int32_t kAltBit = 4;

// The low byte of the key parameter, with the keypad's digits, minus, decimal point and divide
// given the codes of their main-keyboard counterparts (48 to 57, 189, 190, 191).
std::int32_t KeyDownCode(std::uint32_t keyParameter);

// Ctrl, Shift and Alt as bits 0, 1 and 2; a modifier key pressed by itself leaves its own bit
// clear.
std::int32_t ModifierMask(std::int32_t keyCode, bool ctrlDown, bool shiftDown, bool altDown);

}  // namespace quillora
