// How choosing an operation rearranges the input row: the steps, in the order they apply.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/control_spec.h"

namespace quillora {

struct LayoutStep {
    enum class Kind { SetCaption, SetLeft, Show, Hide };
    Kind kind;
    Control control;
    std::string_view caption;  // SetCaption
    std::int32_t left;         // SetLeft

    friend bool operator==(const LayoutStep&, const LayoutStep&) = default;
};

// None for an index outside the operation table (-1: no item selected).
std::vector<LayoutStep> LayoutSteps(std::int32_t index);

}  // namespace quillora
