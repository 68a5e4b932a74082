// Saves the rich test configuration as a calculation file, for the tests and
// benchmarks that run the program on one:
//   veltra_calculation_sample OUT.veltra [DISCOUNT_PERCENT]
#include <cstdlib>
#include <iostream>

#include "app/startup.h"
#include "catalogue/recording_platform.h"
#include "document/calculation_file.h"
#include "rich_configuration.h"
#include "state/app.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: veltra_calculation_sample OUT.veltra [DISCOUNT_PERCENT]\n";
        return 2;
    }
    veltra::RecordingPlatform platform;
    veltra::App app(platform, ',');
    veltra::StartUp(app, VELTRA_PRICE_LIST);
    veltra::BuildRichConfiguration(app);
    if (argc > 2) app.state.QuotationDiscountPercent = std::atof(argv[2]);
    const bool saved = veltra::SaveCalculation(app, argv[1]);
    for (const auto& message : platform.messages) std::cerr << message.text << '\n';
    return saved && platform.messages.empty() ? 0 : 1;
}
