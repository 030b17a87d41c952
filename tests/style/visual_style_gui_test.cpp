// The visual style on a real window in Wine's virtual desktop, driven by real mouse and keyboard
// input, checked on the pixels the screen shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/control_spec.h"
#include "app/main_window_win.h"
#include "style/visual_style.h"
#include "tests/style/calculator_window_win.h"
#include "tests/style/gui_objects_win.h"
#include "tests/style/real_input_win.h"
#include "tests/style/screen_capture_win.h"

namespace quillora::testing {
namespace {

using style::Gradient;
using style::Rgb;

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr int kExact = 2;  // gradients and text may round by a step

Rgb ButtonFace() {
    return SystemColour(COLOR_BTNFACE);
}
Rgb WindowColour() {
    return SystemColour(COLOR_WINDOW);
}

Rgb DisabledBorder() {
    const Rgb face = ButtonFace();
    auto darker = [](std::uint8_t c) { return static_cast<std::uint8_t>(c < 32 ? 0 : c - 32); };
    return {darker(face.red), darker(face.green), darker(face.blue)};
}

Rgb Inverted(Rgb c) {
    return {static_cast<std::uint8_t>(255 - c.red), static_cast<std::uint8_t>(255 - c.green),
            static_cast<std::uint8_t>(255 - c.blue)};
}

std::string Show(Rgb c) {
    return "(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
           std::to_string(c.blue) + ")";
}

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " to " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// One spot of a control and the colour it must show.
struct Probe {
    std::string part;
    int x;  // negative: from the right edge
    int y;  // negative: from the bottom edge
    Rgb colour;
    int tolerance;
};

// A gradient's first row is its top colour; its last row one step short of the bottom colour.
void AddGradientProbes(std::vector<Probe>& probes, const std::string& part, int x, int top,
                       int rows, Gradient gradient) {
    probes.push_back({part + " top", x, top, gradient.top, kExact});
    probes.push_back({part + " bottom", x, top + rows - 1, gradient.bottom,
                      ChannelDistance(gradient.top, gradient.bottom) / rows + kExact});
}

bool Matches(const Capture& capture, const Probe& probe) {
    return ChannelDistance(capture.At(probe.x, probe.y), probe.colour) <= probe.tolerance;
}

bool AllMatch(const Capture& capture, const std::vector<Probe>& probes) {
    for (const Probe& probe : probes) {
        if (!Matches(capture, probe)) {
            return false;
        }
    }
    return true;
}

// Waits for the screen to show the probes (painting and flushing are asynchronous) and reports
// every probe that does not hold.
Capture ExpectProbes(HWND control, const std::vector<Probe>& probes) {
    PumpUntil([&] { return AllMatch(Capture(control), probes); });
    Capture capture(control);
    for (const Probe& probe : probes) {
        EXPECT_TRUE(Matches(capture, probe))
            << probe.part << " at (" << probe.x << "," << probe.y << ") is "
            << Show(capture.At(probe.x, probe.y)) << ", expected " << Show(probe.colour)
            << " within " << probe.tolerance;
    }
    return capture;
}

// The box around the caption's pixels on the face, inside the ring that carries the focus
// rectangle. Glyphs are anti-aliased: a pixel counts once it is nearer the caption colour than
// the face behind it (the face's colour in that row, at its left edge). Tall glyphs may reach
// into the ring, so only the box's left, right and bottom edges are exact.
RECT CaptionBox(const Capture& capture, Rgb colour) {
    constexpr int kFaceInset = 4;  // outer ring, border, two-pixel ring
    RECT box{capture.Width(), capture.Height(), -1, -1};
    for (int y = kFaceInset; y < capture.Height() - kFaceInset; ++y) {
        const Rgb face = capture.At(kFaceInset, y);
        for (int x = kFaceInset + 1; x < capture.Width() - kFaceInset; ++x) {
            const Rgb pixel = capture.At(x, y);
            if (ChannelDistance(pixel, colour) < ChannelDistance(pixel, face)) {
                box = {std::min(box.left, LONG{x}), std::min(box.top, LONG{y}),
                       std::max(box.right, LONG{x}), std::max(box.bottom, LONG{y})};
            }
        }
    }
    return box;
}

// Pixels on the ring's inner top line that show the inverted ring colour.
int FocusDots(const Capture& capture, Rgb ringColour) {
    int dots = 0;
    for (int x = 4; x < capture.Width() - 4; ++x) {
        dots += ChannelDistance(capture.At(x, 3), Inverted(ringColour)) <= 40 ? 1 : 0;
    }
    return dots;
}

// With QUILLORA_STYLE_SHOTS set to a folder, the captures are kept for the documentation.
void KeepForDocs(const Capture& capture, const std::string& name) {
    const char* folder = std::getenv("QUILLORA_STYLE_SHOTS");
    if (folder) {
        const std::string path = std::string(folder) + "\\" + name + ".bmp";
        EXPECT_TRUE(capture.SaveBmp(std::wstring(path.begin(), path.end()).c_str())) << path;
    }
}

template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& test) {
    return test.param.name;
}

class VisualStyleTest : public ::testing::Test {
  protected:
    // The window is built as at the program's start: its created event installs the style.
    void SetUp() override {
        ui_ = OpenCalculatorWindow();
        for (HWND control : {ui_.computeButton, ui_.navigationButton, ui_.firstOperand,
                             ui_.secondOperand, ui_.resultBox, ui_.operationList}) {
            ASSERT_NE(control, nullptr);
        }
        SetForegroundWindow(ui_.window);
        SetMessagePreview(
            [this](const MSG& message) { return HandleWindowKey(ui_.window, message); });
        PumpMessages(100);
        inputArrived_ = MoveMouseAway();
    }

