#include "variant_accept.h"

#include "line_count_fields.h"
#include "main_window_inputs.h"
#include "recalculate.h"

namespace veltra {

void AfterVariantAccepted(App& app, VariantDialogKind kind) {
    switch (kind) {
        case VariantDialogKind::DigExt:
            // A new line count runs the auto-count scheme through its field;
            // the scheme then applies once more, on the count the field shows.
            UpdateDigitalExtLines(app);
            Combo1_Click(app);
            break;
        case VariantDialogKind::AnExt:
            UpdateAnalogExtLines(app);
            break;
        case VariantDialogKind::AnTr:
            UpdateAnalogTrunkLines(app);
            RecalculateAll(app);
            break;
        case VariantDialogKind::BriTrunk:
            UpdateBriChannels(app);
            RecalculateAll(app);
            break;
    }
}

}  // namespace veltra
