// The built-in visual style in which the controls of the UI thread are drawn.
#pragma once

#include <cstdint>

namespace quillora {

// Stores the style number; 1 to 3 remove any style in force and install that one (returns 1),
// any other number only removes the style in force (returns 1 if one was removed, else 0).
std::int32_t ApplyVisualStyle(std::int32_t style);

// Handler of the main window's created event: installs the third style.
void MainWindowCreated();

}  // namespace quillora
