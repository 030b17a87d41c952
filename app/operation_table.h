// The 24 operations of the drop-down list; an operation's index is its list position.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillora {

// How choosing the operation rearranges the input row.
enum class InputLayout {
    TwoOperands,  // symbol in 标签1, 编辑框1 at the left, 编辑框2 and 标签1 shown
    HideSymbol,   // only 标签1 hidden
    OneOperand,   // 编辑框2 and 标签1 hidden, 编辑框1 moved right
};

struct OperationEntry {
    std::string_view listText;
    std::string_view symbol;  // caption of 标签1 for the two-operand layout
    InputLayout layout;
};

inline constexpr std::array<OperationEntry, 24> OperationTable{{
    {"相乘", "×", InputLayout::TwoOperands},       {"相除", "/", InputLayout::TwoOperands},
    {"整除", "＼", InputLayout::TwoOperands},      {"求余数", "％", InputLayout::TwoOperands},
    {"相加", "＋", InputLayout::TwoOperands},      {"相减", "-", InputLayout::TwoOperands},
    {"负", "", InputLayout::HideSymbol},           {"取符号", "", InputLayout::OneOperand},
    {"取绝对值", "", InputLayout::OneOperand},     {"取整", "", InputLayout::OneOperand},
    {"绝对取整", "", InputLayout::OneOperand},     {"四舍五入", "", InputLayout::OneOperand},
    {"求次方", "^", InputLayout::TwoOperands},  // the exponent is typed into 编辑框2
    {"求平方", "", InputLayout::OneOperand},       {"求平方根", "", InputLayout::OneOperand},
    {"求正弦", "", InputLayout::OneOperand},       {"求余弦", "", InputLayout::OneOperand},
    {"求正切", "", InputLayout::OneOperand},       {"求反正切", "", InputLayout::OneOperand},
    {"求自然对数", "", InputLayout::OneOperand},   {"求反对数", "", InputLayout::OneOperand},
    {"是否运算正确", "", InputLayout::OneOperand}, {"置随机数种子", "", InputLayout::OneOperand},
    {"取随机数", "", InputLayout::OneOperand},
}};

inline constexpr bool IsOperationIndex(std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < OperationTable.size();
}

// The index whose list text is `listText`, or -1.
std::int32_t FindOperation(std::string_view listText);

}  // namespace quillora
