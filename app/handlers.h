// The handlers bound to the controls' events. They act on the window only through the toolkit.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillora {

class WindowToolkit;

inline constexpr std::string_view NavigationSiteAddress = "www.example.com";

// The operation index last read from 选择框; -1 when none was selected.
extern std::int32_t CurrentOperation;

// Click of 按钮1: evaluates the chosen operation on both operands into 编辑框3.
void ComputeAction(WindowToolkit& toolkit);

// Key down in 编辑框1 or 编辑框2: Enter (13) computes; the key is never consumed.
void OperandKeyDown(WindowToolkit& toolkit, std::int32_t keyCode, std::int32_t modifiers);

// List item selected in 选择框: rearranges the input row for the chosen operation.
void OperationSelected(WindowToolkit& toolkit);

// Click of 按钮2.
void NavigationClicked(WindowToolkit& toolkit);

// The private feedback message of 标签2; gives back no result.
void DescriptionFeedback(WindowToolkit& toolkit, std::int32_t first, std::int32_t second);

}  // namespace quillora
