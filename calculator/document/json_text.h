#pragma once
// JSON text as the calculation file reads it: parsed as the library parses
// it, and compared with what the library would write without writing it.

#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

namespace veltra {

// What nlohmann::ordered_json::parse gives for `text`, throwing the same
// parse_error or out_of_range; a plain text is read without its lexer.
nlohmann::ordered_json ParseJson(std::string_view text);

// A plain text read in one pass: what the library reads it as, or none for
// any text outside the plain part of JSON (a \u escape, a byte order mark, a
// number of more than 18 digits…) or not JSON at all.
std::optional<nlohmann::ordered_json> ReadPlainJson(std::string_view text);

// Whether `text` is byte for byte what value.dump() writes.
bool IsDumpOf(const nlohmann::ordered_json& value, std::string_view text);

// The closing quote of the JSON string whose text starts at `start`, or
// text.size() when it has none.
size_t StringEnd(std::string_view text, size_t start);

// A place in a JSON text, for the readers that walk it by hand.
class JsonScanner {
  protected:
    explicit JsonScanner(std::string_view text) : text_(text) {}

    bool Take(char c) {
        if (at_ == text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    void Space() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' ||
                                      text_[at_] == '\r' || text_[at_] == '\t'))
            ++at_;
    }

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace veltra
