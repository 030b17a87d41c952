// The error box: the rejected divisor shows it and goes on, a fatal error ends the process.
#pragma once

#include <string_view>

#include "numeric/text.h"

namespace quillora {

// Captioned "错误", OK button, error icon, no owner; returns once dismissed.
void ShowErrorBox(std::string_view text);

// The fatal error reporter of the Windows program: the box, then exit code -1.
[[noreturn]] void ShowErrorBoxAndExit(const Text& errorText);

}  // namespace quillora
