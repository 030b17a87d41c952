#include "app/error_box_win.h"

#include <windows.h>

#include "app/text_win.h"

namespace quillora {

void ShowErrorBox(std::string_view text) {
    MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk("错误").c_str(),
                MB_OK | MB_ICONERROR);
}

void ShowErrorBoxAndExit(const Text& errorText) {
    ShowErrorBox(errorText);
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace quillora