    void TearDown() override {
        SetMessagePreview(nullptr);
        ApplyVisualStyle(0);
        CloseCalculatorWindow(ui_);
        PumpMessages(20);
    }

    // Over the window's own background, away from every control.
    bool MoveMouseAway() {
        POINT point{4, 4};
        ClientToScreen(ui_.window, &point);
        return MoveMouseTo(point);
    }

    CalculatorWindow ui_{};
    bool inputArrived_ = false;
};

// ---- Push buttons ----------------------------------------------------------------------------

struct ButtonLook {
    Rgb border;
    Gradient ring;
    Gradient face;
    Rgb caption;
    bool focusDots;
};

struct ButtonStateCase {
    const char* name;
    // Brings the compute button into the state by real input; false when input did not arrive.
    std::function<bool(VisualStyleTest&, const CalculatorWindow&)> bringAbout;
    std::function<ButtonLook()> look;
};

class ButtonStateTest : public VisualStyleTest,
                        public ::testing::WithParamInterface<ButtonStateCase> {
  protected:
    void TearDown() override {
        ReleaseLeftButton();
        VisualStyleTest::TearDown();
    }
};

const ButtonStateCase kButtonStates[] = {
    {"Normal", [](VisualStyleTest&, const CalculatorWindow&) { return true; },
     [] {
         return ButtonLook{{0, 60, 116},
                           {kWhite, {226, 223, 214}},
                           {{252, 252, 251}, {198, 197, 215}},
                           kBlack,
                           false};
     }},
    {"Hovered",
     [](VisualStyleTest&, const CalculatorWindow& ui) { return MoveMouseOver(ui.computeButton); },
     [] {
         return ButtonLook{{0, 60, 116},
                           {{255, 240, 207}, {229, 151, 0}},
                           {{252, 252, 251}, {198, 197, 215}},
                           kBlack,
                           false};
     }},
    {"Pushed",
     [](VisualStyleTest&, const CalculatorWindow& ui) {
         if (!MoveMouseOver(ui.computeButton)) {
             return false;
         }
         PressLeftButton();
         return PumpUntil([&] { return GetCapture() == ui.computeButton; });
     },
     [] {
         return ButtonLook{{0, 60, 116},
                           {{239, 227, 206}, {239, 227, 206}},
                           {{179, 178, 197}, {252, 252, 251}},
                           kBlack,
                           true};
     }},
    {"FocusedByTab",
     [](VisualStyleTest&, const CalculatorWindow& ui) {
         SetFocus(ui.secondOperand);
         PressKey("Tab");
         return PumpUntil([&] { return GetFocus() == ui.computeButton; });
     },
     [] {
         return ButtonLook{{0, 60, 116},
                           {{206, 231, 255}, {105, 130, 238}},
                           {{252, 252, 251}, {198, 197, 215}},
                           kBlack,
                           true};
     }},
    {"Disabled",
     [](VisualStyleTest&, const CalculatorWindow& ui) {
         EnableWindow(ui.computeButton, FALSE);
         return true;
     },
     [] {
         const Rgb fill{245, 244, 234};
         return ButtonLook{DisabledBorder(), {fill, fill}, {fill, fill}, {165, 162, 148}, false};
     }},
};

std::vector<Probe> ButtonProbes(const Capture& capture, const ButtonLook& look) {
    const int w = capture.Width();
    const int h = capture.Height();
    std::vector<Probe> probes{
        {"outer ring left", 0, h / 2, ButtonFace(), 0},
        {"outer ring top", w / 2, 0, ButtonFace(), 0},
        {"border left", 1, h / 2, look.border, 0},
        {"border right", -2, h / 2, look.border, 0},
        {"border top", w / 2, 1, look.border, 0},
        {"border bottom", w / 2, -2, look.border, 0},
    };
    AddGradientProbes(probes, "ring", w / 2, 2, h - 4, look.ring);
    AddGradientProbes(probes, "face", 5, 4, h - 8, look.face);
    return probes;
}

TEST_P(ButtonStateTest, ComputeButtonShowsItsState) {
    ASSERT_TRUE(inputArrived_) << "the pointer did not reach the window";
    if (!GetParam().bringAbout(*this, ui_)) {
        GTEST_SKIP() << "real input did not arrive";
    }
    const ButtonLook look = GetParam().look();
    const Capture capture =
        ExpectProbes(ui_.computeButton, ButtonProbes(Capture(ui_.computeButton), look));
    const RECT caption = CaptionBox(capture, look.caption);
    EXPECT_GT(caption.right, caption.left) << "no caption in " << Show(look.caption);
    const int dots = FocusDots(capture, look.ring.top);
    if (look.focusDots) {
        EXPECT_GE(dots, (capture.Width() - 8) / 3) << "dotted focus rectangle missing";
    } else {
        EXPECT_EQ(dots, 0) << "unexpected focus rectangle";
    }
    KeepForDocs(capture, std::string("button-") + GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(States, ButtonStateTest, ::testing::ValuesIn(kButtonStates),
                         CaseName<ButtonStateCase>);

TEST_F(VisualStyleTest, CaptionMovesOnePixelRightAndDownWhilePushed) {
    ASSERT_TRUE(inputArrived_);
    if (!MoveMouseOver(ui_.computeButton)) {
        GTEST_SKIP() << "real input did not arrive";
    }
    const Capture hovered =
        ExpectProbes(ui_.computeButton, {{"hovered ring", 36, 2, {255, 240, 207}, kExact}});
    PressLeftButton();
    const Capture pushed =
        ExpectProbes(ui_.computeButton, {{"pushed ring", 36, 2, {239, 227, 206}, kExact}});
    ReleaseLeftButton();
    RECT expected = CaptionBox(hovered, kBlack);
    OffsetRect(&expected, 1, 1);
    const RECT moved = CaptionBox(pushed, kBlack);
    EXPECT_TRUE(moved.left == expected.left && moved.right == expected.right &&
                moved.bottom == expected.bottom)
        << "pushed caption " << Show(moved) << ", expected " << Show(expected);
}

// ---- Edit boxes ------------------------------------------------------------------------------

struct EditCase {
    const char* name;
    HWND CalculatorWindow::*box;
    bool readOnly;
    bool disabled;
    std::function<Rgb()> border;
    std::function<Rgb()> ring;
};

const EditCase kEditCases[] = {
    {"SingleLine", &CalculatorWindow::firstOperand, false, false,
     [] {
         return Rgb{198, 197, 215};
     },
     WindowColour},
    {"MultiLine", &CalculatorWindow::resultBox, false, false,
     [] {
         return Rgb{198, 197, 215};
     },
     WindowColour},
    {"ReadOnly", &CalculatorWindow::secondOperand, true, false,
     [] {
         return Rgb{198, 197, 215};
     },
     ButtonFace},
    {"Disabled", &CalculatorWindow::secondOperand, false, true, DisabledBorder, ButtonFace},
};

class EditFrameTest : public VisualStyleTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditFrameTest, BorderAndInnerRingReplaceTheClientEdge) {
    const EditCase& c = GetParam();
    const HWND box = ui_.*c.box;
    SendMessageW(box, EM_SETREADONLY, c.readOnly, 0);
    EnableWindow(box, !c.disabled);
    const Capture shape(box);
    const int w = shape.Width();
    const int h = shape.Height();
    const Rgb border = c.border();
    const Rgb ring = c.ring();
    const Capture capture = ExpectProbes(box, {
                                                  {"border left", 0, h / 2, border, 0},
                                                  {"border right", -1, h / 2, border, 0},
                                                  {"border top", w / 2, 0, border, 0},
                                                  {"border bottom", w / 2, -1, border, 0},
                                                  {"ring left", 1, h / 2, ring, 0},
                                                  {"ring right", -2, h / 2, ring, 0},
                                                  {"ring top", w / 2, 1, ring, 0},
                                                  {"ring bottom", w / 2, -2, ring, 0},
                                              });
    KeepForDocs(capture, std::string("edit-") + c.name);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EditFrameTest, ::testing::ValuesIn(kEditCases), CaseName<EditCase>);

// ---- Drop-down list --------------------------------------------------------------------------

struct ComboCase {
    const char* name;
    std::function<bool(const CalculatorWindow&)> bringAbout;
    Rgb frameBorder;  // {} for the disabled border
    Rgb arrowBorder;
    Gradient arrowFace;
    Rgb chevron;
};

const ComboCase kComboCases[] = {
    {"Normal",
     [](const CalculatorWindow&) { return true; },
     {198, 197, 215},
     {148, 149, 162},
     {kWhite, {203, 204, 218}},
     kBlack},
    {"Hovered",
     [](const CalculatorWindow& ui) { return MoveMouseOver(ui.operationList); },
     {198, 197, 215},
     {91, 102, 86},
     {kWhite, {207, 209, 227}},
     kBlack},
    {"Disabled",
     [](const CalculatorWindow& ui) {
         EnableWindow(ui.operationList, FALSE);
         return true;
     },
     {},
     {148, 149, 162},
     {kWhite, {203, 204, 218}},
     {206, 203, 198}},
};

class ComboArrowTest : public VisualStyleTest, public ::testing::WithParamInterface<ComboCase> {};

TEST_P(ComboArrowTest, ArrowButtonAndChevronShowTheState) {
    ASSERT_TRUE(inputArrived_);
    const ComboCase& c = GetParam();
    if (!c.bringAbout(ui_)) {
        GTEST_SKIP() << "real input did not arrive";
    }
    const bool enabled = IsWindowEnabled(ui_.operationList) != FALSE;
    const Capture shape(ui_.operationList);
    const int w = shape.Width();
    const int h = shape.Height();
    const int thumb = GetSystemMetrics(SM_CYVTHUMB);
    const int left = w - 2 - thumb;  // the arrow button spans [left, w - 2) x [2, h - 2)
    const int chevronX = left + (thumb - 9) / 2;
    const int chevronY = 2 + (h - 4 - 5) / 2;
    const Rgb faceNearChevron = c.arrowFace.top;
    const int faceTolerance = ChannelDistance(c.arrowFace.top, c.arrowFace.bottom) + kExact;
    std::vector<Probe> probes{
        {"frame border", 0, h / 2, enabled ? c.frameBorder : DisabledBorder(), 0},
        {"frame ring", 1, h / 2, enabled ? WindowColour() : ButtonFace(), 0},
        {"separator", left - 1, h / 2, WindowColour(), 0},
        {"arrow border left", left, h / 2, c.arrowBorder, 0},
        {"arrow border right", -3, h / 2, c.arrowBorder, 0},
        {"arrow border top", left + thumb / 2, 2, c.arrowBorder, 0},
        {"corner top left", left, 2, kWhite, 0},
        {"corner top right", -3, 2, kWhite, 0},
        {"corner bottom left", left, -3, kWhite, 0},
        {"corner bottom right", -3, -3, kWhite, 0},
        {"chevron left stroke", chevronX, chevronY, c.chevron, kExact},
        {"chevron left stroke inner", chevronX + 2, chevronY, c.chevron, kExact},
        {"beside the left stroke", chevronX + 3, chevronY, faceNearChevron, faceTolerance},
        {"chevron right stroke", chevronX + 8, chevronY, c.chevron, kExact},
        {"chevron middle row", chevronX + 4, chevronY + 2, c.chevron, kExact},
        {"chevron tip", chevronX + 4, chevronY + 4, c.chevron, kExact},
        {"below the tip", chevronX + 4, chevronY + 5, faceNearChevron, faceTolerance},
    };
    AddGradientProbes(probes, "arrow face", left + 1, 3, h - 6, c.arrowFace);
    const Capture capture = ExpectProbes(ui_.operationList, probes);
    KeepForDocs(capture, std::string("list-") + c.name);
}

INSTANTIATE_TEST_SUITE_P(States, ComboArrowTest, ::testing::ValuesIn(kComboCases),
                         CaseName<ComboCase>);

// The combo box draws its selection field into the style's paint: the text must survive.
TEST_F(VisualStyleTest, SelectionFieldStillShowsTheChosenItem) {
    SendMessageW(ui_.operationList, CB_SETCURSEL, 0, 0);
    ShowWindow(ui_.operationList, SW_HIDE);  // what the combo box drew at once is gone
    PumpMessages(100);
    ShowWindow(ui_.operationList, SW_SHOWNA);
    const int textRight = Capture(ui_.operationList).Width() - 2 - GetSystemMetrics(SM_CYVTHUMB);
    auto textPixels = [&] {
        const Capture capture(ui_.operationList);
        int dark = 0;
        for (int y = 2; y < capture.Height() - 2; ++y) {
            for (int x = 2; x < textRight - 1; ++x) {
                dark += ChannelDistance(capture.At(x, y), kBlack) <= 100 ? 1 : 0;
            }
        }
        return dark;
    };
    EXPECT_TRUE(PumpUntil([&] { return textPixels() > 10; })) << "no item text in the field";
}

TEST_F(VisualStyleTest, DroppedDownListHasTheEditFrame) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(ui_.operationList, &info));
    SendMessageW(ui_.operationList, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(info.hwndList) != FALSE; }));
    const Capture shape(info.hwndList);
    const int w = shape.Width();
    const int h = shape.Height();
    const Capture capture =
        ExpectProbes(info.hwndList, {
                                        {"border left", 0, h / 2, {198, 197, 215}, 0},
                                        {"border bottom", w / 2, -1, {198, 197, 215}, 0},
                                        {"ring left", 1, h / 2, WindowColour(), 0},
                                        {"ring bottom", w / 2, -2, WindowColour(), 0},
                                    });
    KeepForDocs(capture, "dropped-list");
    SendMessageW(ui_.operationList, CB_SHOWDROPDOWN, FALSE, 0);
}

