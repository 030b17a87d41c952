#include "app/focus_order.h"

#include <algorithm>

namespace quillora {

std::vector<Control> TabCycle(const ControlStates& states) {
    std::vector<Control> cycle;
    for (std::size_t row = kControlCount; row-- > 0;) {
        const ControlSpec& spec = ControlTable[row];
        if (spec.tabStop && states[row].visible && states[row].enabled) {
            cycle.push_back(ControlAt(row));
        }
    }
    std::stable_sort(cycle.begin(), cycle.end(), [](Control left, Control right) {
        return SpecOf(left).tabOrder < SpecOf(right).tabOrder;
    });
    return cycle;
}

std::optional<Control> TabCycleNeighbour(const ControlStates& states,
                                         std::optional<Control> current, bool forward) {
    const std::vector<Control> cycle = TabCycle(states);
    if (cycle.empty()) {
        return std::nullopt;
    }
    const auto found = std::find(cycle.begin(), cycle.end(), current);
    if (found == cycle.end()) {
        return forward ? cycle.front() : cycle.back();
    }
    const std::size_t position = static_cast<std::size_t>(found - cycle.begin());
    const std::size_t size = cycle.size();
    return cycle[forward ? (position + 1) % size : (position + size - 1) % size];
}

std::optional<Control> DefaultFocusControl(const ControlStates& states) {
    const std::vector<Control> cycle = TabCycle(states);
    if (cycle.empty()) {
        return std::nullopt;
    }
    return cycle.front();
}

}  // namespace quillora
