// The ".lqs" skin file: window entries, control records, bitmap blocks, and
// the temporary extracts that the plug-in keeps beside the skin.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumiq {

inline constexpr std::size_t kNameSize = 16;
inline constexpr std::size_t kBlockSize = 64;  // window entries and control records alike
inline constexpr std::size_t kSignatureSize = 14;
inline constexpr std::size_t kHeaderSize = 16;  // signature and window count
inline constexpr std::size_t kCopyChunk = 8192;

extern const std::array<std::uint8_t, kSignatureSize> kSignature;

using Block64 = std::array<std::uint8_t, kBlockSize>;

// The text of a 16-byte name field: up to its first zero byte.
std::string StoredName(const std::uint8_t* field);

// Case-insensitive (ASCII letters only) comparison of a requested name with a
// stored 16-byte field; a request longer than the field never matches.
bool NameMatches(std::string_view requested, const std::uint8_t* field);

// Letters and digits stay, every other byte becomes "$" and its decimal code.
std::string EscapeName(std::string_view name);

// 0x00RRGGBB <-> 0x00BBGGRR.
constexpr std::uint32_t SwapRedBlue(std::uint32_t c) {
    return (c & 0x0000FF00u) | (c & 0xFFu) << 16 | (c >> 16 & 0xFFu);
}

// folder is used as given: it already ends in the path separator.
std::string TempFileName(std::string_view folder, std::string_view skin, std::string_view window,
                         std::string_view part);

struct WindowEntry {
    Block64 raw{};
    std::string name;
    std::uint32_t controlCount = 0;
    std::uint32_t bitmapOffset = 0;
    std::uint32_t transparentColour = 0;  // 0x00RRGGBB
    std::uint16_t imageX = 0, imageY = 0, imageWidth = 0, imageHeight = 0;
    std::int16_t width = 0, height = 0;

    static WindowEntry Parse(const Block64& raw);
};

enum class ExtractStatus { Ok, CannotOpen, NotFound, Damaged, WriteFailed };

struct Extraction {
    ExtractStatus status = ExtractStatus::CannotOpen;
    WindowEntry entry;
    std::string recordsPath, bitmapPath;
    bool hasBitmap = false;
    // Files this call wrote, so that a caller failing later can take them back.
    bool createdRecords = false, createdBitmap = false;
};

// Finds the window's entry in folder + skin + ".lqs" and makes sure its
// "Records" and (when it has one) "Bitmap" extracts exist. Existing extracts
// are reused unchanged. On any failure nothing written by this call is left.
Extraction ExtractWindow(const std::string& folder, const std::string& skin,
                         const std::string& window);

// Removes the extracts that ExtractWindow created (for a caller failing later).
void DiscardCreated(const Extraction& extraction);

enum class RecordStatus { CannotOpen, Missing, Found };

struct RecordLookup {
    RecordStatus status = RecordStatus::CannotOpen;
    Block64 record{};  // all zero unless found
};

// Reads 64-byte records from a "Records" extract up to the first whose name
// matches; a trailing partial record counts as the end of the file.
RecordLookup FindControlRecord(const std::string& recordsPath, std::string_view control);

// A whole skin file parsed from memory, for listing and checking.
struct ParsedWindow {
    WindowEntry entry;
    std::vector<Block64> records;
    std::uint32_t bitmapLength = 0;  // valid when entry.bitmapOffset != 0
};

struct ParsedSkin {
    bool signatureOk = false;
    std::vector<ParsedWindow> windows;
    std::string error;  // empty when the file is sound
};

ParsedSkin ParseSkin(const std::vector<std::uint8_t>& bytes);

}  // namespace lumiq
