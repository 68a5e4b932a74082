#include "json_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace veltra {

namespace {

using Json = nlohmann::ordered_json;

// Builds the same value Json::parse does, but each object's members are
// gathered first and stored at their final count: growing an ordered object
// one member at a time copies every key again.
class ValueBuilder {
  public:
    explicit ValueBuilder(Json& root) : root_(root) {}

    bool null() { return Put(Json(nullptr)); }
    bool boolean(bool value) { return Put(Json(value)); }
    bool number_integer(Json::number_integer_t value) { return Put(Json(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return Put(Json(value)); }
    bool number_float(Json::number_float_t value, const std::string&) { return Put(Json(value)); }
    bool string(std::string& value) { return Put(Json(value)); }
    bool binary(Json::binary_t& value) { return Put(Json(Json::binary_t(std::move(value)))); }
    bool start_object(size_t) {
        Json& slot = Slot();
        if (members_.size() == objects_) members_.emplace_back();
        members_[objects_++].clear();
        open_.push_back({&slot, true});
        return true;
    }
    bool key(std::string& key) {
        members_[objects_ - 1].emplace_back(key, Json());
        return true;
    }
    bool end_object() {
        auto& members = members_[--objects_];
        Json::object_t object;
        object.reserve(members.size());
        for (auto& [key, value] : members) {
            // A key given twice keeps its first place and its last value,
            // as the ordered object's own insertion does.
            const auto same = std::find_if(object.begin(), object.end(),
                                           [&](const auto& member) { return member.first == key; });
            if (same != object.end()) {
                same->second = std::move(value);
            } else {
                object.emplace_back(std::move(key), std::move(value));
            }
        }
        members.clear();
        *open_.back().value = Json(std::move(object));
        open_.pop_back();
        return true;
    }
    bool start_array(size_t) {
        Json& slot = Slot();
        slot = Json::array();
        open_.push_back({&slot, false});
        return true;
    }
    bool end_array() {
        open_.pop_back();
        return true;
    }
    template <class Exception>
    bool parse_error(size_t, const std::string&, const Exception& error) {
        throw error;
    }

  private:
    // Where the next value goes: the root, an array's next element or the
    // member whose key came last.
    Json& Slot() {
        if (open_.empty()) return root_;
        if (!open_.back().object)
            return open_.back().value->get_ref<Json::array_t&>().emplace_back();
        return members_[objects_ - 1].back().second;
    }
    bool Put(Json&& value) {
        Slot() = std::move(value);
        return true;
    }

    struct Open {
        Json* value;  // an array filled in place, or an object's slot
        bool object;
    };
    Json& root_;
    std::vector<Open> open_;
    // The members gathered for each object open, the outermost first; kept
    // for the next object at the same depth.
    std::vector<std::vector<std::pair<std::string, Json>>> members_;
    size_t objects_ = 0;
};

// Walks a parsed value and a text side by side: the text matches when it is
// byte for byte what value.dump() writes (no indent, no ASCII escaping).
class DumpMatch {
  public:
    explicit DumpMatch(std::string_view text) : text_(text) {}

    bool Whole(const Json& value) { return Value(value) && at_ == text_.size(); }

  private:
    bool Take(std::string_view s) {
        if (text_.size() - at_ < s.size() || std::memcmp(text_.data() + at_, s.data(), s.size()))
            return false;
        at_ += s.size();
        return true;
    }
    bool Take(char c) {
        if (at_ == text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
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

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

Json ParseJson(std::string_view text) {
    Json json;
    ValueBuilder builder(json);
    Json::sax_parse(text.begin(), text.end(), &builder);
    return json;
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
