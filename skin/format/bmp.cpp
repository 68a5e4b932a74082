#include "format/bmp.h"

#include "format/bytes.h"

namespace lumiq {

namespace {
constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
}  // namespace

std::optional<BmpInfo> ReadBmpInfo(const std::vector<std::uint8_t>& bytes, std::string* error) {
    auto fail = [&](const char* why) -> std::optional<BmpInfo> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (bytes.size() < kFileHeader + 12) return fail("too short for a bitmap file");
    if (bytes[0] != 'B' || bytes[1] != 'M') return fail("does not start with \"BM\"");
    BmpInfo info;
    info.fileSize = ReadU32(&bytes[2]);
    info.pixelOffset = ReadU32(&bytes[10]);
    std::uint32_t headerSize = ReadU32(&bytes[14]);
    if (headerSize < kInfoHeader) return fail("has an old or unknown information header");
    if (bytes.size() < kFileHeader + kInfoHeader) return fail("ends inside its header");
    info.width = static_cast<std::int32_t>(ReadU32(&bytes[18]));
    info.height = static_cast<std::int32_t>(ReadU32(&bytes[22]));
    info.bitsPerPixel = ReadU16(&bytes[28]);
    if (info.width <= 0 || info.height == 0) return fail("has no pixels");
    if (info.pixelOffset >= bytes.size()) return fail("has its pixels past the end of the file");
    return info;
}

std::vector<std::uint8_t> MakeBmp24(const PixelImage& image) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);
    std::vector<std::uint8_t> out(kFileHeader + kInfoHeader + pixelBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    WriteU32(&out[2], static_cast<std::uint32_t>(out.size()));
    WriteU32(&out[10], kFileHeader + kInfoHeader);
    WriteU32(&out[14], kInfoHeader);
    WriteU32(&out[18], static_cast<std::uint32_t>(image.width));
    WriteU32(&out[22], static_cast<std::uint32_t>(image.height));
    WriteU16(&out[26], 1);
    WriteU16(&out[28], 24);
    WriteU32(&out[34], pixelBytes);
    WriteU32(&out[38], 2835);  // 72 dots per inch
    WriteU32(&out[42], 2835);
    for (int row = 0; row < image.height; ++row) {
        std::uint8_t* dst = &out[kFileHeader + kInfoHeader + stride * (image.height - 1 - row)];
        for (int col = 0; col < image.width; ++col) {
            std::uint32_t p = image.pixels[static_cast<std::size_t>(row) * image.width + col];
            dst[3 * col] = static_cast<std::uint8_t>(p);
            dst[3 * col + 1] = static_cast<std::uint8_t>(p >> 8);
            dst[3 * col + 2] = static_cast<std::uint8_t>(p >> 16);
        }
    }
    return out;
}

}  // namespace lumiq
