#pragma once
// Reading "price.txt": records of three fields (name, code, price). Commas and
// line ends both separate fields; a double-quoted field may hold commas.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "catalogue.h"

namespace veltra {

class PriceListError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A list of 32 767 records takes 1-2 MB; anything far larger is not a price list.
inline constexpr size_t kMaxPriceListBytes = 16 * 1024 * 1024;

// No exchange part costs more: a dearer price is a slip in the list, and it is
// refused with its line, as a negative one is. Every total of one configuration then stays within
// the money type; only very many hand-added items can still overflow it.
inline constexpr Money kMaxPrice = Money::FromRaw(1'000'000'000 * Money::kScale);

// Parses decoded (UTF-8) text; `fileName` only names the file in messages.
Catalogue ParsePriceList(std::string_view text, char decimalSeparator, const std::string& fileName);

// Decodes and parses the bytes of a price list file; `fileName` only names the
// file in messages. Throws PriceListError as LoadPriceList does.
Catalogue ReadPriceList(std::string_view bytes, char decimalSeparator, const std::string& fileName);

// The bytes of a regular file of at most kMaxPriceListBytes; throws
// PriceListError with a message for the user when it cannot be read.
std::string ReadPriceListBytes(const std::filesystem::path& path);

// Which price list a calculation was priced with.
struct PriceListFile {
    std::string name;  // the file name, without its folder
    uint64_t size = 0;
    std::string sha256;  // of the file's bytes, lower-case hex

    friend bool operator==(const PriceListFile&, const PriceListFile&) = default;
};
PriceListFile IdentifyPriceList(const std::filesystem::path& path, std::string_view bytes);

// Reads, decodes and parses a regular file of at most kMaxPriceListBytes.
// Throws PriceListError with a message for the user when the file cannot be
// read or is not a complete price list.
Catalogue LoadPriceList(const std::filesystem::path& path, char decimalSeparator);

}  // namespace veltra
