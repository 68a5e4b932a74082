#include "format/bmp.h"

#include <cstdio>
#include <memory>

#include "format/bytes.h"

namespace lumiq {

namespace {
constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
}  // namespace

std::optional<BmpInfo> ReadBmpInfo(const std::vector<std::uint8_t>& bytes, std::string* error) {
    // Exactly what the plug-in accepts before it hands a bitmap to the system.
    if (!BmpLayoutFits(bytes.data(), bytes.size(), bytes.size(), error)) return std::nullopt;
    BmpInfo info;
    info.fileSize = ReadU32(&bytes[2]);
    info.pixelOffset = ReadU32(&bytes[10]);
    if (ReadU32(&bytes[14]) == 12) {
        info.width = ReadU16(&bytes[18]);
        info.height = ReadU16(&bytes[20]);
        info.bitsPerPixel = ReadU16(&bytes[24]);
    } else {
        info.width = static_cast<std::int32_t>(ReadU32(&bytes[18]));
        info.height = static_cast<std::int32_t>(ReadU32(&bytes[22]));
        info.bitsPerPixel = ReadU16(&bytes[28]);
    }
    return info;
}

bool BmpLayoutFits(const std::uint8_t* head, std::size_t headLength, std::uint64_t fileSize,
                   std::string* error) {
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    if (headLength > fileSize) headLength = static_cast<std::size_t>(fileSize);
    if (headLength < kFileHeader + 4) return fail("too short for a bitmap file");
    if (head[0] != 'B' || head[1] != 'M') return fail("does not start with \"BM\"");
    const std::uint64_t pixelOffset = ReadU32(head + 10);
    const std::uint64_t headerSize = ReadU32(head + 14);

    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0, bits = 0, compression = 0, coloursUsed = 0;
    std::uint64_t masks = 0, entrySize = 4;
    if (headerSize == 12) {
        if (headLength < kFileHeader + 12) return fail("ends inside its header");
        width = ReadU16(head + 18);
        height = ReadU16(head + 20);
        planes = ReadU16(head + 22);
        bits = ReadU16(head + 24);
        entrySize = 3;
    } else if (headerSize >= kInfoHeader && headerSize <= 124) {
        if (headLength < kFileHeader + kInfoHeader) return fail("ends inside its header");
        width = static_cast<std::int32_t>(ReadU32(head + 18));
        height = static_cast<std::int32_t>(ReadU32(head + 22));
        planes = ReadU16(head + 26);
        bits = ReadU16(head + 28);
        compression = ReadU32(head + 30);
        coloursUsed = ReadU32(head + 46);
        if (compression == 3 && headerSize == kInfoHeader) masks = 12;
    } else {
        return fail("has an unknown information header");
    }
    if (height < 0) height = -height;
    if (width <= 0 || height == 0) return fail("has no pixels");
    if (planes != 1) return fail("has more than one plane");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return fail("has an unknown number of bits per pixel");
    }
    const bool rle = compression == 1 || compression == 2;
    if (!(compression == 0 || (compression == 1 && bits == 8) || (compression == 2 && bits == 4) ||
          (compression == 3 && (bits == 16 || bits == 32)))) {
        return fail("has an unknown compression");
    }

    std::uint64_t colours = coloursUsed;
    if (bits <= 8) {
        if (coloursUsed > (1u << bits)) return fail("has more colours than its pixels can name");
        if (colours == 0) colours = 1u << bits;
    } else if (colours > 256) {
        return fail("has an oversized colour table");
    }
    const std::uint64_t tableEnd = kFileHeader + headerSize + masks + colours * entrySize;
    if (tableEnd > fileSize) return fail("ends inside its colour table");

    const std::uint64_t start = pixelOffset != 0 ? pixelOffset : tableEnd;
    if (start >= fileSize) return fail("has its pixels past the end of the file");
    const std::uint64_t available = fileSize - start;
    const auto w = static_cast<std::uint64_t>(width), h = static_cast<std::uint64_t>(height);
    if (rle) {
        // Two bytes of runs describe at most 255 pixels; a size far beyond
        // that ratio is a bogus header, not a picture.
        if (w * h > 256 * available) return fail("is larger than its compressed pixels");
    } else {
        const std::uint64_t stride = (w * bits + 31) / 32 * 4;
        if (h > available / stride) return fail("ends inside its pixels");
    }
    return true;
}

bool BmpFileIsComplete(const std::string& path, std::string* error) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> in(std::fopen(path.c_str(), "rb"));
    long size = -1;
    if (in && std::fseek(in.get(), 0, SEEK_END) == 0) size = std::ftell(in.get());
    if (size < 0 || std::fseek(in.get(), 0, SEEK_SET) != 0) {
        if (error) *error = "cannot be read";
        return false;
    }
    std::uint8_t head[kBmpHeadLength];
    std::size_t got = std::fread(head, 1, sizeof head, in.get());
    return BmpLayoutFits(head, got, static_cast<std::uint64_t>(size), error);
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
