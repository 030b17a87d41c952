// Counting the GDI and USER objects the process holds, to find leaks.
#pragma once

#include <optional>

namespace quillora::testing {

struct GuiObjectCounts {
    unsigned long gdi;
    std::optional<unsigned long> user;  // empty where the system cannot count them
};

GuiObjectCounts CountGuiObjects();

}  // namespace quillora::testing
