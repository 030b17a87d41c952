#include "app/operation_table.h"

namespace quillora {

std::int32_t FindOperation(std::string_view listText) {
    for (std::size_t index = 0; index < OperationTable.size(); ++index) {
        if (OperationTable[index].listText == listText) {
            return static_cast<std::int32_t>(index);
        }
    }
    return -1;
}

}  // namespace quillora
