// quillora-calc: presses of "运算" from the command line or from a session on standard input.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quillora {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitDivisorRejected = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFatal = 255;

// `arguments` excludes the program name; texts are UTF-8 unless --gbk is given.
int RunCalculatorCommand(const std::vector<std::string>& arguments, std::istream& in,
                         std::ostream& out, std::ostream& err);

// Fatal-error reporter of the command: the text on stderr in UTF-8, then exit status 255.
[[noreturn]] void ReportFatalErrorToStderr(const std::string& errorText);

}  // namespace quillora
