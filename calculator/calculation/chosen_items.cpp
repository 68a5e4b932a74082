#include "chosen_items.h"

#include <string>

#include "calculate.h"
#include "catalogue/number_text.h"
#include "catalogue/recording_platform.h"
#include "fecu_modules.h"
#include "variant_family.h"

namespace veltra {

void SetChosenItems(Catalogue& catalogue, Platform& platform, const Configuration& config,
                    const CalculationInputs& inputs) {
    const auto set = [&](std::string_view code, Count qty) {
        SetItemQty(catalogue, platform, code, qty);
    };
    // Start-up and every reset.
    set("ROF 157 5124/1", 1);
    set("LZY 203 2232/1", 1);

    // The variant dialogs: one item per board kind.
    for (VariantDialogKind kind : {VariantDialogKind::DigExt, VariantDialogKind::AnExt,
                                   VariantDialogKind::AnTr, VariantDialogKind::BriTrunk}) {
        const VariantFamily& family = FamilyOf(kind);
        for (int k = 0; k < family.kindCount; ++k) {
            const BoardKind& board = family.kinds[size_t(k)];
            set(board.itemCode, config.*(board.count));
        }
    }

    // The E1 dialog: the boards and the firmware of each.
    set("ROF 157 5112/1", config.E1Boards);
    set("LZY 203 2212/1", config.E1CasLinks);
    set("LZY 203 2213/1", config.E1PriLinks);

    // The base station dialog: the control boards, the stations and the
    // central board's feed.
    set("ROF 157 5131/1", config.IccuBoards);
    set("ROF 157 5129/1", config.IcluBoards);
    set("NTM/KRCNB 301 03/1", config.BaseStationCount);
    set("EN/LZTNB 101 52/1", config.IccuBoards);

    // The handset dialog: the handsets and the one FECU module chosen.
    set("NTM/DPANB 301 04/1", config.HandsetCount);
    for (int k = 1; k < kFecuModules; ++k)
        set(kFecuModuleOptions[size_t(k)].item, Count(k == config.FecuModule));

    // The telephone fields, each its count as the field's change handling
    // reads it.
    for (size_t t = 0; t < kTelephoneCodes.size(); ++t)
        set(kTelephoneCodes[t], CountFromNumber(inputs.telephones[t]));

    // The multi-function board and the flash memory of its drop-down.
    const Count mfu = Count(inputs.mfu);
    set("ROF 157 5132/1", mfu);
    set("LZY 203 2215/1", mfu);
    for (int k = 1; k <= 4; ++k)
        set("KDUBS 130 08/" + std::to_string(k), Count(k == inputs.mfuFlash));
}

std::vector<Count> DerivedQuantities(const Catalogue& catalogue, const ConfigState& state,
                                     const CalculationInputs& inputs) {
    RecordingPlatform quiet;
    Catalogue scratch = catalogue;
    // Quantities never depend on prices; without them no total can overflow.
    for (CatalogueItem& item : scratch) {
        item.ItemCalcQty = 0;
        item.ItemPrice = Money();
    }
    DerivedValues derived = state.results;
    SetChosenItems(scratch, quiet, state.config, inputs);
    CalculationResults results;
    Calculate({scratch, quiet, state.limits, state.config, inputs, derived}, results);
    std::vector<Count> quantities;
    quantities.reserve(scratch.size());
    for (const CatalogueItem& item : scratch) quantities.push_back(item.ItemCalcQty);
    return quantities;
}

}  // namespace veltra
