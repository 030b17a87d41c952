#include "numeric/arithmetic.h"
#include "numeric/x87.h"

namespace quillora {

void ResetFloatingPointUnit() {
    x87::Initialize();
    // Doubles outside long double arithmetic go through SSE: keep it rounding to nearest too.
    x87::ResetSseControl();
}

}  // namespace quillora
