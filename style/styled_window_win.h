// Taking windows over for the visual style and giving them back. A window taken over is
// subclassed: the style draws its frame (and a push button's face, a combo box's arrow
// button), everything else goes to the window's own procedure.
#pragma once

#include <windows.h>

#include "style/control_kind.h"
#include "style/look.h"

namespace quillora::style {

// What the style keeps for one window it has taken over.
struct StyledWindow {
    ControlKind kind;
    const Look* look;
    bool hovered = false;
};

// Takes the window over when its kind is styled and it is not taken over yet. `redraw` redraws
// it at once, frame included (not wanted while the window is still being created).
void TakeOver(HWND window, const Look& look, bool redraw);

// Gives every window taken over its own drawing back and redraws it.
void GiveBackAll();

// Per-kind message handling; each calls DefSubclassProc for whatever it does not draw.
LRESULT PushButtonMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          const StyledWindow& styled);
LRESULT FieldMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     const StyledWindow& styled);
LRESULT ComboBoxMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        const StyledWindow& styled);

}  // namespace quillora::style
