#include "variant_family.h"

namespace veltra {

namespace {

// None, one 8-line board, then 32-line boards with a 16-line board on even rows.
BoardCounts DigitalVariant(int i) {
    if (i == 0) return {0, 0, 0};
    if (i == 1) return {0, 0, 1};
    return {Count((i - 1) / 2), Count(i % 2 == 0 ? 1 : 0), 0};
}

// Pairs of the small board become one large board.
BoardCounts PairedVariant(int i) {
    return {Count(i / 2), Count(i % 2), 0};
}

BoardCounts SingleVariant(int i) {
    return {Count(i), 0, 0};
}

constexpr BoardKind kNoKind{"", "", 0, 0, nullptr, 0, ""};

const VariantFamily kDigExt{
    VariantDialogKind::DigExt,
    "DigExt",
    "Цифровые абонентские линии",
    3,
    {{{"ELU-D/32", "ROF 157 5130/1", 32, 32, &Configuration::DigitalExt32Boards, Rgb(0, 128, 0),
       "Label32"},
      {"ELU-D/16", "ROF 157 5130/2", 16, 16, &Configuration::DigitalExt16Boards, Rgb(0, 192, 0),
       "Label16"},
      {"ELU-D/8", "ROF 157 5130/3", 8, 8, &Configuration::DigitalExt8Boards, Rgb(0, 255, 0),
       "Label8"}}},
    DigitalVariant,
    8,
    true,
    "LabelMFU",
    false,
    false,
    "ARFlatBttn1",
    "VeltraCalculator.chm::/source/dig_ext.htm",
};

const VariantFamily kAnExt{
    VariantDialogKind::AnExt,
    "AnExt",
    "Аналоговые абонентские линии",
    2,
    {{{"ELU-A/16", "ROF 157 5114/1", 16, 16, &Configuration::AnalogExt16Boards, Rgb(0, 128, 0),
       "Label16"},
      {"ELU-A/8", "ROF 157 5114/3", 8, 8, &Configuration::AnalogExt8Boards, Rgb(0, 255, 0),
       "Label8"},
      kNoKind}},
    PairedVariant,
    4,
    true,
    "LabelMfu",
    false,
    false,
    "ARFlatBttn1",
    "VeltraCalculator.chm::/source/an_ext.htm",
};

const VariantFamily kAnTr{
    VariantDialogKind::AnTr,
    "AnTr",
    "Аналоговые соединительные линии",
    1,
    {{{"BTU-A/8", "ROF 157 5110/1", 8, 8, &Configuration::AnalogTrunkBoards, Rgb(0, 128, 0),
       "Label8"},
      kNoKind,
      kNoKind}},
    SingleVariant,
    0,
    false,
    "",
    true,
    false,
    "Command3",
    nullptr,
};

const VariantFamily kBriTrunk{
    VariantDialogKind::BriTrunk,
    "BriTrunk",
    "BRI интерфейсы",
    2,
    {{{"BTU-B8", "ROF 157 5121/4", 16, 16, &Configuration::Bri16Boards, Rgb(0, 128, 0), "Label8"},
      {"BTU-B4", "ROF 157 5121/5", 8, 4, &Configuration::Bri8Boards, Rgb(0, 255, 0), "Label4"},
      kNoKind}},
    PairedVariant,
    8,
    true,
    "LabelMfu",
    true,
    true,
    "Command3",
    nullptr,
};

}  // namespace

const VariantFamily& FamilyOf(VariantDialogKind kind) {
    switch (kind) {
        case VariantDialogKind::DigExt:
            return kDigExt;
        case VariantDialogKind::AnExt:
            return kAnExt;
        case VariantDialogKind::AnTr:
            return kAnTr;
        case VariantDialogKind::BriTrunk:
            return kBriTrunk;
    }
    return kDigExt;
}

Count LinesOf(const VariantFamily& family, const BoardCounts& counts) {
    Count lines = 0;
    for (int k = 0; k < family.kindCount; ++k)
        lines += counts[size_t(k)] * family.kinds[size_t(k)].lines;
    return lines;
}

Count CapacityLinesOf(const VariantFamily& family, const BoardCounts& counts) {
    Count lines = 0;
    for (int k = 0; k < family.kindCount; ++k)
        lines += counts[size_t(k)] * family.kinds[size_t(k)].capacityLines;
    return lines;
}

Count BoardsOf(const VariantFamily& family, const BoardCounts& counts) {
    Count boards = 0;
    for (int k = 0; k < family.kindCount; ++k) boards += counts[size_t(k)];
    return boards;
}

BoardCounts CurrentCounts(const Configuration& config, const VariantFamily& family) {
    BoardCounts counts{0, 0, 0};
    for (int k = 0; k < family.kindCount; ++k)
        counts[size_t(k)] = config.*(family.kinds[size_t(k)].count);
    return counts;
}

}  // namespace veltra
