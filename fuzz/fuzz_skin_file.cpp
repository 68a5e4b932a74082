// The skin file reader and the bitmap checks on arbitrary bytes: nothing is
// read outside the input (AddressSanitizer watches every buffer, each sized to
// its data), a bitmap the checks pass can be read whole by trusting its
// headers, the file-based extraction agrees with the in-memory parse, and
// the listing passes only sound files.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "check.h"
#include "format/bmp.h"
#include "format/skin_format.h"
#include "tools/lqs-pack/description.h"

using namespace lumiq;

namespace {

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads a bitmap as a loader that trusts its headers does: the colour table,
// then every row of uncompressed pixels. Only for bitmaps the check let
// through, from a buffer of exactly the file's bytes, so that a read past the
// end is AddressSanitizer's to report.
void ReadTrustingHeaders(const std::vector<std::uint8_t>& file) {
    const std::uint8_t* p = file.data();
    const auto u16 = [p](std::size_t at) { return unsigned(p[at] | p[at + 1] << 8); };
    const auto u32 = [&](std::size_t at) { return std::uint32_t(u16(at) | u16(at + 2) << 16); };
    const std::uint32_t headerSize = u32(14);
    std::int64_t width = 0, height = 0;
    unsigned bits = 0, compression = 0, used = 0;
    std::size_t entry = 4;
    if (headerSize == 12) {
        width = u16(18);
        height = u16(20);
        bits = u16(24);
        entry = 3;
    } else {
        width = std::int32_t(u32(18));
        height = std::int32_t(u32(22));
        bits = u16(28);
        compression = u32(30);
        used = u32(46);
    }
    const std::size_t table = 14 + headerSize + (compression == 3 && headerSize == 40 ? 12 : 0);
    const std::size_t colours = used != 0 ? used : bits <= 8 ? std::size_t{1} << bits : 0;
    volatile std::uint8_t sink = 0;
    for (std::size_t i = 0; i < colours * entry; ++i) sink = sink + p[table + i];
    if (compression == 1 || compression == 2) return;
    const std::size_t start = u32(10) != 0 ? u32(10) : table + colours * entry;
    const std::size_t stride = (std::size_t(width) * bits + 31) / 32 * 4;
    const std::size_t rows = std::size_t(height < 0 ? -height : height);
    for (std::size_t r = 0; r < rows; ++r)
        sink = sink + p[start + r * stride] + p[start + (r + 1) * stride - 1];
}

// The bitmap checks on a buffer of exactly these bytes; whether they fit.
bool CheckBitmap(const std::vector<std::uint8_t>& bytes) {
    std::string error;
    const std::vector<std::uint8_t> head(
        bytes.begin(), bytes.begin() + std::min<std::ptrdiff_t>(bytes.size(), kBmpHeadLength));
    const bool fits = BmpLayoutFits(head.data(), head.size(), bytes.size(), &error);
    // The head alone decides as the whole file does.
    FUZZ_CHECK(ReadBmpInfo(bytes, &error).has_value() == fits);
    if (fits) ReadTrustingHeaders(bytes);
    return fits;
}

// A folder of its own for the skin file and its extracts, removed at exit
// (the name is never freed, so the exit handler can still use it).
const std::string& Folder() {
    static const std::string& folder = *[] {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        auto* name = new std::string(std::string(base) + "/lumiq-fuzz-XXXXXX");
        FUZZ_CHECK(mkdtemp(name->data()) != nullptr);
        *name += '/';
        std::atexit([] { std::filesystem::remove_all(Folder()); });
        return name;
    }();
    return folder;
}

// Extracts the first entry's window from the bytes written as a skin file; a
// skin that parses cleanly must extract exactly what the parse found.
void CheckExtraction(const std::vector<std::uint8_t>& bytes, const ParsedSkin& skin) {
    const std::string window = bytes.size() >= kHeaderSize + kNameSize
                                   ? StoredName(bytes.data() + kHeaderSize)
                                   : std::string("w");
    {
        std::ofstream out(Folder() + "s.lqs", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    const Extraction ex = ExtractWindow(Folder(), "s", window);

    const ParsedWindow* parsed = nullptr;
    if (skin.error.empty()) {
        for (const ParsedWindow& w : skin.windows) {
            if (NameMatches(window, w.entry.raw.data())) {
                parsed = &w;
                break;
            }
        }
    }
    if (parsed) {
        FUZZ_CHECK(ex.status == ExtractStatus::Ok && ex.entry.raw == parsed->entry.raw);
        std::vector<std::uint8_t> records;
        for (const Block64& r : parsed->records) records.insert(records.end(), r.begin(), r.end());
        FUZZ_CHECK(FileBytes(ex.recordsPath) == records);
        if (ex.hasBitmap) {
            const auto at = bytes.begin() + parsed->entry.bitmapOffset + 4;
            const std::vector<std::uint8_t> block(at, at + parsed->bitmapLength);
            FUZZ_CHECK(FileBytes(ex.bitmapPath) == block);
            FUZZ_CHECK(BmpFileIsComplete(ex.bitmapPath) == CheckBitmap(block));
        }
    }
    if (ex.status == ExtractStatus::Ok) {
        const bool hasRecords = parsed && !parsed->records.empty();
        const std::string control =
            hasRecords ? StoredName(parsed->records.back().data()) : std::string("c");
        const RecordLookup lookup = FindControlRecord(ex.recordsPath, control);
        FUZZ_CHECK(lookup.status != RecordStatus::CannotOpen);
        if (lookup.status == RecordStatus::Found)
            FUZZ_CHECK(NameMatches(control, lookup.record.data()));
        if (hasRecords) FUZZ_CHECK(lookup.status == RecordStatus::Found);
    }
    DiscardCreated(ex);
    std::filesystem::remove(TempFileName(Folder(), "s", window, "Records"));
    std::filesystem::remove(TempFileName(Folder(), "s", window, "Bitmap"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    CheckBitmap(bytes);
    const ParsedSkin skin = ParseSkin(bytes);
    for (const ParsedWindow& w : skin.windows) {
        const std::uint64_t at = w.entry.bitmapOffset;
        if (at == 0 || at + 4 + std::uint64_t{w.bitmapLength} > size) continue;
        CheckBitmap({bytes.begin() + std::ptrdiff_t(at + 4),
                     bytes.begin() + std::ptrdiff_t(at + 4 + w.bitmapLength)});
    }
    CheckExtraction(bytes, skin);
    std::ostringstream listing;
    if (ListSkin(bytes, listing))
        FUZZ_CHECK(skin.signatureOk && skin.error.empty() && !skin.windows.empty());
    return 0;
}
