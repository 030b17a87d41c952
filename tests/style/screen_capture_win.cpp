#include "tests/style/screen_capture_win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace quillora::testing {

// A screen BitBlt rather than PrintWindow, which leaves out child windows under Wine.
Capture::Capture(HWND window)
    : Capture([window] {
          RECT rect;
          GetWindowRect(window, &rect);
          return rect;
      }()) {}

Capture::Capture(const RECT& rect) {
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(first, first + static_cast<std::size_t>(width_) * height_);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
}

style::Rgb Capture::At(int x, int y) const {
    if (x < 0) {
        x += width_;
    }
    if (y < 0) {
        y += height_;
    }
    const std::uint32_t pixel =
        pixels_.at(static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(x));
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
}

bool Capture::SaveBmp(const wchar_t* path) const {
    const int rowBytes = (width_ * 3 + 3) & ~3;
    const auto imageBytes = static_cast<DWORD>(rowBytes * height_);
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    file.bfSize = file.bfOffBits + imageBytes;
    BITMAPINFOHEADER header{sizeof header, width_, height_, 1, 24, BI_RGB, imageBytes, 0, 0, 0, 0};
    std::vector<std::uint8_t> image(imageBytes);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* row = &image[static_cast<std::size_t>(height_ - 1 - y) * rowBytes];
        for (int x = 0; x < width_; ++x) {
            const style::Rgb c = At(x, y);
            row[x * 3] = c.blue;
            row[x * 3 + 1] = c.green;
            row[x * 3 + 2] = c.red;
        }
    }
    FILE* out = _wfopen(path, L"wb");
    if (!out) {
        return false;
    }
    const bool written = fwrite(&file, sizeof file, 1, out) == 1 &&
                         fwrite(&header, sizeof header, 1, out) == 1 &&
                         fwrite(image.data(), 1, image.size(), out) == image.size();
    return fclose(out) == 0 && written;
}

style::Rgb SystemColour(int index) {
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

int ChannelDistance(style::Rgb a, style::Rgb b) {
    return std::max(
        {std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

}  // namespace quillora::testing
