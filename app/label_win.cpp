#include "app/label_win.h"

#include <optional>
#include <span>
#include <string>

#include "app/jpeg_picture.h"
#include "app/picture_tiles.h"

namespace quillora {
namespace {

// Embedded by the resource script.
constexpr wchar_t kPictureResource[] = L"DESCRIPTION_PICTURE";

enum class PictureState { NotDecoded, Decoded, Dropped };

struct LabelState {
    LabelLook look;
    FeedbackSink feedback;
    HFONT font;
    bool ownsFont;
    PictureState pictureState;
    std::optional<DecodedPicture> picture;
};

LabelState* StateOf(HWND window) {
    return reinterpret_cast<LabelState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HFONT CreateLabelFont(LabelFont font) {
    if (font == LabelFont::DefaultGui) {
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    return CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH,
                       L"宋体");
}

std::span<const std::uint8_t> EmbeddedPicture() {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC resource = FindResourceW(module, kPictureResource, MAKEINTRESOURCEW(10));
    if (resource == nullptr) {
        return {};
    }
    const HGLOBAL loaded = LoadResource(module, resource);
    if (loaded == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(LockResource(loaded)),
            SizeofResource(module, resource)};
}

// Decoded on the first paint; a picture that cannot be decoded is dropped for good.
const DecodedPicture* PictureOf(LabelState& state) {
    if (state.pictureState == PictureState::NotDecoded) {
        state.picture = DecodeJpeg(EmbeddedPicture());
        state.pictureState = state.picture ? PictureState::Decoded : PictureState::Dropped;
    }
    return state.picture ? &*state.picture : nullptr;
}

void DrawTiles(HDC dc, const RECT& client, const RECT& paint, const DecodedPicture& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    for (const PixelRect& tile :
         TilesMeeting(client.right, client.bottom, picture.width, picture.height,
                      {paint.left, paint.top, paint.right, paint.bottom})) {
        StretchDIBits(dc, tile.left, tile.top, picture.width, picture.height, 0, 0, picture.width,
                      picture.height, picture.bgrx.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
}

HBRUSH BackgroundBrush(LabelBackground background) {
    return background == LabelBackground::White ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))
                                                : GetSysColorBrush(COLOR_BTNFACE);
}

void DrawCaption(HWND window, HDC dc, const RECT& client, const LabelState& state) {
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextW(window, caption.data(), static_cast<int>(caption.size()))));
    if (caption.empty()) {
        return;
    }
    const UINT layout = state.look.textLayout == LabelTextLayout::SingleLineCentred
                            ? DT_SINGLELINE | DT_VCENTER
                            : DT_WORDBREAK;
    const HGDIOBJ previousFont = SelectObject(dc, state.font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    RECT area = client;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_LEFT | DT_NOCLIP | layout);
    SelectObject(dc, previousFont);
}

// BeginPaint clips the drawing to the part that needs painting.
void Paint(HWND window, LabelState& state) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const DecodedPicture* picture = state.look.tiledPicture ? PictureOf(state) : nullptr;
    if (picture != nullptr) {
        DrawTiles(dc, client, paint.rcPaint, *picture);
    } else {
        FillRect(dc, &paint.rcPaint, BackgroundBrush(state.look.background));
    }
    DrawCaption(window, dc, client, state);
    EndPaint(window, &paint);
}

LRESULT CALLBACK LabelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            const auto* params = static_cast<const LabelCreateParams*>(create->lpCreateParams);
            const LabelLook look = params->look;
            auto* state = new LabelState{look,
                                         params->feedback,
                                         CreateLabelFont(look.font),
                                         look.font != LabelFont::DefaultGui,
                                         PictureState::NotDecoded,
                                         std::nullopt};
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
            break;
        }
        case WM_NCDESTROY: {
            LabelState* state = StateOf(window);
            if (state != nullptr && state->ownsFont) {
                DeleteObject(state->font);
            }
            delete state;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        }
        case WM_PAINT:
            Paint(window, *StateOf(window));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painting covers the whole area
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            InvalidateRect(window, nullptr, FALSE);
            return result;
        }
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(StateOf(window)->font);
        case kFeedbackMessage:
            // The handlers give back no result, so the message returns 0.
            StateOf(window)->feedback(window, static_cast<std::int32_t>(wParam),
                                      static_cast<std::int32_t>(lParam));
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = LabelProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kLabelClassName;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace quillora
