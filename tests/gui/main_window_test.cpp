// The real program under Wine: what the user sees and what keys, clicks and messages do.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "program_under_test.h"

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right - r.left << " x "
               << r.bottom - r.top << "}";
}

namespace quillora::gui_testing {
namespace {

constexpr int kWindowWidth = 386;
constexpr int kWindowHeight = 237;
constexpr UINT kFeedbackMessage = 0x8075;

const std::wstring kDescription =
    L"Quillora是一款综合所有的的算法计算器,它支持目前所有行业的算法计算,简单的操作界面,"
    L"剔除无用的繁琐杂项,如果你对该计算器有什么好的意见和建议,请您点下边网站进行反映,谢谢!";

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(program.started()) << "no main window appeared"; }

    ProgramUnderTest program;
};

RECT Rect(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out;
}

// One line of the GUI font plus the 3-D edges: the least height of a single-line edit box.
int SingleLineEditHeight(int stored) {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return std::max(stored, static_cast<int>(metrics.tmHeight) + 2 * GetSystemMetrics(SM_CYEDGE));
}

TEST_F(MainWindowTest, OpensCentredWithAFixedSingleFrame) {
    EXPECT_EQ(WindowText(program.mainWindow()), L"Quillora");
    RECT outer;
    GetWindowRect(program.mainWindow(), &outer);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    EXPECT_EQ(outer, Rect(left, top, kWindowWidth, kWindowHeight));

    const auto style = static_cast<DWORD>(GetWindowLongPtrW(program.mainWindow(), GWL_STYLE));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    // No edge or corner of the frame offers sizing.
    for (const POINT point : {POINT{outer.left, (outer.top + outer.bottom) / 2},
                              POINT{outer.right - 1, outer.bottom - 1},
                              POINT{(outer.left + outer.right) / 2, outer.bottom - 1}}) {
        const LRESULT hit =
            SendMessageW(program.mainWindow(), WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
        EXPECT_TRUE(hit < HTSIZEFIRST || hit > HTSIZELAST) << hit;
    }
}

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return static_cast<const wchar_t*>(value);
}

// The icon resource is checked by loading it; WM_GETICON does not cross processes in Wine.
TEST_F(MainWindowTest, CarriesItsIconAndVersion) {
    const std::wstring path = ProgramPath();
    std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(Narrow(VersionString(info, L"FileDescription")), Narrow(L"计算器"));

    const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HANDLE icon = LoadImageW(module, L"DEFAULT_ICON", IMAGE_ICON, 32, 32, 0);
    ICONINFO iconInfo{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &iconInfo));
    BITMAP colour{};
    GetObjectW(iconInfo.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(iconInfo.hbmColor);
    DeleteObject(iconInfo.hbmMask);
    DestroyIcon(static_cast<HICON>(icon));
    FreeLibrary(module);
}

struct ExpectedControl {
    const wchar_t* className;
    RECT rect;
    std::wstring text;
};

