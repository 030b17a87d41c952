// Which control the keyboard focus goes to: the Tab cycle and the window's focus rule.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "app/control_spec.h"

namespace quillora {

struct ControlState {
    bool visible;
    bool enabled;
};

using ControlStates = std::array<ControlState, kControlCount>;

// The tab-stop controls that are visible and enabled, by tab-order value and, among equal
// values, from the end of the table to its start.
std::vector<Control> TabCycle(const ControlStates& states);

// The control after (forward) or before `current` in the cycle, wrapping at both ends. From
// outside the cycle (no control, or one that is not in it), forward goes to its first member
// and backward to its last.
std::optional<Control> TabCycleNeighbour(const ControlStates& states,
                                         std::optional<Control> current, bool forward);

// Where the focus goes when the window gets it and remembers no control.
std::optional<Control> DefaultFocusControl(const ControlStates& states);

}  // namespace quillora
