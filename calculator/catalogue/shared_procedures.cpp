#include "shared_procedures.h"

namespace veltra {

Count CountBoards(const ConfigState& s, bool mfu) {
    return s.FixedBoards + s.AnalogExt8Boards + s.AnalogExt16Boards + s.DigitalExt8Boards +
           s.DigitalExt16Boards + s.DigitalExt32Boards + Count(mfu) + s.IcluBoards + s.IccuBoards +
           s.AnalogTrunkBoards + s.E1Boards + s.Bri16Boards + s.Bri8Boards + s.Ipu4Present +
           s.Ipu8Present;
}

Count CountExtensionLines(const ConfigState& s, bool mfu) {
    return 8 * s.AnalogExt8Boards + 16 * s.AnalogExt16Boards + 8 * s.DigitalExt8Boards +
           16 * s.DigitalExt16Boards + 32 * s.DigitalExt32Boards + 12 * Count(mfu) + s.HandsetCount;
}

Count CountTrunkLines(const ConfigState& s, bool mfu) {
    return 8 * s.IcluBoards + 8 * Count(mfu) + 8 * s.IccuBoards + 8 * s.AnalogTrunkBoards +
           30 * s.E1Boards + 16 * s.Bri16Boards + 4 * s.Bri8Boards + 8 * s.Ipu8Present +
           4 * s.Ipu4Present;
}

Count CountAllLines(const ConfigState& s, bool mfu) {
    return CountTrunkLines(s, mfu) + CountExtensionLines(s, mfu);
}

Colour BlendColour(Colour a, Colour b, int wa, int wb) {
    Colour result = 0;
    const int denominator = wa + wb;
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = int(a >> shift & 0xFF), cb = int(b >> shift & 0xFF);
        const int numerator = ca * wa + cb * wb;
        int q = numerator / denominator;
        const int twiceRest = 2 * (numerator % denominator);
        if (twiceRest > denominator || (twiceRest == denominator && (q & 1))) ++q;
        result |= Colour(q) << shift;
    }
    return result;
}

AddedItemsList RefreshAddedItemsList(const Catalogue& catalogue, char decimalSeparator) {
    AddedItemsList list;
    Money total;
    for (size_t i = 0; i < catalogue.size(); ++i) {
        const CatalogueItem& item = catalogue[i];
        if (item.ItemAddQty <= 0) continue;
        const Money sum = item.ItemPrice * item.ItemAddQty;
        list.rows.push_back({ItemKey(int(i)), item.ItemName, item.ItemCode,
                             item.ItemPrice.RegionalText(decimalSeparator), item.ItemAddQty,
                             sum.RegionalText(decimalSeparator)});
        total += sum;
    }
    list.total = total.RegionalText(decimalSeparator);
    return list;
}

namespace {

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string HelpTarget(const std::string& file, const std::string& window) {
    if (window.empty()) return file;
    return Trim(file) + ">" + Trim(window);
}

void ShowHelp(Platform& platform, const std::string& file, const std::string& window,
              std::optional<int> context) {
    platform.ShowHelp(HelpTarget(file, window), context);
}

TwipsPoint InputCalcPosition(const TwipsRect& box, const std::vector<TwipsRect>& containers,
                             TwipsPoint window, int32_t dx, int32_t dy) {
    float left = box.left, top = box.top;
    for (const TwipsRect& c : containers) {
        left += c.left;
        top += c.top;
    }
    return {left + window.left + float(dx), top + window.top + box.height + float(dy)};
}

}  // namespace veltra
