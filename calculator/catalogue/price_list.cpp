#include "price_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

#include "number_text.h"
#include "printable_text.h"
#include "sha256.h"
#include "text_decoding.h"

namespace veltra {

namespace {

std::string Quoted(const std::string& fileName) {
    return "\u00AB" + PrintableText(fileName) + "\u00BB";
}

class FieldReader {
  public:
    FieldReader(std::string_view text, const std::string& fileName)
        : text_(text), fileName_(fileName) {}

    // Skips blank lines between records; false at the end of the text.
    bool AtRecordStart() {
        for (;;) {
            size_t p = pos_;
            while (p < text_.size() && (text_[p] == ' ' || text_[p] == '\t')) ++p;
            if (p == text_.size()) {
                pos_ = p;
                return false;
            }
            if (text_[p] != '\r' && text_[p] != '\n') return true;
            pos_ = p;
            SkipLineEnd();
        }
    }

    int line() const { return line_; }

    // Reads one field and the separator after it. `afterLineEnd` tells whether
    // the previous field ended a line: a field cannot start at the end of the
    // text then, since the record would be incomplete.
    std::string_view Read(bool afterLineEnd, int recordLine) {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
        if (pos_ == text_.size() && afterLineEnd) Truncated(recordLine);
        std::string_view value;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            const size_t close = text_.find('"', pos_ + 1);
            if (close == std::string_view::npos) Truncated(recordLine);
            value = text_.substr(pos_ + 1, close - pos_ - 1);
            for (char c : value) {
                if (c == '\n') ++line_;
            }
            pos_ = close + 1;
            // Anything between the closing quote and the separator is dropped.
            while (pos_ < text_.size() && !IsSeparator(text_[pos_])) ++pos_;
        } else {
            const size_t start = pos_;
            while (pos_ < text_.size() && !IsSeparator(text_[pos_])) ++pos_;
            value = text_.substr(start, pos_ - start);
        }
        endedLine_ = true;
        if (pos_ < text_.size()) {
            if (text_[pos_] == ',') {
                ++pos_;
                endedLine_ = false;
            } else {
                SkipLineEnd();
            }
        }
        return value;
    }

    bool endedLine() const { return endedLine_; }

    [[noreturn]] void Truncated(int recordLine) const {
        throw PriceListError("Прайс-лист " + Quoted(fileName_) +
                             " обрывается внутри записи (строка " + std::to_string(recordLine) +
                             ").");
    }

  private:
    static bool IsSeparator(char c) { return kSeparators[static_cast<unsigned char>(c)]; }
    static constexpr auto kSeparators = [] {
        std::array<bool, 256> table{};
        table[','] = table['\r'] = table['\n'] = true;
        return table;
    }();

    void SkipLineEnd() {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    std::string_view text_;
    const std::string& fileName_;
    size_t pos_ = 0;
    int line_ = 1;
    bool endedLine_ = false;
};

bool IsControl(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\r' && c != '\n';
}

void RejectControlCharacters(std::string_view text, const std::string& fileName) {
    // Eight bytes at a time: only words holding a byte below 0x20 (every line
    // end is one) are looked at closely; lines are counted only for the message.
    bool found = false;
    size_t i = 0;
    for (; i + 8 <= text.size() && !found; i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if (((word - 0x2020202020202020u) & ~word & 0x8080808080808080u) == 0) continue;
        for (size_t k = i; k < i + 8; ++k) found |= IsControl(static_cast<unsigned char>(text[k]));
    }
    for (; i < text.size(); ++i) found |= IsControl(static_cast<unsigned char>(text[i]));
    if (!found) return;
    int line = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++line;
        if (IsControl(c)) {
            throw PriceListError("Прайс-лист " + Quoted(fileName) +
                                 " содержит недопустимые символы (строка " + std::to_string(line) +
                                 ").");
        }
    }
}

size_t CountLines(std::string_view text) {
    size_t lines = 1;
    for (const char *p = text.data(), *end = p + text.size();
         (p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)))) != nullptr; ++p)
        ++lines;
    return lines;
}

// Most prices are plain digits with a short fraction ("1250,50"): read them
// without building the general number's parts.
std::optional<Money> PlainPrice(std::string_view field) {
    int64_t raw = 0;
    int integerDigits = 0, fractionDigits = 0;
    bool separator = false;
    for (const char c : field) {
        if (c >= '0' && c <= '9') {
            if (separator ? ++fractionDigits > 4 : ++integerDigits > 14) return std::nullopt;
            raw = raw * 10 + (c - '0');
        } else if ((c == ',' || c == '.') && !separator && integerDigits > 0) {
            separator = true;
        } else {
            return std::nullopt;
        }
    }
    if (integerDigits == 0) return std::nullopt;
    for (int i = fractionDigits; i < 4; ++i) raw *= 10;
    return Money::FromRaw(raw);
}

PriceListError TooLargePrice(const std::string& fileName, std::string_view text, int line) {
    return PriceListError(
        "Прайс-лист " + Quoted(fileName) + " содержит цену \u00AB" + Excerpt(TrimBlanks(text)) +
        "\u00BB, слишком большую для расчёта (строка " + std::to_string(line) + ").");
}

// A negative price would lower the total of every calculation that orders
// the item, and no calculation file could hold it.
PriceListError NegativePrice(const std::string& fileName, std::string_view text, int line) {
    return PriceListError("Прайс-лист " + Quoted(fileName) + " содержит отрицательную цену \u00AB" +
                          Excerpt(TrimBlanks(text)) + "\u00BB (строка " + std::to_string(line) +
                          ").");
}

