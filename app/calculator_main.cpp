// quillora-calc on Linux: arguments and streams are UTF-8 bytes as they come.
#include <iostream>

#include "app/calculator_command.h"
#include "numeric/arithmetic.h"
#include "numeric/fatal_error.h"

int main(int argc, char** argv) {
    quillora::ResetFloatingPointUnit();
    quillora::SetFatalErrorReporter(quillora::ReportFatalErrorToStderr);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return quillora::RunCalculatorCommand(arguments, std::cin, std::cout, std::cerr);
}
