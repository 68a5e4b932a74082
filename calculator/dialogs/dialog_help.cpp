#include "dialog_help.h"

namespace veltra {

std::string WindowHelpTopic(const VariantDialog& dialog) {
    switch (dialog.family->kind) {
        case VariantDialogKind::DigExt:
            return "VeltraCalculator.chm::/source/dig_ext.htm";
        case VariantDialogKind::AnExt:
            return "VeltraCalculator.chm::/source/an_ext.htm";
        case VariantDialogKind::AnTr:
            return "VeltraCalculator.chm::/source/an_trunk.htm";
        case VariantDialogKind::BriTrunk:
            return "VeltraCalculator.chm::/source/bri_trunk.htm";
    }
    return "VeltraCalculator.chm";
}

std::string WindowHelpTopic(const E1TrunkDialog&) {
    return "VeltraCalculator.chm::/source/e1_trunk.htm";
}

std::string WindowHelpTopic(const BaseStationDialog&) {
    return "VeltraCalculator.chm::/source/dect.htm";
}

std::string WindowHelpTopic(const MobileDialog&) {
    return "VeltraCalculator.chm::/source/dect.htm";
}

std::string WindowHelpTopic(const FecuFormDialog&) {
    return "VeltraCalculator.chm::/source/networking.htm";
}

std::string WindowHelpTopic(const IpuFormDialog&) {
    return "VeltraCalculator.chm::/source/networking.htm";
}

std::string WindowHelpTopic(const ProposalDialog&) {
    return kProposalHelpTarget;
}

std::string WindowHelpTopic(const SellerDialog&) {
    return kProposalHelpTarget;
}

}  // namespace veltra
