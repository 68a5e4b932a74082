#include "format/region_runs.h"

#include <gtest/gtest.h>

namespace lumiq {
namespace {

constexpr std::uint32_t T = 0xFF00FF;  // transparent
constexpr std::uint32_t O = 0x123456;  // opaque

PixelImage FromRows(const std::vector<std::vector<std::uint32_t>>& rows) {
    PixelImage img;
    img.height = static_cast<int>(rows.size());
    img.width = static_cast<int>(rows[0].size());
    for (const auto& r : rows) img.pixels.insert(img.pixels.end(), r.begin(), r.end());
    return img;
}

TEST(RegionRuns, RunsEndAtTheNextTransparentPixel) {
    auto img = FromRows({{T, O, O, T, O, T, T}, {O, T, T, T, T, T, T}});
    EXPECT_EQ(RegionRuns(img, 0, 0, T, 2, 7),
              (std::vector<Rect>{{1, 0, 3, 1}, {4, 0, 5, 1}, {0, 1, 1, 2}}));
}

TEST(RegionRuns, LastColumnNeverJoins) {
    auto img = FromRows({{O, O, O, O}, {T, T, T, O}, {O, O, O, T}});
    EXPECT_EQ(RegionRuns(img, 0, 0, T, 3, 4), (std::vector<Rect>{{0, 0, 3, 1}, {0, 2, 3, 3}}));
    // A one-column sub-image has nothing but its last column.
    EXPECT_TRUE(RegionRuns(img, 0, 0, T, 3, 1).empty());
}

TEST(RegionRuns, SubImageCoordinatesAreRelative) {
    auto img = FromRows({{T, T, T, T, T}, {T, O, O, O, T}, {T, O, T, O, T}, {T, T, T, T, T}});
    EXPECT_EQ(RegionRuns(img, 1, 1, T, 2, 4),
              (std::vector<Rect>{{0, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}}));
}

TEST(RegionRuns, OnlyTheLow24BitsAreCompared) {
    auto img = FromRows({{0xFFFF00FF, 0x00FF00FE, T}});
    EXPECT_EQ(RegionRuns(img, 0, 0, 0xAAFF00FF, 1, 3), (std::vector<Rect>{{1, 0, 2, 1}}));
}

TEST(RegionRuns, OutsideTheImageCountsAsTransparent) {
    auto img = FromRows({{O, O}, {O, O}});
    // Larger than the image on every side.
    EXPECT_EQ(RegionRuns(img, -1, -1, T, 5, 5), (std::vector<Rect>{{1, 1, 3, 2}, {1, 2, 3, 3}}));
    // The image ends exactly at the last column.
    EXPECT_EQ(RegionRuns(img, 0, 0, T, 2, 3), (std::vector<Rect>{{0, 0, 2, 1}, {0, 1, 2, 2}}));
    EXPECT_TRUE(RegionRuns(img, 5, 0, T, 2, 2).empty());
    EXPECT_TRUE(RegionRuns(img, 0, 0, T, 0, 2).empty());
    EXPECT_TRUE(RegionRuns(img, 0, 0, T, 2, -3).empty());
    EXPECT_TRUE(RegionRuns(PixelImage{}, 0, 0, T, 2, 2).empty());
}

TEST(RegionRuns, HugeSubImageOnlyWalksThePixels) {
    PixelImage img{3, 1, {O, O, O}};
    EXPECT_EQ(RegionRuns(img, 0, 0, T, 65535, 65535), (std::vector<Rect>{{0, 0, 3, 1}}));
}

}  // namespace
}  // namespace lumiq
