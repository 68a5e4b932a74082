#include "format/skin_format.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "format/bytes.h"

namespace lumiq {

const std::array<std::uint8_t, kSignatureSize> kSignature = {'L', 'Q', 'S', 'k', 'i',  'n',  ' ',
                                                             'f', 'i', 'l', 'e', 0x1B, 0x00, 0x01};

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAlnumAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File Open(const std::string& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode));
}

bool Exists(const std::string& path) {
    return Open(path, "rb") != nullptr;
}

// Skin files are small; 64-bit positions keep the range checks free of overflow.
bool SeekTo(std::FILE* f, std::uint64_t pos) {
    if (pos > 0x7FFFFFFFu) return false;
    return std::fseek(f, static_cast<long>(pos), SEEK_SET) == 0;
}

bool ReadExact(std::FILE* f, void* buf, std::size_t n) {
    return std::fread(buf, 1, n, f) == n;
}

// Copies n bytes from the current position of in to a new file at path.
// Leaves no file behind when anything fails.
ExtractStatus CopyToNewFile(std::FILE* in, std::uint64_t n, const std::string& path) {
    File out = Open(path, "wb");
    if (!out) return ExtractStatus::WriteFailed;
    std::array<std::uint8_t, kCopyChunk> buf;
    ExtractStatus status = ExtractStatus::Ok;
    while (n > 0) {
        std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(n, buf.size()));
        if (!ReadExact(in, buf.data(), piece)) {
            status = ExtractStatus::Damaged;
            break;
        }
        if (std::fwrite(buf.data(), 1, piece, out.get()) != piece) {
            status = ExtractStatus::WriteFailed;
            break;
        }
        n -= piece;
    }
    if (std::fclose(out.release()) != 0 && status == ExtractStatus::Ok) {
        status = ExtractStatus::WriteFailed;
    }
    if (status != ExtractStatus::Ok) std::remove(path.c_str());
    return status;
}

}  // namespace

std::string StoredName(const std::uint8_t* field) {
    const auto* end = std::find(field, field + kNameSize, 0);
    return std::string(field, end);
}

bool NameMatches(std::string_view requested, const std::uint8_t* field) {
    std::string stored = StoredName(field);
    if (requested.size() != stored.size()) return false;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (LowerAscii(requested[i]) != LowerAscii(stored[i])) return false;
    }
    return true;
}

std::string EscapeName(std::string_view name) {
    std::string out;
    for (char ch : name) {
        auto c = static_cast<unsigned char>(ch);
        if (IsAlnumAscii(c)) {
            out += ch;
        } else {
            out += '$';
            out += std::to_string(c);
        }
    }
    return out;
}

std::string TempFileName(std::string_view folder, std::string_view skin, std::string_view window,
                         std::string_view part) {
    std::string out(folder);
    out += EscapeName(skin);
    out += '-';
    out += EscapeName(window);
    out += '-';
    out += part;
    out += ".tmp";
    return out;
}

WindowEntry WindowEntry::Parse(const Block64& raw) {
    WindowEntry e;
    e.raw = raw;
    const std::uint8_t* p = raw.data();
    e.name = StoredName(p);
    e.controlCount = ReadU32(p + 16);
    e.bitmapOffset = ReadU32(p + 20);
    e.transparentColour = ReadU32(p + 24);
    e.imageX = ReadU16(p + 32);
    e.imageY = ReadU16(p + 34);
    e.imageWidth = ReadU16(p + 36);
    e.imageHeight = ReadU16(p + 38);
    e.width = ReadS16(p + 40);
    e.height = ReadS16(p + 42);
    return e;
}

