#pragma once
// The help topic of each dialog, which F1 opens: the dialog's page in the
// program's own help. Where its "?" button opens another book (the
// exchange's overview for the cordless dialogs, the IP unit's own book),
// that book describes the equipment, not the dialog.

#include <string>

#include "base_station.h"
#include "e1_trunk.h"
#include "fecu_form.h"
#include "ipu_form.h"
#include "mobile.h"
#include "proposal_dialog.h"
#include "seller_dialog.h"
#include "variant_dialog.h"

namespace veltra {

std::string WindowHelpTopic(const VariantDialog& dialog);
std::string WindowHelpTopic(const E1TrunkDialog& dialog);
std::string WindowHelpTopic(const BaseStationDialog& dialog);
std::string WindowHelpTopic(const MobileDialog& dialog);
std::string WindowHelpTopic(const FecuFormDialog& dialog);
std::string WindowHelpTopic(const IpuFormDialog& dialog);
std::string WindowHelpTopic(const ProposalDialog& dialog);
std::string WindowHelpTopic(const SellerDialog& dialog);

}  // namespace veltra
