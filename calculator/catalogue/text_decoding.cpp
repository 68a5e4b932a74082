#include "text_decoding.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

namespace veltra {

bool IsValidUtf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length;
        uint32_t cp;
        if ((c & 0xE0) == 0xC0) {
            length = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + length > n) return false;
        for (int k = 1; k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
            cp = cp << 6 | (s[i + k] & 0x3F);
        }
        static constexpr uint32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

namespace {

// UTF-8 for each byte of the code page, taken once from the system's converter
// so that a list decodes in one table pass; length 0 for the undefined byte.
struct Cp1251Table {
    struct Entry {
        std::array<char, 4> utf8{};
        uint8_t length = 0;
    };
    std::array<Entry, 256> entries;
    std::string undefined;  // the bytes with no character, looked for with memchr
    bool ok = false;
};

const Cp1251Table& Cp1251() {
    static const Cp1251Table table = [] {
        Cp1251Table t;
        iconv_t cd = iconv_open("UTF-8", "CP1251");
        if (cd == iconv_t(-1)) return t;
        std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
        for (int b = 0; b < 256; ++b) {
            char in = char(b);
            char* inPtr = &in;
            Cp1251Table::Entry& entry = t.entries[size_t(b)];
            char* outPtr = entry.utf8.data();
            size_t inLeft = 1, outLeft = entry.utf8.size();
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1))
                entry.length = uint8_t(entry.utf8.size() - outLeft);
            else
                t.undefined += char(b);
        }
        t.ok = true;
        return t;
    }();
    return table;
}

}  // namespace

bool IsCp1251Decodable(std::string_view bytes) {
    const Cp1251Table& table = Cp1251();
    if (!table.ok) return false;
    if (bytes.empty()) return true;
    for (const char c : table.undefined) {
        if (std::memchr(bytes.data(), c, bytes.size()) != nullptr) return false;
    }
    return true;
}

std::string DecodeCp1251Field(std::string_view bytes) {
    const Cp1251Table& table = Cp1251();
    size_t length = 0;
    for (const char c : bytes) length += table.entries[static_cast<unsigned char>(c)].length;
    // The whole entry is copied and the write position moves by its length,
    // so three spare bytes are needed past the end.
    std::string text(length + 3, '\0');
    char* to = text.data();
    for (const char c : bytes) {
        const Cp1251Table::Entry& entry = table.entries[static_cast<unsigned char>(c)];
        std::memcpy(to, entry.utf8.data(), 4);
        to += entry.length;
    }
    text.resize(length);
    return text;
}

std::optional<std::string> DecodeCp1251(std::string_view bytes) {
    if (!IsCp1251Decodable(bytes)) return std::nullopt;
    return DecodeCp1251Field(bytes);
}

std::optional<std::string> DecodePriceListText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
        return std::string(bytes);
    }
    return DecodeCp1251(bytes);
}

}  // namespace veltra
