#include "chosen_items.h"

#include <string>

#include "catalogue/number_text.h"
#include "catalogue/recording_platform.h"
#include "fecu_modules.h"
#include "recalculate.h"
#include "variant_family.h"

namespace veltra {

void SetChosenItems(Catalogue& catalogue, Platform& platform, const ConfigState& s,
                    const MainWindowModel& w, char decimalSeparator) {
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
            set(board.itemCode, s.config.*(board.count));
        }
    }

    // The E1 dialog: the boards and the firmware of each.
    set("ROF 157 5112/1", s.config.E1Boards);
    set("LZY 203 2212/1", s.config.E1CasLinks);
    set("LZY 203 2213/1", s.config.E1PriLinks);

    // The base station dialog: the control boards, the stations and the
    // central board's feed.
    set("ROF 157 5131/1", s.config.IccuBoards);
    set("ROF 157 5129/1", s.config.IcluBoards);
    set("NTM/KRCNB 301 03/1", s.config.BaseStationCount);
    set("EN/LZTNB 101 52/1", s.config.IccuBoards);

    // The handset dialog: the handsets and the one FECU module chosen.
    set("NTM/DPANB 301 04/1", s.config.HandsetCount);
    for (int k = 1; k < kFecuModules; ++k)
        set(kFecuModuleOptions[size_t(k)].item, Count(k == s.config.FecuModule));

    // The telephone fields, each its count as the field's change handling
    // reads it.
    for (const FieldInfo& info : kFields) {
        if (IsTelephoneField(info.id))
            set(info.phoneCode, CountFromText(w.field(info.id).text, decimalSeparator));
    }

    // The multi-function board and the flash memory of its drop-down.
    const Count mfu = Count(w.MFUCheck.checked);
    set("ROF 157 5132/1", mfu);
    set("LZY 203 2215/1", mfu);
    for (int k = 1; k <= 4; ++k)
        set("KDUBS 130 08/" + std::to_string(k), Count(k == w.MFU_Flash.index));
}

std::vector<Count> DerivedQuantities(const Catalogue& catalogue, const ConfigState& state,
                                     const MainWindowModel& main, char decimalSeparator) {
    RecordingPlatform quiet;
    App scratch(quiet, decimalSeparator);
    scratch.catalogue = catalogue;
    // Quantities never depend on prices; without them no total can overflow.
    for (CatalogueItem& item : scratch.catalogue) {
        item.ItemCalcQty = 0;
        item.ItemPrice = Money();
    }
    scratch.state = state;
    scratch.main = main;
    SetChosenItems(scratch);
    RecalculateAll(scratch);
    std::vector<Count> quantities;
    quantities.reserve(scratch.catalogue.size());
    for (const CatalogueItem& item : scratch.catalogue) quantities.push_back(item.ItemCalcQty);
    return quantities;
}

}  // namespace veltra