TEST_F(MainWindowTest, HoldsTheEightControlsInStackingOrderWithTheirTextsAtStart) {
    const std::vector<ExpectedControl> expected = {
        {L"Button", Rect(144, 184, 88, 24), L"Varnel上网导航"},
        {L"QuilloraLabel", Rect(18, 136, 344, 80), kDescription},
        {L"QuilloraLabel", Rect(187, 32, 24, 16), L""},
        {L"Edit", Rect(8, 83, 360, 45), L""},
        {L"ComboBox", {}, L""},  // its height follows its font; checked below
        {L"Button", Rect(288, 49, 72, 18), L"运算"},
        {L"Edit", Rect(216, 16, 128, SingleLineEditHeight(15)), L""},
        {L"Edit", Rect(32, 16, 142, SingleLineEditHeight(15)), L""},
    };
    ASSERT_EQ(program.children().size(), expected.size());
    for (std::size_t row = 0; row < expected.size(); ++row) {
        const HWND control = program.children()[row];
        SCOPED_TRACE("row " + std::to_string(row));
        EXPECT_EQ(ClassName(control), expected[row].className);
        if (row != static_cast<std::size_t>(Row::选择框)) {
            EXPECT_EQ(ClientRectInParent(control), expected[row].rect);
        }
        EXPECT_EQ(Narrow(WindowText(control)), Narrow(expected[row].text));
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_TRUE(IsWindowEnabled(control));
    }

    const HWND list = program.control(Row::选择框);
    const RECT field = ClientRectInParent(list);
    EXPECT_EQ(field.left, 112);
    EXPECT_EQ(field.top, 48);
    EXPECT_EQ(field.right - field.left, 144);
    // Dropped down, the list reaches to 160 pixels below the top of the field, less what is
    // left over when the window system fits it to whole rows; the 24 items do not fit.
    SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    RECT dropped{};
    const HWND popup = program.findOtherWindow(L"ComboLBox", nullptr);
    GetWindowRect(popup, &dropped);
    const auto row = static_cast<int>(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
    const bool scrolls = GetWindowLongPtrW(popup, GWL_STYLE) & WS_VSCROLL;
    SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
    RECT fieldOnScreen;
    GetWindowRect(list, &fieldOnScreen);
    EXPECT_LE(dropped.bottom - fieldOnScreen.top, 160);
    EXPECT_GT(dropped.bottom - fieldOnScreen.top, 160 - row);
    EXPECT_TRUE(scrolls);
}

TEST_F(MainWindowTest, ListsTheOperationsInOrderWithNoneSelected) {
    const std::vector<std::wstring> expected = {
        L"相乘",     L"相除",       L"整除",     L"求余数",       L"相加",         L"相减",
        L"负",       L"取符号",     L"取绝对值", L"取整",         L"绝对取整",     L"四舍五入",
        L"求次方",   L"求平方",     L"求平方根", L"求正弦",       L"求余弦",       L"求正切",
        L"求反正切", L"求自然对数", L"求反对数", L"是否运算正确", L"置随机数种子", L"取随机数"};
    const HWND list = program.control(Row::选择框);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
    for (std::size_t index = 0; index < expected.size(); ++index) {
        wchar_t item[64] = {};
        SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item));
        EXPECT_EQ(Narrow(item), Narrow(expected[index])) << index;
    }
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(program.focusedRow(), Row::编辑框1);
}

// The picture tiled over 标签2 is white; without it the label would show the button face.
TEST_F(MainWindowTest, DescriptionShowsTheWhitePicture) {
    RECT label;
    GetWindowRect(program.control(Row::标签2), &label);
    RECT button;
    GetWindowRect(program.control(Row::按钮2), &button);
    const HDC screen = GetDC(nullptr);
    int notWhite = 0;
    // Below the three lines of text, beside 按钮2, above the bottom of the client area.
    for (int y = label.top + 44; y < label.top + 64; y += 2) {
        for (int x = label.left; x < label.right; x += 2) {
            if (x < button.left || x >= button.right) {
                notWhite += GetPixel(screen, x, y) != RGB(255, 255, 255);
            }
        }
    }
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(notWhite, 0);
}

TEST_F(MainWindowTest, FeedbackMessageGivesZeroAndChangesNothing) {
    EXPECT_EQ(SendMessageW(program.control(Row::标签2), kFeedbackMessage, 7, 9), 0);
    EXPECT_EQ(Narrow(program.text(Row::标签2)), Narrow(kDescription));
    EXPECT_TRUE(program.running());
}

std::vector<std::optional<Row>> FocusAfterEachPress(const ProgramUnderTest& program,
                                                    const wchar_t* key, int presses) {
    std::vector<std::optional<Row>> visited;
    for (int press = 0; press < presses; ++press) {
        const std::optional<Row> before = program.focusedRow();
        XdoTool(std::wstring(L"key ") + key);
        WaitUntil([&] { return program.focusedRow() != before; }, 2000);
        visited.push_back(program.focusedRow());
    }
    return visited;
}