// ---- Installing and removing -----------------------------------------------------------------

TEST(ApplyVisualStyleTest, ReturnsWhetherAStyleWasInstalledOrRemoved) {
    struct Step {
        std::int32_t style;
        std::int32_t expected;
    };
    const Step steps[] = {
        {0, 0}, {3, 1}, {3, 1}, {1, 1}, {2, 1}, {0, 1}, {0, 0}, {4, 0}, {3, 1}, {-1, 1}, {-1, 0},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(ApplyVisualStyle(step.style), step.expected) << "style " << step.style;
    }
}

// The screen areas whose drawing removal must give back; the labels are never styled.
struct ShownArea {
    const char* name;
    RECT screen;
    bool styled;
};

RECT ScreenRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

std::vector<ShownArea> ShownAreas(const CalculatorWindow& ui) {
    RECT description = ScreenRect(ui.descriptionLabel);
    description.bottom = ScreenRect(ui.navigationButton).top;  // the button lies over it
    return {{"compute button", ScreenRect(ui.computeButton), true},
            {"navigation button", ScreenRect(ui.navigationButton), true},
            {"first operand", ScreenRect(ui.firstOperand), true},
            {"second operand", ScreenRect(ui.secondOperand), true},
            {"result box", ScreenRect(ui.resultBox), true},
            {"operation list", ScreenRect(ui.operationList), true},
            {"symbol label", ScreenRect(ui.symbolLabel), false},
            {"description label", description, false}};
}

