#include "json_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace veltra {

namespace {

using Json = nlohmann::ordered_json;

// A strict part of JSON read in one pass, each object stored at its final
// size (growing an ordered object one member at a time copies every key
// again). Whatever it takes, the library takes the same way; the rest (a
// \u escape, a byte order mark, a long or unusual number, any fault) it
// leaves to the library, which also says where a fault is.
class QuickReader : JsonScanner {
  public:
    explicit QuickReader(std::string_view text) : JsonScanner(text) { members_.reserve(kMaxDepth); }

    bool Read(Json& value) {
        Space();
        if (!Value(value, 0)) return false;
        Space();
        return at_ == text_.size();
    }

  private:
    static constexpr size_t kMaxDepth = 64;

    bool Value(Json& value, size_t depth) {
        if (at_ == text_.size()) return false;
        switch (text_[at_]) {
            case '{':
                return depth < kMaxDepth && Object(value, depth);
            case '[':
                return depth < kMaxDepth && Array(value, depth);
            case '"': {
                std::string text;
                if (!String(text)) return false;
                value = Json(std::move(text));
                return true;
            }
            case 't':
                return Literal("true", value, Json(true));
            case 'f':
                return Literal("false", value, Json(false));
            case 'n':
                return Literal("null", value, Json(nullptr));
            default:
                return Number(value);
        }
    }
    bool Literal(std::string_view word, Json& value, Json literal) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        value = std::move(literal);
        return true;
    }
    bool Object(Json& value, size_t depth) {
        ++at_;
        if (members_.size() <= depth) members_.resize(depth + 1);  // reserved: no move
        members_[depth].clear();
        Space();
        if (!Take('}')) {
            for (;;) {
                std::string key;
                if (at_ == text_.size() || text_[at_] != '"' || !String(key)) return false;
                Space();
                if (!Take(':')) return false;
                Space();
                members_[depth].emplace_back(std::move(key), Json());
                if (!Value(members_[depth].back().second, depth + 1)) return false;
                Space();
                if (Take('}')) break;
                if (!Take(',')) return false;
                Space();
            }
        }
        auto& members = members_[depth];
        Json::object_t object;
        object.reserve(members.size());
        for (auto& member : members) {
            // A key given twice keeps its first place and its last value,
            // as the library's own insertion does.
            const auto same = std::find_if(object.begin(), object.end(),
                                           [&](const auto& m) { return m.first == member.first; });
            if (same != object.end()) {
                same->second = std::move(member.second);
            } else {
                object.emplace_back(std::move(member.first), std::move(member.second));
            }
        }
        members.clear();
        value = Json(std::move(object));
        return true;
    }
    bool Array(Json& value, size_t depth) {
        ++at_;
        value = Json::array();
        auto& elements = value.get_ref<Json::array_t&>();
        Space();
        if (Take(']')) return true;
        for (;;) {
            if (!Value(elements.emplace_back(), depth + 1)) return false;
            Space();
            if (Take(']')) return true;
            if (!Take(',')) return false;
            Space();
        }
    }
    // Well-formed UTF-8 as the library checks it, the short escapes only.
    bool String(std::string& text) {
        size_t run = ++at_;
        while (at_ < text_.size()) {
            const auto c = uint8_t(text_[at_]);
            if (c == '"') {
                text.append(text_.data() + run, at_ - run);
                ++at_;
                return true;
            }
            if (c < 0x20) return false;
            if (c == '\\') {
                text.append(text_.data() + run, at_ - run);
                if (++at_ == text_.size()) return false;
                static constexpr std::string_view kEscaped = "\"\\/bfnrt",
                                                  kMeant = "\"\\/\b\f\n\r\t";
                const size_t which = kEscaped.find(text_[at_]);
                if (which == std::string_view::npos) return false;
                text += kMeant[which];
                run = ++at_;
                continue;
            }
            const size_t length = c < 0x80 ? 1 : Utf8Length(at_);
            if (length == 0) return false;
            at_ += length;
        }
        return false;
    }
    // The length of the character at `at`, 0 when it is not well formed.
    size_t Utf8Length(size_t at) const {
        const auto byte = [&](size_t i) {
            return at + i < text_.size() ? uint8_t(text_[at + i]) : 0;
        };
        const auto in = [](uint8_t b, uint8_t low, uint8_t high) { return b >= low && b <= high; };
        const uint8_t c = byte(0);
        if (c < 0x80) return 1;
        if (in(c, 0xC2, 0xDF)) return in(byte(1), 0x80, 0xBF) ? 2 : 0;
        if (in(c, 0xE0, 0xEF)) {
            const uint8_t low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
            return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) ? 3 : 0;
        }
        if (in(c, 0xF0, 0xF4)) {
            const uint8_t low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
            return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) && in(byte(3), 0x80, 0xBF) ? 4
                                                                                                : 0;
        }
        return 0;
    }
    // An integer of up to 18 digits, or a number with a fraction or an
    // exponent that a double holds.
    bool Number(Json& value) {
        const size_t start = at_;
        const bool negative = Take('-');
        const size_t digits = at_;
        if (Take('0')) {
        } else if (at_ < text_.size() && text_[at_] >= '1' && text_[at_] <= '9') {
            Digits();
        } else {
            return false;
        }
        const size_t whole = at_ - digits;
        bool fraction = false;
        if (Take('.')) {
            fraction = true;
            if (Digits() == 0) return false;
        }
        if (Take('e') || Take('E')) {
            fraction = true;
            if (!Take('+')) Take('-');
            if (Digits() == 0) return false;
        }
        if (!fraction) {
            if (whole > 18) return false;
            uint64_t n = 0;
            for (size_t i = digits; i < at_; ++i) n = n * 10 + uint64_t(text_[i] - '0');
            if (negative) {
                value = Json(Json::number_integer_t(-int64_t(n)));
            } else {
                value = Json(Json::number_unsigned_t(n));
            }
            return true;
        }
        double number = 0;
        const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + at_, number);
        if (error != std::errc() || end != text_.data() + at_ || !std::isfinite(number))
            return false;
        value = Json(number);
        return true;
    }
    size_t Digits() {
        const size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
        return at_ - start;
    }

    // The members read for each object open, by depth; kept for the next
    // object at the same depth.
    std::vector<std::vector<std::pair<std::string, Json>>> members_;
};

