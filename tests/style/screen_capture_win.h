// Reading back what a window shows on the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "style/look.h"

namespace quillora::testing {

// The pixels of a window's outer rectangle as they are on the screen.
class Capture {
  public:
    explicit Capture(HWND window);
    // The pixels of a rectangle of the screen.
    explicit Capture(const RECT& screen);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Negative coordinates count from the right or bottom edge (-1 is the last column or row).
    style::Rgb At(int x, int y) const;

    // Writes the pixels as a 24-bit BMP file.
    bool SaveBmp(const wchar_t* path) const;

    friend bool operator==(const Capture&, const Capture&) = default;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

// Colours as the screen holds them.
style::Rgb SystemColour(int index);

int ChannelDistance(style::Rgb a, style::Rgb b);

}  // namespace quillora::testing