TEST_F(MainWindowTest, TabVisitsTheCycleAndWraps) {
    EXPECT_EQ(FocusAfterEachPress(program, L"Tab", 5),
              (std::vector<std::optional<Row>>{Row::编辑框2, Row::按钮1, Row::编辑框3, Row::按钮2,
                                               Row::编辑框1}));
}

TEST_F(MainWindowTest, ShiftTabVisitsTheCycleBackwards) {
    EXPECT_EQ(FocusAfterEachPress(program, L"shift+Tab", 5),
              (std::vector<std::optional<Row>>{Row::按钮2, Row::编辑框3, Row::按钮1, Row::编辑框2,
                                               Row::编辑框1}));
}

// Enter in an operand box computes (either Enter key); in 编辑框3 it is a line break.
TEST_F(MainWindowTest, EnterComputesFromTheOperandBoxesOnly) {
    program.choose(0);
    program.setText(Row::编辑框1, L"3");
    program.setText(Row::编辑框2, L"4");
    const std::wstring product = L"相乘的结果:12";
    const auto result = [&] { return program.text(Row::编辑框3); };

    XdoTool(L"key Return");
    EXPECT_TRUE(WaitUntil([&] { return result() == product; })) << Narrow(result());

    program.setText(Row::编辑框3, L"");
    XdoTool(L"key Tab");
    ASSERT_EQ(program.focusedRow(), Row::编辑框2);
    XdoTool(L"key KP_Enter");
    EXPECT_TRUE(WaitUntil([&] { return result() == product; })) << Narrow(result());

    // On 按钮1 Enter does nothing (neither button is a default button) and Space clicks it.
    program.setText(Row::编辑框3, L"");
    XdoTool(L"key Tab");
    ASSERT_EQ(program.focusedRow(), Row::按钮1);
    XdoTool(L"key Return");
    EXPECT_FALSE(WaitUntil([&] { return !result().empty(); }, 500)) << Narrow(result());
    XdoTool(L"key space");
    EXPECT_TRUE(WaitUntil([&] { return result() == product; })) << Narrow(result());

    program.setText(Row::编辑框3, L"");
    XdoTool(L"key Tab");
    ASSERT_EQ(program.focusedRow(), Row::编辑框3);
    XdoTool(L"key Return");
    EXPECT_TRUE(WaitUntil([&] { return result() == L"\r\n"; })) << Narrow(result());
}

// The whole road of one calculation with the mouse and the keyboard only.
TEST_F(MainWindowTest, ThreeTimesFourTypedByTheUser) {
    const auto clickAt = [](HWND control, int x, int y) {
        RECT rect;
        GetWindowRect(control, &rect);
        XdoTool(L"mousemove " + std::to_wstring(rect.left + x) + L" " +
                std::to_wstring(rect.top + y) + L" click 1");
    };
    clickAt(program.control(Row::选择框), 40, 8);  // drops the list down
    XdoTool(L"key Down Return");
    ASSERT_TRUE(WaitUntil([&] { return program.text(Row::标签1) == L"×"; }));
    clickAt(program.control(Row::编辑框1), 20, 6);
    XdoTool(L"type 3");
    XdoTool(L"key Tab");
    XdoTool(L"type 4");
    XdoTool(L"key Return");
    EXPECT_TRUE(WaitUntil([&] { return program.text(Row::编辑框3) == L"相乘的结果:12"; }))
        << Narrow(program.text(Row::编辑框3));
    EXPECT_EQ(program.text(Row::编辑框1), L"3");
    EXPECT_EQ(program.text(Row::编辑框2), L"4");
}

// What choosing an operation leaves in the input row.
struct InputRow {
    std::wstring symbol;
    int firstLeft;
    bool secondShown;
    bool symbolShown;

    friend bool operator==(const InputRow&, const InputRow&) = default;
};

void PrintTo(const InputRow& row, std::ostream* out) {
    *out << "{" << Narrow(row.symbol) << ", " << row.firstLeft << ", " << row.secondShown << ", "
         << row.symbolShown << "}";
}