std::vector<Capture> CaptureAll(const std::vector<ShownArea>& areas) {
    std::vector<Capture> captures;
    for (const ShownArea& area : areas) {
        captures.emplace_back(area.screen);
    }
    return captures;
}

// Each window looks like its own drawing exactly when it is not styled.
void ExpectStyled(const std::vector<ShownArea>& windows, const std::vector<Capture>& own,
                  bool styleInForce) {
    auto holds = [&](std::size_t i, const Capture& now) {
        return (now == own[i]) == !(styleInForce && windows[i].styled);
    };
    PumpUntil([&] {
        const std::vector<Capture> now = CaptureAll(windows);
        for (std::size_t i = 0; i < windows.size(); ++i) {
            if (!holds(i, now[i])) {
                return false;
            }
        }
        return true;
    });
    const std::vector<Capture> now = CaptureAll(windows);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        EXPECT_TRUE(holds(i, now[i]))
            << windows[i].name << (styleInForce ? " with" : " without") << " the style";
    }
}

TEST_F(VisualStyleTest, RemovingGivesEveryControlItsOwnDrawingBack) {
    SetFocus(ui_.navigationButton);  // no caret blinking in a capture
    const std::vector<ShownArea> windows = ShownAreas(ui_);
    ASSERT_EQ(ApplyVisualStyle(0), 1);
    PumpMessages(300);
    const std::vector<Capture> own = CaptureAll(windows);

    ASSERT_EQ(ApplyVisualStyle(3), 1);
    ExpectStyled(windows, own, true);

    ASSERT_EQ(ApplyVisualStyle(0), 1);
    ExpectStyled(windows, own, false);
    EXPECT_EQ(ApplyVisualStyle(0), 0);

    // The hook is gone: a button created now keeps its own drawing.
    const HWND late = AddControl(ui_, L"BUTTON", BS_PUSHBUTTON, 0, 20, 184);
    PumpMessages(200);
    EXPECT_NE(Capture(late).At(1, 11), (Rgb{0, 60, 116}));
}

