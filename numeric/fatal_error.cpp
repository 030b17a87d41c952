#include "numeric/fatal_error.h"

#include <cstdio>
#include <cstdlib>

namespace quillora {
namespace {

constexpr std::string_view kHeading = "运行时出错!\r\n\r\n";
constexpr std::string_view kMessageLabel = "错误信息：";
constexpr std::string_view kLineEnd = "\r\n";

[[noreturn]] void AbortReporter(const Text& errorText) {
    std::fwrite(errorText.data(), 1, errorText.size(), stderr);
    std::abort();
}

FatalErrorReporter installedReporter = AbortReporter;

}  // namespace

Text FatalErrorText(std::string_view message) {
    // Built without NewText: running out of memory here must not recurse.
    Text text(kHeading);
    if (TextLength(message) != 0) {
        text.append(kMessageLabel);
        text.append(message.substr(0, TextLength(message)));
        text.append(kLineEnd);
    }
    return text;
}

void ReportFatalError(std::string_view message) {
    installedReporter(FatalErrorText(message));
    std::abort();  // a reporter that returns breaks its contract
}

void ReportFatalErrorOutOfMemory(std::size_t bytes) {
    char message[64];
    std::snprintf(message, sizeof message, "分配 %zu 字节内存失败!", bytes);
    ReportFatalError(message);
}

FatalErrorReporter SetFatalErrorReporter(FatalErrorReporter reporter) {
    FatalErrorReporter previous = installedReporter;
    installedReporter = reporter;
    return previous;
}

}  // namespace quillora
