#include "app/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace quillora {
namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void SilenceMessages(j_common_ptr) {}

// Kept free of objects with destructors: an error leaves it through longjmp.
bool DecodeInto(std::span<const std::uint8_t> bytes, DecodedPicture& picture,
                std::vector<std::uint8_t>& row) {
    jpeg_decompress_struct info{};
    ErrorJump error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpOnError;
    error.manager.output_message = SilenceMessages;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    picture.width = static_cast<std::int32_t>(info.output_width);
    picture.height = static_cast<std::int32_t>(info.output_height);
    picture.bgrx.resize(static_cast<std::size_t>(info.output_width) * info.output_height * 4);
    row.resize(static_cast<std::size_t>(info.output_width) * 3);
    std::uint8_t* out = picture.bgrx.data();
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (std::size_t x = 0; x < info.output_width; ++x) {
            *out++ = row[3 * x + 2];
            *out++ = row[3 * x + 1];
            *out++ = row[3 * x];
            *out++ = 0;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

std::optional<DecodedPicture> DecodeJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return std::nullopt;
    }
    DecodedPicture picture{};
    std::vector<std::uint8_t> row;
    if (!DecodeInto(bytes, picture, row)) {
        return std::nullopt;
    }
    return picture;
}

}  // namespace quillora