TEST_F(VisualStyleTest, ControlCreatedAfterInstallationIsStyledFromTheStart) {
    const HWND button = AddControl(ui_, L"BUTTON", BS_PUSHBUTTON, 0, 20, 184);
    const HWND edit = AddControl(ui_, L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 290, 184);
    ExpectProbes(button, {{"border", 1, 11, {0, 60, 116}, 0}});
    ExpectProbes(edit, {{"border", 0, 11, {198, 197, 215}, 0}, {"ring", 1, 11, WindowColour(), 0}});
}

TEST_F(VisualStyleTest, LabelsAndTheWindowKeepTheirOwnDrawing) {
    POINT client{0, 0};
    ClientToScreen(ui_.window, &client);
    RECT frame;
    GetWindowRect(ui_.window, &frame);
    ExpectProbes(ui_.window, {{"window background", client.x - frame.left + 2,
                               client.y - frame.top + 2, kWhite, 0}});
    KeepForDocs(Capture(ui_.window), "window");
    for (HWND label : {ui_.symbolLabel, ui_.descriptionLabel}) {
        const int h = Capture(label).Height();
        ExpectProbes(label, {{"label edge", 0, h / 2, kWhite, 0}, {"inside", 1, h / 2, kWhite, 0}});
    }
}

// Records how 按钮1 draws itself at the moment MainWindow is about to be shown for the first
// time.
std::optional<Rgb> g_borderAtFirstShow;