InputRow InputRowOf(const ProgramUnderTest& program) {
    return {program.text(Row::标签1), ClientRectInParent(program.control(Row::编辑框1)).left,
            IsWindowVisible(program.control(Row::编辑框2)) != FALSE,
            IsWindowVisible(program.control(Row::标签1)) != FALSE};
}

InputRow ChooseAndWait(const ProgramUnderTest& program, int index, const InputRow& expected) {
    program.choose(index);
    WaitUntil([&] { return InputRowOf(program) == expected; }, 2000);
    return InputRowOf(program);
}

TEST_F(MainWindowTest, ChoosingAnOperationRearrangesTheInputRow) {
    const auto twoOperands = [](const wchar_t* symbol) { return InputRow{symbol, 30, true, true}; };
    const InputRow oneOperand{L"×", 120, false, false};
    const std::vector<InputRow> afterMultiply = {
        twoOperands(L"×"),
        twoOperands(L"/"),
        twoOperands(L"＼"),
        twoOperands(L"％"),
        twoOperands(L"＋"),
        twoOperands(L"-"),
        {L"×", 30, true, false},  // 负 hides only the symbol
        oneOperand,
        oneOperand,
        oneOperand,
        oneOperand,  // 绝对取整 takes one operand
        oneOperand,
        twoOperands(L"^"),  // 求次方 shows the box of its exponent
        oneOperand,
        oneOperand,
        oneOperand,
        oneOperand,
        oneOperand,
        oneOperand,
        oneOperand,
        oneOperand,
        oneOperand,
        oneOperand,
        oneOperand};
    program.setText(Row::编辑框1, L"1.5");
    program.setText(Row::编辑框2, L"2.5");
    program.setText(Row::编辑框3, L"kept");

    // Chosen first, 负 leaves the initial layout and hides the symbol.
    EXPECT_EQ(ChooseAndWait(program, 6, {L"", 32, true, false}), (InputRow{L"", 32, true, false}));
    for (int index = 0; index < 24; ++index) {
        SCOPED_TRACE("index " + std::to_string(index));
        ASSERT_EQ(ChooseAndWait(program, 0, twoOperands(L"×")), twoOperands(L"×"));
        EXPECT_EQ(ChooseAndWait(program, index, afterMultiply[index]), afterMultiply[index]);
    }
    // After a one-operand operation 负 keeps the second box hidden.
    ChooseAndWait(program, 7, oneOperand);
    EXPECT_EQ(ChooseAndWait(program, 6, oneOperand), oneOperand);

    EXPECT_EQ(program.text(Row::编辑框1), L"1.5");
    EXPECT_EQ(program.text(Row::编辑框2), L"2.5");
    EXPECT_EQ(program.text(Row::编辑框3), L"kept");
}

// A rejected divisor shows the error box; once it is dismissed the program goes on.
TEST_F(MainWindowTest, ZeroDivisorShowsTheErrorBoxAndTheProgramGoesOn) {
    const struct {
        int index;
        std::wstring message;
    } cases[] = {{2, L"不能整除于零"}, {3, L"不能求余数于零"}};
    program.setText(Row::编辑框1, L"7");
    program.setText(Row::编辑框2, L"0");
    for (const auto& c : cases) {
        SCOPED_TRACE("index " + std::to_string(c.index));
        program.choose(c.index);
        program.setText(Row::编辑框3, L"before");
        XdoTool(L"key Return");
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (box = program.findOtherWindow(L"#32770", L"错误")); }));
        EXPECT_EQ(Narrow(WindowText(GetDlgItem(box, 0xFFFF))),
                  Narrow(L"运行时出错!\r\n\r\n错误信息：" + c.message + L"\r\n"));
        EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
        EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
        EXPECT_EQ(program.text(Row::编辑框3), L"before");

        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
        EXPECT_FALSE(program.waitForExit(300));
        EXPECT_TRUE(IsWindow(program.mainWindow()));
        EXPECT_EQ(program.text(Row::编辑框3), L"before");
    }
}

std::wstring OpenedAddressFile() {
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    return std::wstring(directory) + L"quillora-opened-address.txt";
}

