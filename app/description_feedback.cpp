#include "app/handlers.h"

namespace quillora {

// Nothing sends the message; it is answered with 0.
void DescriptionFeedback(WindowToolkit& /*toolkit*/, std::int32_t /*first*/,
                         std::int32_t /*second*/) {}

}  // namespace quillora