LRESULT CALLBACK WatchFirstShow(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    wchar_t className[64] = {};
    GetClassNameW(message->hwnd, className, 64);
    if (code == HC_ACTION && message->message == WM_SHOWWINDOW && message->wParam &&
        !g_borderAtFirstShow && std::wstring(className) == kMainWindowClassName) {
        const ControlRect& place = SpecOf(Control::按钮1).rect;
        const HWND button =
            ChildWindowFromPointEx(message->hwnd, {place.left + 1, place.top + 1}, CWP_ALL);
        const HDC screen = GetDC(nullptr);
        const HDC memory = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, place.width, place.height);
        const HGDIOBJ previous = SelectObject(memory, bitmap);
        SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        const COLORREF border = GetPixel(memory, 1, place.height / 2);
        g_borderAtFirstShow = Rgb{GetRValue(border), GetGValue(border), GetBValue(border)};
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MainWindowStartTest, IsStyledBeforeItIsFirstShown) {
    const HHOOK watch =
        SetWindowsHookExW(WH_CALLWNDPROC, WatchFirstShow, nullptr, GetCurrentThreadId());
    ASSERT_NE(watch, nullptr);
    const CalculatorWindow ui = OpenCalculatorWindow();
    UnhookWindowsHookEx(watch);
    ASSERT_TRUE(g_borderAtFirstShow) << "MainWindow was not shown";
    EXPECT_EQ(*g_borderAtFirstShow, (Rgb{0, 60, 116}));
    ApplyVisualStyle(0);
    CloseCalculatorWindow(ui);
}

