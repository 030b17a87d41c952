#include "app/layout_steps.h"

#include "app/operation_table.h"

namespace quillora {
namespace {

constexpr std::int32_t kTwoOperandLeft = 30;
constexpr std::int32_t kOneOperandLeft = 120;

using Kind = LayoutStep::Kind;

}  // namespace

std::vector<LayoutStep> LayoutSteps(std::int32_t index) {
    if (!IsOperationIndex(index)) {
        return {};
    }
    const OperationEntry& entry = OperationTable[static_cast<std::size_t>(index)];
    switch (entry.layout) {
        case InputLayout::TwoOperands:
            return {{Kind::SetCaption, Control::标签1, entry.symbol, 0},
                    {Kind::SetLeft, Control::编辑框1, {}, kTwoOperandLeft},
                    {Kind::Show, Control::编辑框2, {}, 0},
                    {Kind::Show, Control::标签1, {}, 0}};
        case InputLayout::HideSymbol:
            return {{Kind::Hide, Control::标签1, {}, 0}};
        case InputLayout::OneOperand:
            return {{Kind::Hide, Control::编辑框2, {}, 0},
                    {Kind::SetLeft, Control::编辑框1, {}, kOneOperandLeft},
                    {Kind::Hide, Control::标签1, {}, 0}};
    }
    return {};
}

}  // namespace quillora
