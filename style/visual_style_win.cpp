#include "style/visual_style.h"

namespace quillora {

// Placeholder until the style is drawn: the controls keep the system look.
std::int32_t ApplyVisualStyle(std::int32_t) { return 0; }

void MainWindowCreated() { ApplyVisualStyle(3); }

}  // namespace quillora
