#pragma once
// What accepting a variant in a line-board dialog runs after the boards are
// set: the family's line count is written into its field, and the handlers
// that follow from it run.

#include "calculation/variant_family.h"
#include "state/app.h"

namespace veltra {

void AfterVariantAccepted(App& app, VariantDialogKind kind);

inline BoardCounts CurrentCounts(const App& app, const VariantFamily& family) {
    return CurrentCounts(app.state.config, family);
}

}  // namespace veltra
