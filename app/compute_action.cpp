#include "app/evaluate_operation.h"
#include "app/handlers.h"
#include "app/window_toolkit.h"

namespace quillora {
namespace {

constexpr std::int32_t kEnterKey = 13;

double ReadOperand(WindowToolkit& toolkit, Control edit) {
    return static_cast<double>(TextToSingle(toolkit.ReadText(edit)));
}

}  // namespace

std::int32_t CurrentOperation = 0;

void ComputeAction(WindowToolkit& toolkit) {
    const double a = ReadOperand(toolkit, Control::编辑框1);
    const double b = ReadOperand(toolkit, Control::编辑框2);
    CurrentOperation = toolkit.ReadSelectedIndex(Control::选择框);
    for (const ResultEffect& effect : EvaluateOperation(a, b, CurrentOperation)) {
        switch (effect.kind) {
            case ResultEffect::Kind::ReplaceResult:
                toolkit.ReplaceText(Control::编辑框3, effect.text);
                break;
            case ResultEffect::Kind::AppendResult:
                toolkit.AppendText(Control::编辑框3, effect.text);
                break;
            case ResultEffect::Kind::HideSecondOperand:
                toolkit.SetVisible(Control::编辑框2, false);
                break;
            case ResultEffect::Kind::RejectDivisor:
                // The only step: the calculation is abandoned and the program goes on.
                toolkit.ShowErrorBox(effect.text);
                break;
        }
    }
}

void OperandKeyDown(WindowToolkit& toolkit, std::int32_t keyCode, std::int32_t /*modifiers*/) {
    if (keyCode == kEnterKey) {
        ComputeAction(toolkit);
    }
}

}  // namespace quillora
