#include "tests/support/xdotool_win.h"

#include <windows.h>

namespace quillora::testing {

void RunXdotool(const std::wstring& arguments) {
    constexpr DWORD kLongestWaitMs = 10000;
    std::wstring commandLine = L"Z:\\usr\\bin\\xdotool " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, kLongestWaitMs);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace quillora::testing
