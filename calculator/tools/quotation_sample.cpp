// Writes the quotation of the rich test configuration, for the tests that read
// it back with other programs:
//   veltra_quotation_sample OUT.xlsx [DISCOUNT_PERCENT]
// One hand-added item, the fan unit "BKV 104 12/1", is priced 250 here so that
// a discount has a round figure to show.
#include <cstdlib>
#include <iostream>

#include "app/startup.h"
#include "catalogue/recording_platform.h"
#include "handling/recalculate.h"
#include "report/quotation_export.h"
#include "rich_configuration.h"
#include "state/app.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: veltra_quotation_sample OUT.xlsx [DISCOUNT_PERCENT]\n";
        return 2;
    }
    veltra::RecordingPlatform platform;
    veltra::App app(platform, ',');
    veltra::StartUp(app, VELTRA_PRICE_LIST);
    veltra::BuildRichConfiguration(app);
    veltra::CatalogueItem& fans = app.catalogue.at(size_t(FindItem(app.catalogue, "BKV 104 12/1")));
    fans.ItemPrice = veltra::Money::FromUnits(250);
    fans.ItemAddQty = 2;
    veltra::RecalculateAll(app);
    if (argc > 2) app.state.config.QuotationDiscountPercent = std::atof(argv[2]);
    if (!veltra::ExportQuotationTo(app, argv[1])) {
        for (const auto& message : platform.messages) std::cerr << message.text << '\n';
        return 1;
    }
    return 0;
}