// ---- Resources -------------------------------------------------------------------------------

void HoverAndRepaint(const CalculatorWindow& ui, UINT message) {
    SendMessageW(ui.computeButton, message, 0, MAKELPARAM(5, 5));
    SendMessageW(ui.operationList, message, 0, MAKELPARAM(5, 5));
    RedrawWindow(ui.window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

TEST_F(VisualStyleTest, NoGdiOrUserObjectLeaksOverAThousandRepaints) {
    const auto repaint = [&](int i) { HoverAndRepaint(ui_, i % 2 ? WM_MOUSELEAVE : WM_MOUSEMOVE); };
    for (int i = 0; i < 10; ++i) {  // caches fill on the first paints
        repaint(i);
    }
    PumpMessages(50);
    const GuiObjectCounts before = CountGuiObjects();
    for (int i = 0; i < 1000; ++i) {
        repaint(i);
    }
    PumpMessages(50);
    const GuiObjectCounts after = CountGuiObjects();
    EXPECT_EQ(after.gdi, before.gdi) << "GDI objects";
    if (before.user && after.user) {
        EXPECT_EQ(*after.user, *before.user) << "USER objects";
    } else {
        RecordProperty("user_objects", "not counted: GetGuiResources is not implemented here");
    }
    RecordProperty("gdi_objects", std::to_string(after.gdi));
}

}  // namespace
}  // namespace quillora::testing
