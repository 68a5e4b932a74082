#include "format/skin_writer.h"

#include <cstring>

#include "format/bytes.h"

namespace lumiq {

void PutName(std::uint8_t* field, const std::string& name) {
    if (name.empty()) throw SkinWriteError("a name must not be empty");
    if (name.size() > kNameSize) {
        throw SkinWriteError("name \"" + name + "\" is longer than 16 characters");
    }
    if (name.find('\0') != std::string::npos) {
        throw SkinWriteError("a name must not contain a zero byte");
    }
    std::memset(field, 0, kNameSize);
    std::memcpy(field, name.data(), name.size());
}

std::vector<std::uint8_t> WriteSkin(const SkinLayout& layout) {
    if (layout.windows.size() > 0xFFFF) throw SkinWriteError("more than 65535 windows");
    std::uint64_t blocksEnd = kHeaderSize;
    for (const WindowLayout& w : layout.windows) {
        blocksEnd += kBlockSize * (1 + w.controls.size());
        if (w.bitmap >= static_cast<int>(layout.bitmaps.size())) {
            throw SkinWriteError("window \"" + w.name + "\" names a bitmap that does not exist");
        }
    }
    std::vector<std::uint64_t> bitmapOffsets;
    std::uint64_t end = blocksEnd;
    for (const auto& b : layout.bitmaps) {
        bitmapOffsets.push_back(end);
        end += 4 + b.size();
    }
    if (end > 0xFFFFFFFFu) throw SkinWriteError("the skin would exceed 4 GiB");

    // The size is known up front: every block is copied into its place.
    std::vector<std::uint8_t> out(static_cast<std::size_t>(end), 0);
    std::size_t pos = 0;
    auto put = [&](const std::uint8_t* bytes, std::size_t n) {
        if (n != 0) std::memcpy(&out[pos], bytes, n);
        pos += n;
    };
    put(kSignature.data(), kSignature.size());
    WriteU16(&out[kSignatureSize], static_cast<std::uint16_t>(layout.windows.size()));
    pos = kHeaderSize;

    for (const WindowLayout& w : layout.windows) {
        Block64 e{};
        PutName(e.data(), w.name);
        WriteU32(&e[16], static_cast<std::uint32_t>(w.controls.size()));
        WriteU32(&e[20], w.bitmap < 0 ? 0 : static_cast<std::uint32_t>(bitmapOffsets[w.bitmap]));
        WriteU32(&e[24], w.transparentColour);
        WriteU16(&e[32], w.imageX);
        WriteU16(&e[34], w.imageY);
        WriteU16(&e[36], w.imageWidth);
        WriteU16(&e[38], w.imageHeight);
        WriteU16(&e[40], static_cast<std::uint16_t>(w.width));
        WriteU16(&e[42], static_cast<std::uint16_t>(w.height));
        put(e.data(), e.size());
        for (const ControlLayout& c : w.controls) {
            Block64 r = c.record;
            PutName(r.data(), c.name);
            put(r.data(), r.size());
        }
    }
    for (const auto& b : layout.bitmaps) {
        std::uint8_t length[4];
        WriteU32(length, static_cast<std::uint32_t>(b.size()));
        put(length, sizeof length);
        put(b.data(), b.size());
    }
    return out;
}

}  // namespace lumiq
