#include "app/key_codes.h"

namespace quillora {
namespace {

// Virtual-key codes, as the window system numbers them.
constexpr std::int32_t kShiftKey = 0x10;
constexpr std::int32_t kCtrlKey = 0x11;
constexpr std::int32_t kAltKey = 0x12;
constexpr std::int32_t kKeypad0 = 0x60;
constexpr std::int32_t kKeypad9 = 0x69;
constexpr std::int32_t kKeypadMinus = 0x6D;
constexpr std::int32_t kKeypadDecimal = 0x6E;
constexpr std::int32_t kKeypadDivide = 0x6F;
constexpr std::int32_t kDigit0 = 0x30;
constexpr std::int32_t kMinus = 0xBD;
constexpr std::int32_t kPeriod = 0xBE;
constexpr std::int32_t kSlash = 0xBF;

}  // namespace

std::int32_t KeyDownCode(std::uint32_t keyParameter) {
    const auto code = static_cast<std::int32_t>(keyParameter & 0xFF);
    if (code >= kKeypad0 && code <= kKeypad9) {
        return kDigit0 + (code - kKeypad0);
    }
    switch (code) {
        case kKeypadMinus:
            return kMinus;
        case kKeypadDecimal:
            return kPeriod;
        case kKeypadDivide:
            return kSlash;
        default:
            return code;
    }
}

std::int32_t ModifierMask(std::int32_t keyCode, bool ctrlDown, bool shiftDown, bool altDown) {
    std::int32_t mask = 0;
    if (ctrlDown && keyCode != kCtrlKey) {
        mask |= kCtrlBit;
    }
    if (shiftDown && keyCode != kShiftKey) {
        mask |= kShiftBit;
    }
    if (altDown && keyCode != kAltKey) {
        mask |= kAltBit;
    }
    return mask;
}

}  // namespace quillora
