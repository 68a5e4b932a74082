#include "format/bmp.h"

#include <gtest/gtest.h>

#include "format/bytes.h"
#include "tests/common/sample_skins.h"
#include "tests/native/temp_dir.h"

namespace lumiq {
namespace {

bool Fits(const std::vector<std::uint8_t>& bytes) {
    std::string why;
    bool ok = BmpLayoutFits(bytes.data(), bytes.size(), bytes.size(), &why);
    EXPECT_EQ(ok, why.empty()) << why;
    return ok;
}

std::vector<std::uint8_t> Bmp24(int width, int height) {
    return MakeBmp24(PixelImage{
        width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)});
}

TEST(BmpLayout, CompleteFilesFitAtEveryWidth) {
    for (int width = 1; width <= 9; ++width) EXPECT_TRUE(Fits(Bmp24(width, 3))) << width;
    auto topDown = Bmp24(5, 4);
    WriteU32(&topDown[22], static_cast<std::uint32_t>(-4));
    EXPECT_TRUE(Fits(topDown));
}

TEST(BmpLayout, EveryShorterFileIsRefused) {
    const auto bmp = Bmp24(7, 5);
    for (std::size_t len = 0; len < bmp.size(); ++len) {
        std::vector<std::uint8_t> cut(bmp.begin(), bmp.begin() + static_cast<std::ptrdiff_t>(len));
        EXPECT_FALSE(Fits(cut)) << len;
    }
}

TEST(BmpLayout, HeadersPromisingMoreThanTheFileAreRefused) {
    const auto good = Bmp24(4, 4);
    auto tall = good;
    WriteU32(&tall[22], 100000);  // rows that are not there
    EXPECT_FALSE(Fits(tall));
    auto huge = good;
    WriteU32(&huge[18], 0x7FFFFFFF);  // no overflow of the row size either
    WriteU32(&huge[22], 0x7FFFFFFF);
    EXPECT_FALSE(Fits(huge));
    auto lowest = good;
    WriteU32(&lowest[22], 0x80000000u);
    EXPECT_FALSE(Fits(lowest));
    auto farPixels = good;
    WriteU32(&farPixels[10], 0xFFFFFFF0u);
    EXPECT_FALSE(Fits(farPixels));
    auto palette = good;
    WriteU16(&palette[28], 8);  // now needs 256 colours before the pixels
    EXPECT_FALSE(Fits(palette));
    auto manyColours = good;
    WriteU32(&manyColours[46], 0xFFFFFFFFu);
    EXPECT_FALSE(Fits(manyColours));
    auto oddBits = good;
    WriteU16(&oddBits[28], 7);
    EXPECT_FALSE(Fits(oddBits));
    auto png = good;
    WriteU32(&png[30], 5);
    EXPECT_FALSE(Fits(png));
    auto header = good;
    WriteU32(&header[14], 0xFFFFFFFFu);
    EXPECT_FALSE(Fits(header));
    auto notBm = good;
    notBm[1] = 'X';
    EXPECT_FALSE(Fits(notBm));
}

TEST(BmpLayout, CompressedPixelsBoundTheSize) {
    // 8 bits, run-length coded: header, 256 colours, then 8 bytes of runs.
    std::vector<std::uint8_t> rle(14 + 40 + 1024 + 8, 0);
    rle[0] = 'B';
    rle[1] = 'M';
    WriteU32(&rle[10], 14 + 40 + 1024);
    WriteU32(&rle[14], 40);
    WriteU32(&rle[18], 32);
    WriteU32(&rle[22], 4);
    WriteU16(&rle[26], 1);
    WriteU16(&rle[28], 8);
    WriteU32(&rle[30], 1);
    EXPECT_TRUE(Fits(rle));
    WriteU32(&rle[18], 30000);
    WriteU32(&rle[22], 30000);
    EXPECT_FALSE(Fits(rle));
}

TEST(BmpLayout, OldCoreHeaderIsMeasuredToo) {
    std::vector<std::uint8_t> core = testing::CoreHeaderBmp();
    EXPECT_TRUE(Fits(core));
    core.pop_back();
    EXPECT_FALSE(Fits(core));
}

TEST(BmpLayout, FilesAreMeasuredOnDisk) {
    testing::TempDir dir;
    auto bmp = Bmp24(6, 6);
    dir.Write("good.bmp", bmp);
    bmp.resize(bmp.size() - 1);
    dir.Write("short.bmp", bmp);
    EXPECT_TRUE(BmpFileIsComplete(dir.Folder() + "good.bmp"));
    std::string why;
    EXPECT_FALSE(BmpFileIsComplete(dir.Folder() + "short.bmp", &why));
    EXPECT_EQ(why, "ends inside its pixels");
    EXPECT_FALSE(BmpFileIsComplete(dir.Folder() + "none.bmp", &why));
    EXPECT_EQ(why, "cannot be read");
}

}  // namespace
}  // namespace lumiq
