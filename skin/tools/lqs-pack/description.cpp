#include "tools/lqs-pack/description.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>

#include "format/bmp.h"
#include "format/bytes.h"
#include "format/skin_rules.h"

namespace lumiq {

DescriptionError::DescriptionError(int l, const std::string& what)
    : std::runtime_error("line " + std::to_string(l) + ": " + what), line(l) {}

std::vector<std::uint8_t> LoadFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
        throw std::runtime_error("\"" + path + "\" is not a file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open \"" + path + "\"");
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<FieldDef> KindFields(std::uint32_t kind) {
    using T = FieldType;
    switch (kind) {
        case 1:
            return {{"face", 16, T::Pair},    {"pressed", 20, T::Pair},  {"normal", 24, T::Pair},
                    {"focused", 28, T::Pair}, {"disabled", 32, T::Pair}, {"place", 40, T::Place}};
        case 2:
        case 3:
            // Checked faces sit 16 bytes after their unchecked ones, where the
            // button painting looks for them.
            return {{"face", 16, T::Pair},           {"pressed", 20, T::Pair},
                    {"normal", 24, T::Pair},         {"focused", 28, T::Pair},
                    {"disabled", 32, T::Pair},       {"checked", 40, T::Pair},
                    {"checkedfocused", 44, T::Pair}, {"checkeddisabled", 48, T::Pair},
                    {"place", 56, T::Place}};
        case 4:
        case 9:
            return {{"place", 16, T::Place}};
        case 5:
        case 6:
        case 7:
        case 10:
            return {{"text", 16, T::Colour}, {"back", 20, T::Colour}, {"place", 24, T::Place}};
        case 8:
            return {{"bar", 16, T::Pair},
                    {"empty", 20, T::Pair},
                    {"full", 24, T::Pair},
                    {"place", 32, T::Place}};
        case 11:
            return {{"back", 16, T::Colour}, {"place", 20, T::Place}};
        case 12:
            return {{"place", 16, T::PlaceUnsigned}};
        default:
            return {};
    }
}

namespace {

std::vector<std::string> Tokenize(const std::string& line, int lineNo) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        if (std::isspace(c)) {
            ++i;
            continue;
        }
        if (c == '#') break;
        std::string token;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) {
            if (line[i] == '"') {
                ++i;
                while (i < line.size() && line[i] != '"') {
                    if (line[i] == '\\' && i + 1 < line.size()) ++i;
                    token += line[i++];
                }
                if (i == line.size()) throw DescriptionError(lineNo, "unterminated quoted text");
                ++i;
            } else {
                token += line[i++];
            }
        }
        tokens.push_back(token);
    }
    return tokens;
}

std::optional<std::int64_t> ParseInteger(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty() || s.size() > 12) return std::nullopt;
    // Digits only: no second sign ("--5", "0x-5") and nothing after them.
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (base == 16 ? !std::isxdigit(u) : !std::isdigit(u)) return std::nullopt;
    }
    std::int64_t v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return negative ? -v : v;
}

std::int64_t Number(std::string_view s, std::int64_t lo, std::int64_t hi, int lineNo,
                    const std::string& what) {
    auto v = ParseInteger(s);
    if (!v || *v < lo || *v > hi) {
        throw DescriptionError(lineNo, what + ": \"" + std::string(s) + "\" is not a number from " +
                                           std::to_string(lo) + " to " + std::to_string(hi));
    }
    return *v;
}