// Walks a parsed value and a text side by side: the text matches when it is
// byte for byte what value.dump() writes (no indent, no ASCII escaping).
class DumpMatch : JsonScanner {
  public:
    explicit DumpMatch(std::string_view text) : JsonScanner(text) {}

    bool Whole(const Json& value) { return Value(value) && at_ == text_.size(); }

  private:
    bool Take(std::string_view s) {
        if (text_.size() - at_ < s.size() || std::memcmp(text_.data() + at_, s.data(), s.size()))
            return false;
        at_ += s.size();
        return true;
    }
    using JsonScanner::Take;
    // The parser took only well-formed UTF-8, which the dump copies as it is.
    bool String(const std::string& s) {
        if (!Take('"')) return false;
        // Most texts need no escape: the file has them as they are, with no
        // backslash before the closing quote.
        const std::string_view rest = text_.substr(at_);
        if (rest.size() > s.size() && rest[s.size()] == '"' &&
            std::memcmp(rest.data(), s.data(), s.size()) == 0 &&
            std::memchr(rest.data(), '\\', s.size()) == nullptr) {
            at_ += s.size() + 1;
            return true;
        }
        size_t plain = 0;  // the start of the run copied unchanged
        for (size_t i = 0; i < s.size(); ++i) {
            const auto c = uint8_t(s[i]);
            if (c >= 0x20 && c != '"' && c != '\\') continue;
            if (!Take(std::string_view(s).substr(plain, i - plain))) return false;
            plain = i + 1;
            char escaped[7] = {'\\', 0, 0, 0, 0, 0, 0};
            switch (c) {
                case '"':
                    escaped[1] = '"';
                    break;
                case '\\':
                    escaped[1] = '\\';
                    break;
                case '\b':
                    escaped[1] = 'b';
                    break;
                case '\f':
                    escaped[1] = 'f';
                    break;
                case '\n':
                    escaped[1] = 'n';
                    break;
                case '\r':
                    escaped[1] = 'r';
                    break;
                case '\t':
                    escaped[1] = 't';
                    break;
                default: {
                    static constexpr char kHex[] = "0123456789abcdef";
                    const char u[] = {'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
                    std::memcpy(escaped + 1, u, sizeof u);
                }
            }
            if (!Take(std::string_view(escaped))) return false;
        }
        return Take(std::string_view(s).substr(plain)) && Take('"');
    }
    template <class Integer>
    bool Number(Integer n) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        return Take(std::string_view(digits, size_t(end - digits)));
    }
    bool Value(const Json& value) {
        switch (value.type()) {
            case Json::value_t::object: {
                if (!Take('{')) return false;
                bool first = true;
                for (const auto& [key, member] : *value.get_ptr<const Json::object_t*>()) {
                    if (!(first || Take(',')) || !String(key) || !Take(':') || !Value(member))
                        return false;
                    first = false;
                }
                return Take('}');
            }
            case Json::value_t::array: {
                if (!Take('[')) return false;
                bool first = true;
                for (const Json& element : *value.get_ptr<const Json::array_t*>()) {
                    if (!(first || Take(',')) || !Value(element)) return false;
                    first = false;
                }
                return Take(']');
            }
            case Json::value_t::string:
                return String(*value.get_ptr<const std::string*>());
            case Json::value_t::boolean:
                return Take(value.get<bool>() ? "true" : "false");
            case Json::value_t::null:
                return Take("null");
            case Json::value_t::number_integer:
                return Number(value.get<int64_t>());
            case Json::value_t::number_unsigned:
                return Number(value.get<uint64_t>());
            case Json::value_t::number_float:
                return Take(value.dump());  // rare: the dump's own shortest form
            default:
                return false;
        }
    }
};

}  // namespace

std::optional<Json> ReadPlainJson(std::string_view text) {
    Json json;
    if (!QuickReader(text).Read(json)) return std::nullopt;
    return json;
}

Json ParseJson(std::string_view text) {
    if (auto json = ReadPlainJson(text)) return std::move(*json);
    return Json::parse(text.begin(), text.end());
}

size_t StringEnd(std::string_view text, size_t start) {
    for (size_t at = start; at < text.size(); ++at) {
        const void* quote = std::memchr(text.data() + at, '"', text.size() - at);
        if (!quote) break;
        at = size_t(static_cast<const char*>(quote) - text.data());
        // Escaped only after an odd run of backslashes.
        size_t backslashes = 0;
        while (at - backslashes > start && text[at - backslashes - 1] == '\\') ++backslashes;
        if (backslashes % 2 == 0) return at;
    }
    return text.size();
}

bool IsDumpOf(const Json& value, std::string_view text) {
    return DumpMatch(text).Whole(value);
}

}  // namespace veltra
