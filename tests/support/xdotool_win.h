// Real input through the X server: xdotool, the Linux program, started from inside Wine.
#pragma once

#include <string>

namespace quillora::testing {

// Runs `xdotool arguments` and waits for it. Wine starts Linux programs given by their Z: path;
// xdotool's exit code does not come back, so callers check the effect instead.
void RunXdotool(const std::wstring& arguments);

}  // namespace quillora::testing
