#include "app/main_window_win.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "app/focus_order.h"
#include "app/key_codes.h"
#include "app/label_win.h"
#include "app/operation_table.h"
#include "app/text_win.h"
#include "app/win32_toolkit_win.h"
#include "app/window_keys.h"
#include "numeric/fatal_error.h"
#include "style/visual_style.h"

namespace quillora {
namespace {

constexpr int kWindowWidth = 386;
constexpr int kWindowHeight = 237;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFirstControlId = 100;

// Posted by 选择框 to itself on CBN_SELENDOK: the list-item-selected event runs after the list
// has finished handling the choice.
constexpr UINT kListItemSelectedMessage = WM_APP + 1;
constexpr UINT_PTR kListSubclassId = 1;

// Embedded by the resource script.
constexpr wchar_t kIconResource[] = L"DEFAULT_ICON";

struct MainWindowState {
    ControlWindows controls{};
    Win32Toolkit toolkit{controls};
    HWND rememberedFocus = nullptr;
};

MainWindowState* StateOf(HWND mainWindow) {
    return reinterpret_cast<MainWindowState*>(GetWindowLongPtrW(mainWindow, GWLP_USERDATA));
}

std::optional<Control> ControlOf(const MainWindowState& state, HWND window) {
    const auto found = std::find(state.controls.begin(), state.controls.end(), window);
    if (window == nullptr || found == state.controls.end()) {
        return std::nullopt;
    }
    return ControlAt(static_cast<std::size_t>(found - state.controls.begin()));
}

ControlStates StatesOf(const MainWindowState& state) {
    ControlStates states{};
    for (std::size_t row = 0; row < kControlCount; ++row) {
        states[row] = {IsWindowVisible(state.controls[row]) != FALSE,
                       IsWindowEnabled(state.controls[row]) != FALSE};
    }
    return states;
}

void FocusControl(const MainWindowState& state, std::optional<Control> control) {
    if (control) {
        SetFocus(state.controls[static_cast<std::size_t>(*control)]);
    }
}

// The focus rule: back to the control that had the focus at deactivation, else the default.
void PassFocusOn(MainWindowState& state) {
    const HWND remembered = state.rememberedFocus;
    if (remembered != nullptr && ControlOf(state, remembered) && IsWindowVisible(remembered) &&
        IsWindowEnabled(remembered)) {
        SetFocus(remembered);
        return;
    }
    FocusControl(state, DefaultFocusControl(StatesOf(state)));
}

void RememberFocus(MainWindowState& state) {
    const HWND focus = GetFocus();
    state.rememberedFocus = ControlOf(state, focus) ? focus : nullptr;
}

void RaiseFeedback(HWND label, std::int32_t first, std::int32_t second) {
    MainWindowState* state = StateOf(GetParent(label));
    const std::optional<Control> control = state ? ControlOf(*state, label) : std::nullopt;
    if (control && SpecOf(*control).events.feedback) {
        SpecOf(*control).events.feedback(state->toolkit, first, second);
    }
}

void OnCommand(MainWindowState& state, WORD notification, HWND source) {
    const std::optional<Control> control = ControlOf(state, source);
    if (!control) {
        return;
    }
    const ControlEvents& events = SpecOf(*control).events;
    if (notification == BN_CLICKED && events.clicked) {
        events.clicked(state.toolkit);
    } else if (notification == CBN_SELENDOK && events.listItemSelected) {
        PostMessageW(source, kListItemSelectedMessage, 0, 0);
    }
}

void PaintWhiteBackground(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(window, &paint);
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindowState* state = StateOf(window);
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_NCDESTROY:
            delete state;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        case WM_PAINT:
            PaintWhiteBackground(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the background
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE && state != nullptr) {
                RememberFocus(*state);
            }
            break;
        case WM_SETFOCUS:
            if (state != nullptr) {
                PassFocusOn(*state);
            }
            return 0;
        case WM_COMMAND:
            if (state != nullptr && lParam != 0) {
                OnCommand(*state, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ListSubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR data) {
    if (message == kListItemSelectedMessage) {
        auto* state = reinterpret_cast<MainWindowState*>(data);
        const std::optional<Control> control = ControlOf(*state, window);
        if (control && SpecOf(*control).events.listItemSelected) {
            SpecOf(*control).events.listItemSelected(state->toolkit);
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ListSubclassProcedure, kListSubclassId);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kMainWindowClassName;
    return RegisterClassExW(&windowClass) != 0;
}

HFONT GuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// One line of the GUI font plus the 3-D edges above and below it.
int MinimumSingleLineEditHeight() {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, GuiFont());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
}

struct WindowClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

WindowClassAndStyle ClassAndStyleOf(const ControlSpec& spec) {
    const DWORD common = WS_CHILD | WS_CLIPSIBLINGS | (spec.tabStop ? WS_TABSTOP : 0) |
                         (spec.disabled ? WS_DISABLED : 0);
    switch (spec.kind) {
        case ControlKind::PushButton:
            return {L"BUTTON", common | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
        case ControlKind::Label:
            return {kLabelClassName, common, 0};
        case ControlKind::SingleLineEdit:
            return {L"EDIT", common | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::MultiLineEdit:
            return {L"EDIT", common | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                    WS_EX_CLIENTEDGE};
        case ControlKind::DropDownList:
            return {L"COMBOBOX", common | CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    }
    return {};
}

int CreatedHeight(const ControlSpec& spec) {
    switch (spec.kind) {
        case ControlKind::SingleLineEdit:
            return std::max(spec.rect.height, MinimumSingleLineEditHeight());
        case ControlKind::DropDownList:
            return std::max(spec.rect.height, spec.minimumDroppedHeight);
        default:
            return spec.rect.height;
    }
}

void FillList(HWND list) {
    for (const OperationEntry& entry : OperationTable) {
        const std::wstring text = WideFromGbk(entry.listText);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const LRESULT rowHeight = SendMessageW(list, CB_GETITEMHEIGHT, 0, 0);
    SendMessageW(list, CB_SETITEMHEIGHT, 0, rowHeight + 1);
}

HWND CreateControl(HWND parent, MainWindowState& state, std::size_t row, HINSTANCE instance) {
    const ControlSpec& spec = ControlTable[row];
    const WindowClassAndStyle classAndStyle = ClassAndStyleOf(spec);
    LabelCreateParams labelParams{spec.label, RaiseFeedback};
    const HWND control = CreateWindowExW(
        classAndStyle.extendedStyle, classAndStyle.className, WideFromGbk(spec.text).c_str(),
        classAndStyle.style, spec.rect.left, spec.rect.top, spec.rect.width, CreatedHeight(spec),
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + row)), instance,
        spec.kind == ControlKind::Label ? &labelParams : nullptr);
    if (control == nullptr) {
        return nullptr;
    }
    if (spec.kind != ControlKind::Label) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    }
    switch (spec.kind) {
        case ControlKind::SingleLineEdit:
        case ControlKind::MultiLineEdit:
            SendMessageW(control, EM_SETSEL, 0, 0);
            SendMessageW(control, EM_SCROLLCARET, 0, 0);
            break;
        case ControlKind::DropDownList:
            FillList(control);
            SetWindowSubclass(control, ListSubclassProcedure, kListSubclassId,
                              reinterpret_cast<DWORD_PTR>(&state));
            break;
        default:
            break;
    }
    return control;
}

// Step 1: invisible and centred, 386 x 237 outside, with its icon and font.
HWND CreateFrame(HINSTANCE instance, MainWindowState* state) {
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    const HWND window =
        CreateWindowExW(0, kMainWindowClassName, L"Quillora", kWindowStyle, left, top, kWindowWidth,
                        kWindowHeight, nullptr, nullptr, instance, state);
    if (window == nullptr) {
        return nullptr;
    }
    RECT outer;
    GetWindowRect(window, &outer);
    if (outer.left != left || outer.top != top || outer.right - outer.left != kWindowWidth ||
        outer.bottom - outer.top != kWindowHeight) {
        MoveWindow(window, left, top, kWindowWidth, kWindowHeight, FALSE);
    }
    const auto loadIcon = [instance](int sizeMetric) {
        const int size = GetSystemMetrics(sizeMetric);
        return reinterpret_cast<LPARAM>(
            LoadImageW(instance, kIconResource, IMAGE_ICON, size, size, LR_SHARED));
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, loadIcon(SM_CXICON));
    SendMessageW(window, WM_SETICON, ICON_SMALL, loadIcon(SM_CXSMICON));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    return window;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
    if (!RegisterMainWindowClass(instance) || !RegisterLabelClass(instance)) {
        ReportFatalError("载入窗口模板数据段出错!");
    }
    auto* state = new MainWindowState;
    const HWND window = CreateFrame(instance, state);
    if (window == nullptr) {
        delete state;
        ReportFatalError("载入启动窗口失败");
    }
    // Step 2: created in reverse table order, all invisible.
    for (std::size_t row = kControlCount; row-- > 0;) {
        state->controls[row] = CreateControl(window, *state, row, instance);
        if (state->controls[row] == nullptr) {
            ReportFatalError("载入启动窗口失败");
        }
    }
    // Step 3: stacked in table order, the first row on top.
    HWND above = HWND_TOP;
    for (const HWND control : state->controls) {
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    }
    // Step 4.
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (ControlTable[row].visible) {
            ShowWindow(state->controls[row], SW_SHOWNA);
        }
    }
    // Step 5: the created event.
    MainWindowCreated();
    // Step 6: the focus rule puts the focus into the first control of the Tab cycle.
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

bool HandleWindowKey(HWND mainWindow, const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return false;
    }
    MainWindowState* state = StateOf(mainWindow);
    if (state == nullptr || (message.hwnd != mainWindow && !IsChild(mainWindow, message.hwnd))) {
        return false;
    }
    const std::int32_t keyCode = KeyDownCode(static_cast<std::uint32_t>(message.wParam));
    const std::int32_t modifiers = ModifierMask(
        keyCode, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0);
    const std::optional<Control> target = ControlOf(*state, message.hwnd);
    if (message.message == WM_KEYDOWN) {
        const WindowKeyStep step = DecideWindowKey(keyCode, modifiers);
        switch (step) {
            case WindowKeyStep::MoveFocusNext:
            case WindowKeyStep::MoveFocusPrevious:
                FocusControl(*state,
                             TabCycleNeighbour(StatesOf(*state), ControlOf(*state, GetFocus()),
                                               step == WindowKeyStep::MoveFocusNext));
                return true;
            case WindowKeyStep::Close:
                SendMessageW(mainWindow, WM_CLOSE, 0, 0);
                return true;
            case WindowKeyStep::PassOn:
                break;
        }
    }
    if (target && SpecOf(*target).events.keyDown) {
        SpecOf(*target).events.keyDown(state->toolkit, keyCode, modifiers);
    }
    return false;
}

int RunMessageLoop(HWND mainWindow) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!HandleWindowKey(mainWindow, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace quillora
