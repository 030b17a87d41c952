// quillora-calc on Windows: the arguments come as UTF-16 and are handed on as UTF-8;
// the standard streams carry bytes untranslated.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>

#include "app/calculator_command.h"
#include "app/text_win.h"
#include "numeric/arithmetic.h"
#include "numeric/fatal_error.h"

namespace {

std::vector<std::string> Utf8Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(quillora::CodePageFromWide(wide[i], CP_UTF8));
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace

int main() {
    quillora::ResetFloatingPointUnit();
    quillora::SetFatalErrorReporter(quillora::ReportFatalErrorToStderr);
    for (FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    SetConsoleOutputCP(CP_UTF8);
    return quillora::RunCalculatorCommand(Utf8Arguments(), std::cin, std::cout, std::cerr);
}
