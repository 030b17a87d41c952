#include "app/control_spec.h"

#include "app/handlers.h"

namespace quillora {
namespace {

constexpr LabelLook kNoLabel{};
constexpr LabelLook kSymbolLabel{LabelFont::SongBold16, LabelBackground::White, false,
                                 LabelTextLayout::SingleLineCentred};
constexpr LabelLook kDescriptionLabel{LabelFont::DefaultGui, LabelBackground::ButtonFace, true,
                                      LabelTextLayout::WordWrapFromTop};

constexpr std::string_view kDescription =
    "Quillora是一款综合所有的的算法计算器,它支持目前所有行业的算法计算,简单的操作界面,"
    "剔除无用的繁琐杂项,如果你对该计算器有什么好的意见和建议,请您点下边网站进行反映,谢谢!";

}  // namespace

// Columns: name, kind, rectangle, visible, disabled, tab stop, tab order, text, label look,
// dropped-down height, events. The order is the stacking order, top first.
// clang-format off
const std::array<ControlSpec, kControlCount> ControlTable{{
    {"按钮2",   ControlKind::PushButton,     {144, 184, 88, 24}, true, false, true,  0, "Varnel上网导航", kNoLabel,          0,   {.clicked = NavigationClicked}},
    {"标签2",   ControlKind::Label,          {18, 136, 344, 80}, true, false, false, 0, kDescription,     kDescriptionLabel, 0,   {.feedback = DescriptionFeedback}},
    {"标签1",   ControlKind::Label,          {187, 32, 24, 16},  true, false, false, 0, "",               kSymbolLabel,      0,   {}},
    {"编辑框3", ControlKind::MultiLineEdit,  {8, 83, 360, 45},   true, false, true,  0, "",               kNoLabel,          0,   {}},
    {"选择框",  ControlKind::DropDownList,   {112, 48, 144, 20}, true, false, false, 0, "",               kNoLabel,          160, {.listItemSelected = OperationSelected}},
    {"按钮1",   ControlKind::PushButton,     {288, 49, 72, 18},  true, false, true,  0, "运算",           kNoLabel,          0,   {.clicked = ComputeAction}},
    {"编辑框2", ControlKind::SingleLineEdit, {216, 16, 128, 15}, true, false, true,  0, "",               kNoLabel,          0,   {.keyDown = OperandKeyDown}},
    {"编辑框1", ControlKind::SingleLineEdit, {32, 16, 142, 15},  true, false, true,  0, "",               kNoLabel,          0,   {.keyDown = OperandKeyDown}},
}};
// clang-format on

}  // namespace quillora
