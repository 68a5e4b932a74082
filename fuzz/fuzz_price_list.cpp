// The price list reader from the bytes of a file: a list it accepts is a
// consistent catalogue (levels, names, keys, parent keys, tree), it reads the
// same under either decimal separator, and written back out it reads as the
// same catalogue. Input: one byte choosing the decimal separator ("." or else
// ","), then the file.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/price_list.h"
#include "catalogue/text_decoding.h"
#include "check.h"

using namespace veltra;

namespace {

// The parent an entry must get: the last heading one level up (any heading
// for an item), or entry 0 when there is none.
std::string ExpectedParent(const Catalogue& catalogue, size_t index) {
    const int level = catalogue[index].ItemLevel;
    if (level == 1) return "";
    for (size_t j = index; j-- > 0;) {
        const int above = catalogue[j].ItemLevel;
        if (level == 0 ? above >= 1 : above == level - 1) return ItemKey(int(j));
    }
    return ItemKey(0);
}

// The catalogue as a price list with every field quoted, prices in the
// regional text or, with a leading blank, the status bar's; empty when a field
// cannot be written that way.
std::string Written(const Catalogue& catalogue, char separator, bool invariantPrices) {
    std::string text;
    for (const CatalogueItem& item : catalogue) {
        const std::string fields[] = {std::string(size_t(int(item.ItemLevel)), '*') + item.ItemName,
                                      item.ItemCode,
                                      invariantPrices ? item.ItemPrice.InvariantText()
                                                      : item.ItemPrice.RegionalText(separator)};
        for (const std::string& field : fields) {
            if (field.find('"') != std::string::npos) return "";
            text += '"' + field + "\",";
        }
        text.back() = '\r';
        text += '\n';
    }
    return text;
}

bool SameEntries(const Catalogue& a, const Catalogue& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].ItemLevel != b[i].ItemLevel || a[i].ItemName != b[i].ItemName ||
            a[i].ItemCode != b[i].ItemCode || a[i].ItemPrice != b[i].ItemPrice)
            return false;
    }
    return true;
}

std::optional<Catalogue> Read(std::string_view bytes, char separator) {
    try {
        return ReadPriceList(bytes, separator, "fuzz.txt");
    } catch (const PriceListError& error) {
        // Every refusal tells the user which file it is about.
        FUZZ_CHECK(std::string_view(error.what()).find("\u00ABfuzz.txt\u00BB") !=
                   std::string::npos);
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const char separator = data[0] == '.' ? '.' : ',';
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    // Prices read the same whatever the regional separator.
    const auto read = Read(bytes, separator);
    const auto other = Read(bytes, separator == ',' ? '.' : ',');
    FUZZ_CHECK(read.has_value() == other.has_value());
    // Splitting the file's own bytes gives what splitting the decoded text
    // gives, refusals included.
    if (const auto decoded = DecodePriceListText(bytes)) {
        const auto Outcome =
            [](const auto& parse) -> std::pair<std::optional<Catalogue>, std::string> {
            try {
                return {parse(), ""};
            } catch (const PriceListError& error) {
                return {std::nullopt, error.what()};
            }
        };
        const auto direct = Outcome([&] { return ReadPriceList(bytes, separator, "fuzz.txt"); });
        const auto viaText =
            Outcome([&] { return ParsePriceList(*decoded, separator, "fuzz.txt"); });
        FUZZ_CHECK(direct.second == viaText.second);
        FUZZ_CHECK(direct.first.has_value() == viaText.first.has_value());
        if (direct.first) FUZZ_CHECK(SameEntries(*direct.first, *viaText.first));
    } else {
        FUZZ_CHECK(!read);
    }
    if (!read) return 0;
    FUZZ_CHECK(SameEntries(*other, *read));
    Catalogue catalogue = *read;
    FUZZ_CHECK(!catalogue.empty() && catalogue.size() <= size_t(kMaxCatalogueEntries));
    BuildParentKeys(catalogue);
    for (size_t i = 0; i < catalogue.size(); ++i) {
        const CatalogueItem& item = catalogue[i];
        FUZZ_CHECK(item.ItemLevel >= 0 && item.ItemLevel <= 4);
        FUZZ_CHECK(item.ItemPrice <= kMaxPrice && Money() - item.ItemPrice <= kMaxPrice);
        FUZZ_CHECK(item.ItemLevel == 4 || ItemLevelOf(item.ItemName) == 0);
        FUZZ_CHECK(ItemIndexFromKey(ItemKey(int(i))) == int(i));
        FUZZ_CHECK(item.ItemParentKey == ExpectedParent(catalogue, i));
    }
    const auto nodes = CatalogueTreeNodes(catalogue);
    FUZZ_CHECK(nodes.size() == catalogue.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        FUZZ_CHECK(nodes[i].key == ItemKey(int(i)));
        // A node hangs under an earlier node or is a root.
        if (!nodes[i].parentKey.empty()) {
            const int parent = ItemIndexFromKey(nodes[i].parentKey);
            FUZZ_CHECK(parent >= 0 && size_t(parent) < i && nodes[i].parentKey == ItemKey(parent));
        }
    }

    // Written back out, the list reads as the same catalogue.
    for (const bool invariantPrices : {false, true}) {
        const std::string text = Written(catalogue, separator, invariantPrices);
        if (text.empty()) return 0;
        FUZZ_CHECK(SameEntries(ParsePriceList(text, separator, "written.txt"), catalogue));
    }
    return 0;
}
