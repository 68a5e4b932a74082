#pragma once
// The seller's details in the program's settings (QSettings("Dorvesk",
// "VeltraCalculator")), read with the dialog's checks.

#include "state/proposal.h"

class QSettings;

namespace veltra {

SellerDetails ReadSellerDetails(QSettings& settings);
void StoreSellerDetails(QSettings& settings, const SellerDetails& seller);

}  // namespace veltra
