#include "app/handlers.h"
#include "app/window_toolkit.h"

namespace quillora {

void NavigationClicked(WindowToolkit& toolkit) {
    toolkit.OpenWebAddress(NavigationSiteAddress);
}

}  // namespace quillora
