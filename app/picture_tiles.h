// Which copies of a tiled picture meet the part of a label that needs painting.
#pragma once

#include <cstdint>
#include <vector>

namespace quillora {

struct PixelRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;  // exclusive
    std::int32_t bottom;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The tiles of tileWidth x tileHeight laid from the top-left corner of a width x height client
// area until it is covered, keeping only those that meet `paint`; in rows from the top.
std::vector<PixelRect> TilesMeeting(std::int32_t width, std::int32_t height, std::int32_t tileWidth,
                                    std::int32_t tileHeight, const PixelRect& paint);

}  // namespace quillora
