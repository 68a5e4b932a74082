// Writes the rich test configuration as a saved calculation, for the tests
// that need a real ".veltra" file (the package's file type, the command line):
//   veltra_calculation_sample OUT.veltra
// Priced with the shipped price list and dated once for all, so every run
// writes the same bytes.
#include <iostream>

#include "app/startup.h"
#include "catalogue/recording_platform.h"
#include "document/calculation_file.h"
#include "rich_configuration.h"
#include "state/app.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: veltra_calculation_sample OUT.veltra\n";
        return 2;
    }
    veltra::RecordingPlatform platform;
    veltra::App app(platform, ',');
    veltra::StartUp(app, VELTRA_PRICE_LIST);
    veltra::BuildRichConfiguration(app);
    // Saving an unchanged calculation keeps the date it was saved with.
    app.document.savedContent = veltra::CurrentContent(app);
    app.document.savedDate = "2026-01-15T10:00:00";
    if (!veltra::SaveCalculation(app, argv[1])) {
        for (const auto& message : platform.messages) std::cerr << message.text << '\n';
        return 1;
    }
    return 0;
}
