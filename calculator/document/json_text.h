#pragma once
// JSON text as the calculation file reads it: parsed as the library parses
// it, and compared with what the library would write without writing it.

#include <nlohmann/json.hpp>
#include <string_view>

namespace veltra {

// What nlohmann::ordered_json::parse gives for `text`, throwing the same
// parse_error or out_of_range, built with fewer copies.
nlohmann::ordered_json ParseJson(std::string_view text);

// Whether `text` is byte for byte what value.dump() writes.
bool IsDumpOf(const nlohmann::ordered_json& value, std::string_view text);

// The closing quote of the JSON string whose text starts at `start`, or
// text.size() when it has none.
size_t StringEnd(std::string_view text, size_t start);

}  // namespace veltra
