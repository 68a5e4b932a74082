#pragma once
// Price lists come either as UTF-8 or in the Cyrillic Windows code page.

#include <optional>
#include <string>
#include <string_view>

namespace veltra {

bool IsValidUtf8(std::string_view bytes);
// Windows-1251 to UTF-8; nullopt for the one byte the code page leaves undefined.
std::optional<std::string> DecodeCp1251(std::string_view bytes);
// False when a byte is undefined in the code page or no converter is available.
bool IsCp1251Decodable(std::string_view bytes);
// Windows-1251 to UTF-8 for bytes IsCp1251Decodable accepted.
std::string DecodeCp1251Field(std::string_view bytes);
// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped), else
// Windows-1251.
std::optional<std::string> DecodePriceListText(std::string_view bytes);

}  // namespace veltra
