#include "app/window_keys.h"

#include "app/key_codes.h"

namespace quillora {
namespace {

constexpr std::int32_t kTabKey = 0x09;
constexpr std::int32_t kEscapeKey = 0x1B;

}  // namespace

WindowKeyStep DecideWindowKey(std::int32_t keyCode, std::int32_t modifiers) {
    if (keyCode == kTabKey && modifiers == 0) {
        return WindowKeyStep::MoveFocusNext;
    }
    if (keyCode == kTabKey && modifiers == kShiftBit) {
        return WindowKeyStep::MoveFocusPrevious;
    }
    if (keyCode == kEscapeKey && modifiers == 0) {
        return WindowKeyStep::Close;
    }
    return WindowKeyStep::PassOn;
}

}  // namespace quillora