std::vector<std::string_view> SplitCommas(std::string_view s) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = s.find(',', start);
        parts.push_back(s.substr(start, comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parts;
}

// The bytes of a record that a field writes.
struct FieldBytes {
    int offset, width;
};

FieldBytes PutField(Block64& rec, const FieldDef& f, std::string_view value, int lineNo) {
    auto* p = rec.data() + f.offset;
    const std::string what = std::string("field ") + f.name;
    switch (f.type) {
        case FieldType::Colour:
            WriteU32(p, static_cast<std::uint32_t>(Number(value, 0, 0xFFFFFFFF, lineNo, what)));
            return {f.offset, 4};
        case FieldType::Pair:
        case FieldType::Place:
        case FieldType::PlaceUnsigned: {
            std::size_t count = f.type == FieldType::Pair ? 2 : 4;
            auto parts = SplitCommas(value);
            if (parts.size() != count) {
                throw DescriptionError(
                    lineNo, what + " needs " + std::to_string(count) + " comma-separated numbers");
            }
            bool unsig = f.type == FieldType::PlaceUnsigned;
            for (std::size_t i = 0; i < count; ++i) {
                auto v = Number(parts[i], unsig ? 0 : -32768, unsig ? 65535 : 32767, lineNo, what);
                WriteU16(p + 2 * i, static_cast<std::uint16_t>(v));
            }
            return {f.offset, static_cast<int>(2 * count)};
        }
    }
    return {f.offset, 0};
}

// "u16@N=", "s16@N=", "u32@N=": any offset of the record after its name.
// Nothing for a key of another form.
std::optional<FieldBytes> PutRawField(Block64& rec, std::string_view key, std::string_view value,
                                      int lineNo) {
    auto at = key.find('@');
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view type = key.substr(0, at);
    int width = type == "u32" ? 4 : (type == "u16" || type == "s16") ? 2 : 0;
    if (width == 0) return std::nullopt;
    auto offset = Number(key.substr(at + 1), 16, 64 - width, lineNo, "raw field offset");
    std::uint8_t* p = rec.data() + offset;
    if (type == "u32") {
        WriteU32(p, static_cast<std::uint32_t>(Number(value, 0, 0xFFFFFFFF, lineNo, "u32")));
    } else if (type == "u16") {
        WriteU16(p, static_cast<std::uint16_t>(Number(value, 0, 65535, lineNo, "u16")));
    } else {
        WriteU16(p, static_cast<std::uint16_t>(Number(value, -32768, 32767, lineNo, "s16")));
    }
    return FieldBytes{static_cast<int>(offset), width};
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

void CheckName(const std::string& name, int lineNo) {
    try {
        std::uint8_t field[kNameSize];
        PutName(field, name);
    } catch (const SkinWriteError& e) {
        throw DescriptionError(lineNo, e.what());
    }
}

struct OpenWindow {
    WindowLayout layout;
    int line = 0;
    std::map<std::string, int> settings;  // word -> line it was given on
    bool hasSize = false, hasImage = false;
    std::map<std::string, int> controlNames;
    std::optional<BmpInfo> bitmapInfo;
};

void CloseWindow(OpenWindow& w, int lineNo) {
    if (!w.hasImage)
        throw DescriptionError(lineNo, "window \"" + w.layout.name + "\" has no image");
    if (!w.hasSize) {
        if (w.layout.imageWidth > 32767 || w.layout.imageHeight > 32767) {
            throw DescriptionError(lineNo, "window \"" + w.layout.name + "\" needs a size");
        }
        w.layout.width = static_cast<std::int16_t>(w.layout.imageWidth);
        w.layout.height = static_cast<std::int16_t>(w.layout.imageHeight);
    }
    const std::string why =
        WindowRuleBreak(w.layout, w.bitmapInfo ? &*w.bitmapInfo : nullptr, w.layout.name);
    if (!why.empty()) throw DescriptionError(lineNo, why);
}

// Everything the lines read so far have built.
struct ParseState {
    const std::string& baseDir;
    const FileLoader& load;
    SkinLayout skin;
    std::map<std::string, int> bitmapIndex;
    std::vector<BmpInfo> bitmapInfos;
    std::map<std::string, int> windowNames;
    std::optional<OpenWindow> open;
};

struct Line {
    const std::vector<std::string>& t;
    int no;

    void Need(std::size_t n, const char* usage) const {
        if (t.size() != n) throw DescriptionError(no, std::string("usage: ") + usage);
    }
    std::int64_t Arg(std::size_t i, std::int64_t lo, std::int64_t hi) const {
        return Number(t[i], lo, hi, no, t[0]);
    }
};

void WindowWord(ParseState& s, const Line& l) {
    if (s.open) throw DescriptionError(l.no, "\"window\" inside a window: missing \"end\"");
    l.Need(2, "window NAME");
    CheckName(l.t[1], l.no);
    auto [it, fresh] = s.windowNames.emplace(Lower(l.t[1]), l.no);
    if (!fresh) {
        throw DescriptionError(l.no, "window \"" + l.t[1] + "\" already defined on line " +
                                         std::to_string(it->second));
    }
    s.open.emplace();
    s.open->layout.name = l.t[1];
    s.open->line = l.no;
}

void EndWord(ParseState& s, const Line& l) {
    l.Need(1, "end");
    CloseWindow(*s.open, l.no);
    s.skin.windows.push_back(std::move(s.open->layout));
    s.open.reset();
}

void SizeWord(ParseState& s, const Line& l) {
    l.Need(3, "size WIDTH HEIGHT");
    s.open->layout.width = static_cast<std::int16_t>(l.Arg(1, 1, 32767));
    s.open->layout.height = static_cast<std::int16_t>(l.Arg(2, 1, 32767));
    s.open->hasSize = true;
}

void ImageWord(ParseState& s, const Line& l) {
    l.Need(5, "image X Y WIDTH HEIGHT");
    auto& w = s.open->layout;
    w.imageX = static_cast<std::uint16_t>(l.Arg(1, 0, 65535));
    w.imageY = static_cast<std::uint16_t>(l.Arg(2, 0, 65535));
    w.imageWidth = static_cast<std::uint16_t>(l.Arg(3, 0, 65535));
    w.imageHeight = static_cast<std::uint16_t>(l.Arg(4, 0, 65535));
    s.open->hasImage = true;
}

void TransparentWord(ParseState& s, const Line& l) {
    l.Need(2, "transparent COLOUR");
    s.open->layout.transparentColour = static_cast<std::uint32_t>(l.Arg(1, 0, 0xFFFFFF));
}

void BitmapWord(ParseState& s, const Line& l) {
    l.Need(2, "bitmap FILE");
    std::string path = l.t[1];
    bool absolute =
        !path.empty() && (path[0] == '/' || path[0] == '\\' || (path.size() > 1 && path[1] == ':'));
    if (!absolute) path = s.baseDir + path;
    auto found = s.bitmapIndex.find(path);
    if (found == s.bitmapIndex.end()) {
        std::vector<std::uint8_t> bytes;
        try {
            bytes = s.load(path);
        } catch (const std::exception& e) {
            throw DescriptionError(l.no, e.what());
        }
        std::string why;
        auto info = ReadBmpInfo(bytes, &why);
        if (!info) throw DescriptionError(l.no, "\"" + path + "\" " + why);
        found = s.bitmapIndex.emplace(path, static_cast<int>(s.skin.bitmaps.size())).first;
        s.skin.bitmaps.push_back(std::move(bytes));
        s.bitmapInfos.push_back(*info);
    }
    s.open->layout.bitmap = found->second;
    s.open->bitmapInfo = s.bitmapInfos[found->second];
}

// A control's NAME=VALUE tokens: its kind, and the other fields in order.
struct ControlFields {
    std::uint32_t kind = 0;
    std::vector<std::pair<std::string, std::string>> fields;
};

ControlFields ReadControlFields(const Line& l, const std::string& name) {
    std::optional<std::uint32_t> kind;
    ControlFields out;
    std::set<std::string> keys;
    for (std::size_t i = 2; i < l.t.size(); ++i) {
        auto eq = l.t[i].find('=');
        if (eq == std::string::npos) {
            throw DescriptionError(l.no, "expected NAME=VALUE, got \"" + l.t[i] + "\"");
        }
        std::string key = l.t[i].substr(0, eq), value = l.t[i].substr(eq + 1);
        if (!keys.insert(key).second) {
            throw DescriptionError(l.no, "\"" + key + "\" given twice");
        }
        if (key == "kind") {
            kind = static_cast<std::uint32_t>(Number(value, 0, 0xFFFFFFFF, l.no, "kind"));
        } else {
            out.fields.emplace_back(key, value);
        }
    }
    if (!kind) throw DescriptionError(l.no, "control \"" + name + "\" has no kind");
    out.kind = *kind;
    return out;
}

void PutControlFields(Block64& record, const ControlFields& c, int lineNo) {
    auto defs = KindFields(c.kind);
    // Which field wrote each byte: a byte is written once, by one field.
    std::array<const std::string*, kBlockSize> writer{};
    for (const auto& field : c.fields) {
        const std::string& key = field.first;  // a lambda cannot capture a binding
        const std::string& value = field.second;
        std::optional<FieldBytes> bytes = PutRawField(record, key, value, lineNo);
        if (!bytes) {
            auto def = std::find_if(defs.begin(), defs.end(),
                                    [&](const FieldDef& d) { return key == d.name; });
            if (def == defs.end()) {
                throw DescriptionError(
                    lineNo, "kind " + std::to_string(c.kind) + " has no field \"" + key + "\"");
            }
            bytes = PutField(record, *def, value, lineNo);
        }
        for (int b = bytes->offset; b < bytes->offset + bytes->width; ++b) {
            if (writer[b]) {
                throw DescriptionError(lineNo, "\"" + key + "\" writes byte " + std::to_string(b) +
                                                   ", as \"" + *writer[b] + "\" does");
            }
            writer[b] = &key;
        }
    }
}

void ControlWord(ParseState& s, const Line& l) {
    if (l.t.size() < 3) throw DescriptionError(l.no, "usage: control NAME kind=K ...");
    ControlLayout c;
    c.name = l.t[1];
    CheckName(c.name, l.no);
    auto [it, fresh] = s.open->controlNames.emplace(Lower(c.name), l.no);
    if (!fresh) {
        throw DescriptionError(l.no, "control \"" + c.name + "\" already defined on line " +
                                         std::to_string(it->second));
    }
    PutControlFields(c.record, ReadControlFields(l, c.name), l.no);
    s.open->layout.controls.push_back(std::move(c));
}

struct Word {
    const char* word;
    bool outsideWindow;  // only "window" may stand outside one
    bool once;           // a window's setting, given at most once in it
    void (*handle)(ParseState&, const Line&);
};

constexpr Word kWords[] = {
    {"window", true, false, WindowWord},
    {"end", false, false, EndWord},
    {"size", false, true, SizeWord},
    {"image", false, true, ImageWord},
    {"transparent", false, true, TransparentWord},
    {"bitmap", false, true, BitmapWord},
    {"control", false, false, ControlWord},
};

const Word* FindWord(const std::string& word) {
    for (const Word& w : kWords) {
        if (word == w.word) return &w;
    }
    return nullptr;
}

void ParseLine(ParseState& s, const Line& l) {
    const std::string& word = l.t[0];
    const Word* w = FindWord(word);
    if (!(w && w->outsideWindow) && !s.open) {
        throw DescriptionError(l.no, "\"" + PrintableName(word) + "\" outside a window");
    }
    if (!w) throw DescriptionError(l.no, "unknown word \"" + PrintableName(word) + "\"");
    if (w->once) {
        auto [it, fresh] = s.open->settings.emplace(word, l.no);
        if (!fresh) {
            throw DescriptionError(l.no, "\"" + word + "\" given again (first on line " +
                                             std::to_string(it->second) + ")");
        }
    }
    w->handle(s, l);
}

}  // namespace

SkinLayout ParseDescription(std::istream& in, const std::string& baseDir, const FileLoader& load) {
    ParseState s{baseDir, load, {}, {}, {}, {}, {}};
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A UTF-8 byte-order mark, as some editors save one, is no text.
        if (lineNo == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        auto t = Tokenize(line, lineNo);
        if (!t.empty()) ParseLine(s, Line{t, lineNo});
    }
    if (s.open) {
        throw DescriptionError(lineNo, "window \"" + s.open->layout.name + "\" opened on line " +
                                           std::to_string(s.open->line) + " has no \"end\"");
    }
    if (const std::string why = SkinRuleBreak(s.skin.windows.size(), "the description");
        !why.empty()) {
        throw DescriptionError(std::max(lineNo, 1), why);
    }
    return std::move(s.skin);
}

std::string PrintableName(const std::string& name) {
    std::string out;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u >= 0x7F) {
            static const char* const kHex = "0123456789abcdef";
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    return out;
}

bool ListSkin(const std::vector<std::uint8_t>& bytes, std::ostream& out) {
    ParsedSkin skin = ParseSkin(bytes);
    std::vector<std::string> problems;
    if (!skin.signatureOk) problems.push_back("offset 0: the signature is not \"LQSkin file\"");
    if (bytes.size() >= kHeaderSize) {
        const std::uint16_t count = ReadU16(&bytes[kSignatureSize]);
        out << "windows: " << count << "\n";
        const std::string why = SkinRuleBreak(count, "the file");
        if (!why.empty())
            problems.push_back("offset " + std::to_string(kSignatureSize) + ": " + why);
    } else {
        out << "windows: 0\n";
    }
    std::set<std::string> windowNames;
    std::uint64_t at = kHeaderSize;  // where the window's entry starts
    for (const ParsedWindow& w : skin.windows) {
        const WindowEntry& e = w.entry;
        const std::string where = "offset " + std::to_string(at) + ": ";
        if (e.name.empty()) problems.push_back(where + "a window without a name");
        if (!windowNames.insert(Lower(e.name)).second) {
            problems.push_back(where + "a second window \"" + PrintableName(e.name) + "\"");
        }
        out << "window \"" << PrintableName(e.name) << "\": " << e.controlCount
            << " controls, size " << e.width << "x" << e.height << ", image " << e.imageX << ","
            << e.imageY << " " << e.imageWidth << "x" << e.imageHeight << ", transparent 0x"
            << std::hex << std::setw(6) << std::setfill('0') << e.transparentColour << std::dec
            << std::setfill(' ');
        std::optional<BmpInfo> info;  // of a bitmap that the plug-in takes
        if (e.bitmapOffset == 0) {
            out << ", no bitmap\n";
        } else {
            out << ", bitmap at " << e.bitmapOffset << " (" << w.bitmapLength << " bytes";
            std::uint64_t start = std::uint64_t{e.bitmapOffset} + 4;
            if (start + w.bitmapLength <= bytes.size()) {
                std::vector<std::uint8_t> bmp(
                    bytes.begin() + static_cast<std::ptrdiff_t>(start),
                    bytes.begin() + static_cast<std::ptrdiff_t>(start + w.bitmapLength));
                std::string why;
                if ((info = ReadBmpInfo(bmp, &why))) {
                    out << ", " << info->width << "x"
                        << (info->height < 0 ? -std::int64_t{info->height} : info->height) << "x"
                        << info->bitsPerPixel;
                } else {
                    out << ", not a bitmap: " << why;
                    problems.push_back("offset " + std::to_string(start) +
                                       ": the bitmap of window \"" + PrintableName(e.name) + "\" " +
                                       why);
                }
            }
            out << ")\n";
        }
        WindowLayout shape;
        shape.width = e.width;
        shape.height = e.height;
        shape.imageX = e.imageX;
        shape.imageY = e.imageY;
        shape.imageWidth = e.imageWidth;
        shape.imageHeight = e.imageHeight;
        shape.transparentColour = e.transparentColour;
        if (std::string why =
                WindowRuleBreak(shape, info ? &*info : nullptr, PrintableName(e.name));
            !why.empty()) {
            problems.push_back(where + why);
        }
        std::set<std::string> controlNames;
        std::uint64_t recordAt = at + 64;
        for (const Block64& r : w.records) {
            const std::string name = StoredName(r.data());
            const std::string here = "offset " + std::to_string(recordAt) + ": ";
            if (name.empty()) problems.push_back(here + "a control without a name");
            if (!controlNames.insert(Lower(name)).second) {
                problems.push_back(here + "a second control \"" + PrintableName(name) + "\"");
            }
            // The kind is not stored, so the fields are shown as 16-bit words.
            int last = 63;
            while (last >= 16 && r[last] == 0) --last;
            out << "  control \"" << PrintableName(name) << "\":";
            for (int off = 16; off <= last; off += 2) out << " " << ReadS16(&r[off]);
            out << "\n";
            recordAt += 64;
        }
        at += 64 * (std::uint64_t{e.controlCount} + 1);
    }
    if (!skin.error.empty()) problems.push_back("damaged: " + skin.error);
    for (const std::string& p : problems) out << "error: " << p << "\n";
    return problems.empty();
}

}  // namespace lumiq
