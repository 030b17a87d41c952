// The one failure path: an error box, then the end of the process.
#pragma once

#include <cstddef>
#include <string_view>

#include "numeric/text.h"

namespace quillora {

// "运行时出错!\r\n\r\n", then "错误信息：", the message and "\r\n" when the message is not empty.
Text FatalErrorText(std::string_view message);

// Shows FatalErrorText(message) through the installed reporter and ends the process.
[[noreturn]] void ReportFatalError(std::string_view message);

// ReportFatalError with "分配 %d 字节内存失败!" for the given byte count.
[[noreturn]] void ReportFatalErrorOutOfMemory(std::size_t bytes);

// Receives the full error text; must not return (the Windows program shows the box and exits
// with -1, the command-line calculator writes to stderr and exits with 255, tests throw).
using FatalErrorReporter = void (*)(const Text& errorText);

// Installs a reporter and returns the previous one.
FatalErrorReporter SetFatalErrorReporter(FatalErrorReporter reporter);

}  // namespace quillora
