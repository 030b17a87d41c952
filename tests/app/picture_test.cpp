#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/jpeg_picture.h"
#include "app/picture_tiles.h"

namespace quillora {
namespace {

std::vector<std::uint8_t> EmbeddedPictureBytes() {
    std::ifstream file(QUILLORA_PICTURE_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(DecodeJpeg, TheEmbeddedPictureIsPlainWhite) {
    const std::optional<DecodedPicture> picture = DecodeJpeg(EmbeddedPictureBytes());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 100);
    EXPECT_EQ(picture->height, 100);
    ASSERT_EQ(picture->bgrx.size(), 100u * 100u * 4u);
    for (std::size_t i = 0; i < picture->bgrx.size(); i += 4) {
        ASSERT_EQ(picture->bgrx[i] + picture->bgrx[i + 1] + picture->bgrx[i + 2], 3 * 255) << i;
    }
}

TEST(DecodeJpeg, RefusesWhatIsNotAPicture) {
    const std::vector<std::uint8_t> bytes = EmbeddedPictureBytes();
    EXPECT_FALSE(DecodeJpeg({}));
    EXPECT_FALSE(DecodeJpeg(std::vector<std::uint8_t>(64, 0x42)));
    EXPECT_FALSE(DecodeJpeg(std::span(bytes).first(20)));  // cut inside the header
}

struct TilesCase {
    PixelRect paint;
    std::vector<PixelRect> tiles;
};

class TilesMeetingTest : public ::testing::TestWithParam<TilesCase> {};

// 标签2: 344 x 80 covered by 100 x 100 copies.
TEST_P(TilesMeetingTest, KeepsOnlyTheTilesThatMeetThePaintedPart) {
    EXPECT_EQ(TilesMeeting(344, 80, 100, 100, GetParam().paint), GetParam().tiles);
}

INSTANTIATE_TEST_SUITE_P(
    DescriptionLabel, TilesMeetingTest,
    ::testing::Values(
        TilesCase{{0, 0, 344, 80},
                  {{0, 0, 100, 100}, {100, 0, 200, 100}, {200, 0, 300, 100}, {300, 0, 400, 100}}},
        TilesCase{{120, 10, 180, 70}, {{100, 0, 200, 100}}},
        TilesCase{{95, 0, 105, 5}, {{0, 0, 100, 100}, {100, 0, 200, 100}}},
        TilesCase{{300, 0, 301, 1}, {{300, 0, 400, 100}}},
        TilesCase{{50, 50, 50, 60}, {}},   // empty
        TilesCase{{344, 0, 400, 80}, {}},  // right of the label
        TilesCase{{-20, -20, 10, 10}, {{0, 0, 100, 100}}}));

TEST(TilesMeeting, CoversATallAreaRowByRow) {
    EXPECT_EQ(TilesMeeting(150, 150, 100, 100, {0, 120, 10, 130}),
              (std::vector<PixelRect>{{0, 100, 100, 200}}));
    EXPECT_EQ(TilesMeeting(150, 150, 100, 100, {0, 0, 150, 150}).size(), 4u);
}

}  // namespace
}  // namespace quillora
