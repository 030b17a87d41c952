#include "numeric/text.h"

namespace quillora {

float TextToSingle(std::string_view text) {
    // The second rounding, double to single, is the hardware's: nearest, ties to even, with
    // IEEE overflow and subnormals.
    return static_cast<float>(ScanDecimal(FoldFullWidth(text)));
}

}  // namespace quillora
