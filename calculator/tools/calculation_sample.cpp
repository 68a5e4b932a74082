// Writes the rich test configuration as a saved calculation, for the tests
// and benchmarks that need a real ".veltra" file (the package's file type,
// the command line):
//   veltra_calculation_sample OUT.veltra [DISCOUNT_PERCENT]
// Priced with the shipped price list and dated once for all, so every run
// writes the same bytes.
#include <cstdlib>
#include <iostream>

#include "app/startup.h"
#include "catalogue/recording_platform.h"
#include "document/calculation_file.h"
#include "rich_configuration.h"
#include "state/app.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: veltra_calculation_sample OUT.veltra [DISCOUNT_PERCENT]\n";
        return 2;
    }
    veltra::RecordingPlatform platform;
    veltra::App app(platform, ',');
    veltra::StartUp(app, VELTRA_PRICE_LIST);
    veltra::BuildRichConfiguration(app);
    if (argc > 2) app.state.config.QuotationDiscountPercent = std::atof(argv[2]);
    // Saving an unchanged calculation keeps the date it was saved with.
    app.document.savedContent = veltra::CurrentContent(app);
    app.document.savedDate = "2026-01-15T10:00:00";
    const bool saved = veltra::SaveCalculation(app, argv[1]);
    for (const auto& message : platform.messages) std::cerr << message.text << '\n';
    return saved && platform.messages.empty() ? 0 : 1;
}