// The shell's http handler in this prefix, replaced by this driver's recording mode for the
// life of the object.
class RecordingWebHandler {
  public:
    RecordingWebHandler() {
        DeleteFileW(OpenedAddressFile().c_str());
        RegCreateKeyExW(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", 0, nullptr, 0,
                        KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
        wchar_t previous[1024] = {};
        DWORD size = sizeof previous;
        if (RegQueryValueExW(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous),
                             &size) == ERROR_SUCCESS) {
            previous_ = previous;
        }
        wchar_t driver[MAX_PATH];
        GetModuleFileNameW(nullptr, driver, MAX_PATH);
        Store(L"\"" + std::wstring(driver) + L"\" --record-open \"%1\"");
    }
    ~RecordingWebHandler() {
        if (previous_) {
            Store(*previous_);
        } else {
            RegDeleteValueW(key_, nullptr);
        }
        RegCloseKey(key_);
    }
    RecordingWebHandler(const RecordingWebHandler&) = delete;
    RecordingWebHandler& operator=(const RecordingWebHandler&) = delete;

  private:
    void Store(const std::wstring& command) const {
        RegSetValueExW(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }

    HKEY key_ = nullptr;
    std::optional<std::wstring> previous_;
};

std::string OpenedAddress() {
    std::string address;
    if (FILE* file = _wfopen(OpenedAddressFile().c_str(), L"rb")) {
        char buffer[256] = {};
        address.assign(buffer, std::fread(buffer, 1, sizeof buffer - 1, file));
        std::fclose(file);
    }
    while (!address.empty() && (address.back() == '\n' || address.back() == '\r')) {
        address.pop_back();
    }
    return address;
}

TEST_F(MainWindowTest, NavigationButtonAsksTheShellToOpenTheSite) {
    RecordingWebHandler handler;
    PostMessageW(program.control(Row::按钮2), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([] { return !OpenedAddress().empty(); }, 10000));
    EXPECT_EQ(OpenedAddress(), "http://www.example.com");
    EXPECT_TRUE(program.running());
}

// Ways to close the window, each ending the process with code 0.
struct CloseCase {
    const char* name;
    const wchar_t* keysBefore;  // where the focus is moved first
    const wchar_t* input;
};

class ClosingTest : public MainWindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingTest, EndsTheProcessWithCodeZero) {
    const CloseCase& c = GetParam();
    if (*c.keysBefore != L'\0') {
        XdoTool(c.keysBefore);
    }
    if (*c.input != L'\0') {
        XdoTool(c.input);
    } else {
        // The close box: the point of the caption that answers HTCLOSE.
        RECT outer;
        GetWindowRect(program.mainWindow(), &outer);
        const int y = outer.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYSIZE) / 2;
        for (int x = outer.right - 1; x > outer.left; --x) {
            if (SendMessageW(program.mainWindow(), WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                XdoTool(L"mousemove " + std::to_wstring(x - 3) + L" " + std::to_wstring(y) +
                        L" click 1");
                break;
            }
        }
    }
    EXPECT_EQ(program.waitForExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTest,
    ::testing::Values(CloseCase{"EscInTheFirstOperand", L"", L"key Escape"},
                      CloseCase{"EscInTheResultBox", L"key Tab Tab Tab", L"key Escape"},
                      CloseCase{"AltF4", L"", L"key alt+F4"}, CloseCase{"CloseBox", L"", L""}),
    [](const ::testing::TestParamInfo<CloseCase>& p) { return std::string(p.param.name); });

TEST_F(MainWindowTest, ShiftEscDoesNotClose) {
    XdoTool(L"key shift+Escape");
    EXPECT_FALSE(program.waitForExit(500));
}

}  // namespace
}  // namespace quillora::gui_testing

// Started by the shell as the recording http handler: writes the address it was given.
int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--record-open") {
        if (FILE* file = _wfopen(quillora::gui_testing::OpenedAddressFile().c_str(), L"wb")) {
            std::fputs(argv[2], file);
            std::fclose(file);
        }
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
