// The downward chevron on the arrow button of a drop-down list.
#pragma once

#include <array>

namespace quillora::style {

// A horizontal run of pixels [left, right) in one row.
struct PixelRun {
    int row;
    int left;
    int right;
};

inline constexpr int kChevronWidth = 9;
inline constexpr int kChevronHeight = 5;

// Two strokes three pixels thick meeting in a point at the bottom.
inline constexpr std::array<PixelRun, 7> kChevronRuns{{
    {0, 0, 3},
    {0, 6, 9},
    {1, 1, 4},
    {1, 5, 8},
    {2, 2, 7},
    {3, 3, 6},
    {4, 4, 5},
}};

}  // namespace quillora::style
