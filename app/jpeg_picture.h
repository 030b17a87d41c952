// A JPEG decoded into 32-bit pixels, ready for a top-down device-independent bitmap.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quillora {

struct DecodedPicture {
    std::int32_t width;
    std::int32_t height;
    std::vector<std::uint8_t> bgrx;  // rows from the top, 4 bytes a pixel: blue, green, red, 0
};

// nullopt when the bytes are not a JPEG that libjpeg can decode.
std::optional<DecodedPicture> DecodeJpeg(std::span<const std::uint8_t> bytes);

}  // namespace quillora
