#pragma once
// SHA-256 of a byte string, as 64 lower-case hex digits: how a saved
// calculation names the price list it was priced with.

#include <string>
#include <string_view>

namespace veltra {

std::string Sha256Hex(std::string_view bytes);

}  // namespace veltra