// A price is digits with at most one decimal separator, comma or full stop,
// whatever the regional format: the file travels between machines. Empty and
// non-numeric prices ("по запросу") are 0; a number beyond kMaxPrice either
// way is refused, and so is one below zero. `text` is the field as UTF-8.
Money ReadPrice(const std::string& text, char decimalSeparator, const std::string& fileName,
                int line) {
    for (const char separator : {decimalSeparator, ',', '.'}) {
        if (!SplitDecimal(text, separator)) continue;
        const auto price = Money::Parse(text, separator);
        if (!price || *price > kMaxPrice || *price < Money() - kMaxPrice)
            throw TooLargePrice(fileName, text, line);
        if (*price < Money()) throw NegativePrice(fileName, text, line);
        return *price;
    }
    return Money();
}

std::string Utf8Field(std::string_view field) {
    return std::string(field);
}

// Separators, quotes, blanks and asterisks are the same bytes in UTF-8 and in
// Windows-1251, so records are split on the file's own bytes and only the
// fields are decoded: no decoded copy of the whole list is made.
template <class DecodeField>
Catalogue ParseRecords(std::string_view bytes, char decimalSeparator, const std::string& fileName,
                       DecodeField decode) {
    RejectControlCharacters(bytes, fileName);
    Catalogue catalogue;
    // Usually one record a line; the bound keeps a pathological file cheap.
    catalogue.reserve(std::min(CountLines(bytes), size_t(kMaxCatalogueEntries)));
    FieldReader reader(bytes, fileName);
    while (reader.AtRecordStart()) {
        const int recordLine = reader.line();
        if (int(catalogue.size()) >= kMaxCatalogueEntries) {
            throw PriceListError("Прайс-лист " + Quoted(fileName) + " содержит больше " +
                                 std::to_string(kMaxCatalogueEntries) + " записей (строка " +
                                 std::to_string(recordLine) + ").");
        }
        const std::string_view a = reader.Read(false, recordLine);
        const std::string_view b = reader.Read(reader.endedLine(), recordLine);
        const int priceLine = reader.line();
        const std::string_view c = reader.Read(reader.endedLine(), recordLine);

        const auto plain = PlainPrice(c);
        if (plain && *plain > kMaxPrice) throw TooLargePrice(fileName, decode(c), priceLine);
        const Money price =
            plain ? *plain : ReadPrice(decode(c), decimalSeparator, fileName, priceLine);
        CatalogueItem& item = catalogue.emplace_back();
        item.ItemLevel = ItemLevelOf(a);
        item.ItemName = decode(a.substr(size_t(int(item.ItemLevel))));
        item.ItemCode = decode(b);
        item.ItemPrice = price;
    }
    if (catalogue.empty()) {
        throw PriceListError("Прайс-лист " + Quoted(fileName) + " не содержит ни одной записи.");
    }
    return catalogue;
}

}  // namespace

Catalogue ParsePriceList(std::string_view text, char decimalSeparator,
                         const std::string& fileName) {
    return ParseRecords(text, decimalSeparator, fileName, Utf8Field);
}

Catalogue ReadPriceList(std::string_view bytes, char decimalSeparator,
                        const std::string& fileName) {
    if (IsValidUtf8(bytes)) {
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
        return ParsePriceList(bytes, decimalSeparator, fileName);
    }
    if (!IsCp1251Decodable(bytes)) {
        throw PriceListError("Прайс-лист " + Quoted(fileName) +
                             " не удаётся прочитать: текст не в кодировке UTF-8 или Windows-1251.");
    }
    return ParseRecords(bytes, decimalSeparator, fileName, DecodeCp1251Field);
}

std::string ReadPriceListBytes(const std::filesystem::path& path) {
    const std::string fileName = path.string();
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_directory(status)) {
        throw PriceListError("Не удалось открыть прайс-лист " + Quoted(fileName) + ".");
    }
    // Devices and pipes would be read forever or block.
    if (!std::filesystem::is_regular_file(status)) {
        throw PriceListError("Прайс-лист " + Quoted(fileName) + " не является обычным файлом.");
    }
    const auto TooLarge = [&] {
        return PriceListError("Прайс-лист " + Quoted(fileName) +
                              " слишком велик: допустимо не больше " +
                              std::to_string(kMaxPriceListBytes / (1024 * 1024)) + " МБ.");
    };
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxPriceListBytes) throw TooLarge();
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        throw PriceListError("Не удалось открыть прайс-лист " + Quoted(fileName) + ".");
    }
    // The expected size is read in one call, straight into the result. The file
    // may grow between the check and the read: it is read on in chunks, never
    // past the bound.
    std::string bytes;
    size_t read = 0;
    size_t want = error || size == 0 ? size_t(1) << 16 : size_t(size);
    while (in && (read == 0 || in.peek() != std::char_traits<char>::eof())) {
        bytes.resize(read + want);
        in.read(bytes.data() + read, std::streamsize(want));
        read += size_t(in.gcount());
        if (read > kMaxPriceListBytes) throw TooLarge();
        want = size_t(1) << 16;
    }
    bytes.resize(read);
    if (in.bad()) {
        throw PriceListError("Не удалось прочитать прайс-лист " + Quoted(fileName) + ".");
    }
    return bytes;
}

Catalogue LoadPriceList(const std::filesystem::path& path, char decimalSeparator) {
    return ReadPriceList(ReadPriceListBytes(path), decimalSeparator, path.string());
}

PriceListFile IdentifyPriceList(const std::filesystem::path& path, std::string_view bytes) {
    return {path.filename().string(), uint64_t(bytes.size()), Sha256Hex(bytes)};
}

}  // namespace veltra
