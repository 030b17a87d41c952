#include "app/handlers.h"
#include "app/layout_steps.h"
#include "app/window_toolkit.h"

namespace quillora {

void OperationSelected(WindowToolkit& toolkit) {
    CurrentOperation = toolkit.ReadSelectedIndex(Control::选择框);
    for (const LayoutStep& step : LayoutSteps(CurrentOperation)) {
        switch (step.kind) {
            case LayoutStep::Kind::SetCaption:
                toolkit.ReplaceText(step.control, step.caption);
                break;
            case LayoutStep::Kind::SetLeft:
                toolkit.SetLeft(step.control, step.left);
                break;
            case LayoutStep::Kind::Show:
                toolkit.SetVisible(step.control, true);
                break;
            case LayoutStep::Kind::Hide:
                toolkit.SetVisible(step.control, false);
                break;
        }
    }
}

}  // namespace quillora
