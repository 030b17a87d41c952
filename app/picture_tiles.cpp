#include "app/picture_tiles.h"

#include <algorithm>

namespace quillora {

std::vector<PixelRect> TilesMeeting(std::int32_t width, std::int32_t height, std::int32_t tileWidth,
                                    std::int32_t tileHeight, const PixelRect& paint) {
    std::vector<PixelRect> tiles;
    if (tileWidth <= 0 || tileHeight <= 0) {
        return tiles;
    }
    const std::int32_t left = std::max(paint.left, 0);
    const std::int32_t top = std::max(paint.top, 0);
    const std::int32_t right = std::min(paint.right, width);
    const std::int32_t bottom = std::min(paint.bottom, height);
    if (left >= right || top >= bottom) {
        return tiles;
    }
    for (std::int32_t y = top / tileHeight * tileHeight; y < bottom; y += tileHeight) {
        for (std::int32_t x = left / tileWidth * tileWidth; x < right; x += tileWidth) {
            tiles.push_back({x, y, x + tileWidth, y + tileHeight});
        }
    }
    return tiles;
}

}  // namespace quillora