Extraction ExtractWindow(const std::string& folder, const std::string& skin,
                         const std::string& window) {
    Extraction ex;
    File in = Open(folder + skin + ".lqs", "rb");
    if (!in) return ex;

    // Every length read from the file is checked against its size before it
    // is followed, so a damaged file fails here instead of halfway through.
    if (std::fseek(in.get(), 0, SEEK_END) != 0) return ex;
    long endPos = std::ftell(in.get());
    if (endPos < 0) return ex;
    const auto size = static_cast<std::uint64_t>(endPos);

    ex.status = ExtractStatus::Damaged;
    std::uint8_t countBytes[2];
    if (!SeekTo(in.get(), kSignatureSize) || !ReadExact(in.get(), countBytes, 2)) return ex;
    unsigned remaining = ReadU16(countBytes);
    std::uint64_t pos = kHeaderSize;

    bool found = false;
    Block64 raw;
    while (remaining != 0) {
        if (pos + kBlockSize > size || !ReadExact(in.get(), raw.data(), kBlockSize)) return ex;
        pos += kBlockSize;
        if (NameMatches(window, raw.data())) {
            found = true;
            break;
        }
        std::uint64_t skip = std::uint64_t{ReadU32(raw.data() + 16)} * kBlockSize;
        if (pos + skip > size) return ex;
        pos += skip;
        if (!SeekTo(in.get(), pos)) return ex;
        --remaining;
    }
    if (!found) {
        ex.status = ExtractStatus::NotFound;
        return ex;
    }

    ex.entry = WindowEntry::Parse(raw);
    ex.recordsPath = TempFileName(folder, skin, window, "Records");
    ex.bitmapPath = TempFileName(folder, skin, window, "Bitmap");
    ex.hasBitmap = ex.entry.bitmapOffset != 0;

    if (!Exists(ex.recordsPath)) {
        std::uint64_t length = std::uint64_t{ex.entry.controlCount} * kBlockSize;
        if (pos + length > size) return ex;
        ExtractStatus s = CopyToNewFile(in.get(), length, ex.recordsPath);
        if (s != ExtractStatus::Ok) {
            ex.status = s;
            return ex;
        }
        ex.createdRecords = true;
    }

    if (ex.hasBitmap && !Exists(ex.bitmapPath)) {
        std::uint64_t at = ex.entry.bitmapOffset;
        std::uint8_t lengthBytes[4];
        ExtractStatus s = ExtractStatus::Damaged;
        if (at + 4 <= size && SeekTo(in.get(), at) && ReadExact(in.get(), lengthBytes, 4)) {
            std::uint64_t length = ReadU32(lengthBytes);
            if (at + 4 + length <= size) s = CopyToNewFile(in.get(), length, ex.bitmapPath);
        }
        if (s != ExtractStatus::Ok) {
            DiscardCreated(ex);
            ex.createdRecords = false;
            ex.status = s;
            return ex;
        }
        ex.createdBitmap = true;
    }

    ex.status = ExtractStatus::Ok;
    return ex;
}

void DiscardCreated(const Extraction& ex) {
    if (ex.createdRecords) std::remove(ex.recordsPath.c_str());
    if (ex.createdBitmap) std::remove(ex.bitmapPath.c_str());
}

RecordLookup FindControlRecord(const std::string& recordsPath, std::string_view control) {
    RecordLookup lookup;
    File in = Open(recordsPath, "rb");
    if (!in) return lookup;
    lookup.status = RecordStatus::Missing;
    Block64 raw;
    while (ReadExact(in.get(), raw.data(), raw.size())) {
        if (NameMatches(control, raw.data())) {
            lookup.status = RecordStatus::Found;
            lookup.record = raw;
            break;
        }
    }
    return lookup;
}

ParsedSkin ParseSkin(const std::vector<std::uint8_t>& bytes) {
    ParsedSkin skin;
    const std::uint64_t size = bytes.size();
    if (size < kHeaderSize) {
        skin.error = "file ends inside the header";
        return skin;
    }
    skin.signatureOk = std::equal(kSignature.begin(), kSignature.end(), bytes.begin());
    unsigned count = ReadU16(bytes.data() + kSignatureSize);
    std::uint64_t pos = kHeaderSize;
    for (unsigned w = 0; w < count; ++w) {
        const std::string where = "window entry " + std::to_string(w + 1);
        if (pos + kBlockSize > size) {
            skin.error = "file ends inside " + where;
            return skin;
        }
        ParsedWindow pw;
        Block64 raw;
        std::memcpy(raw.data(), bytes.data() + pos, kBlockSize);
        pw.entry = WindowEntry::Parse(raw);
        pos += kBlockSize;
        std::uint64_t length = std::uint64_t{pw.entry.controlCount} * kBlockSize;
        if (pos + length > size) {
            skin.error = "control records of " + where + " run past the end of the file";
            skin.windows.push_back(std::move(pw));
            return skin;
        }
        for (std::uint32_t k = 0; k < pw.entry.controlCount; ++k) {
            Block64 rec;
            std::memcpy(rec.data(), bytes.data() + pos, kBlockSize);
            pw.records.push_back(rec);
            pos += kBlockSize;
        }
        if (pw.entry.bitmapOffset != 0) {
            std::uint64_t at = pw.entry.bitmapOffset;
            if (at + 4 > size) {
                skin.error = "bitmap offset of " + where + " points past the end of the file";
            } else {
                pw.bitmapLength = ReadU32(bytes.data() + at);
                if (at + 4 + pw.bitmapLength > size) {
                    skin.error = "bitmap block of " + where + " runs past the end of the file";
                }
            }
        }
        skin.windows.push_back(std::move(pw));
        if (!skin.error.empty()) return skin;
    }
    return skin;
}

}  // namespace lumiq
