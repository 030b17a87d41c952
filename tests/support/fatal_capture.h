// Turns a fatal error into an exception, so a test can check the text and go on.
#pragma once

#include <stdexcept>

#include "numeric/fatal_error.h"

namespace quillora::testing {

struct FatalErrorRaised {
    Text text;
};

[[noreturn]] inline void ThrowingReporter(const Text& errorText) {
    throw FatalErrorRaised{errorText};
}

// Installs the throwing reporter for the life of the object.
class CaptureFatalErrors {
public:
    CaptureFatalErrors() : previous_(SetFatalErrorReporter(ThrowingReporter)) {}
    ~CaptureFatalErrors() { SetFatalErrorReporter(previous_); }
    CaptureFatalErrors(const CaptureFatalErrors&) = delete;
    CaptureFatalErrors& operator=(const CaptureFatalErrors&) = delete;

private:
    FatalErrorReporter previous_;
};

}  // namespace quillora::testing
