#pragma once
// The application's state: catalogue, configuration and the main window's
// models, with the platform services and the regional decimal separator. The
// program owns one; every test makes a fresh one. Dialogs and keypads reach
// everything through it.

#include "catalogue/added_items.h"
#include "catalogue/capacity.h"
#include "catalogue/catalogue.h"
#include "catalogue/config_state.h"
#include "catalogue/help_target.h"
#include "catalogue/platform.h"
#include "catalogue/price_list.h"
#include "document.h"
#include "main_form_model.h"
#include "main_window_model.h"
#include "proposal.h"

namespace veltra {

// How often the calculation ran, and whether it is running: it never starts
// inside itself. Tests make a start inside another fatal.
struct CalculationRuns {
    long count = 0;
    long reentered = 0;
    bool running = false;
    bool reentryFatal = false;
};

struct App {
    explicit App(Platform& services, char separator = ',')
        : platform(services), decimalSeparator(separator) {}
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform;
    char decimalSeparator;
    Catalogue catalogue;
    PriceListFile priceList;  // what the catalogue was read from
    ConfigState state;
    MainWindowModel main;      // the inputs: count fields, options, status panels
    MainFormModel form;        // pages, tree and list selection, added-items rows
    Document document;         // the file the calculation is kept in
    ProposalDetails proposal;  // kept in the file with the calculation
    SellerDetails seller;      // kept with the program's settings
    int interfaceScale = 100;  // percent, for this run

    CalculationRuns calculations;

    void SetItemQty(std::string_view code, Count qty) {
        veltra::SetItemQty(catalogue, platform, code, qty);
    }
    bool mfu() const { return main.MFUCheck.checked; }
};

// The shared procedures as every window calls them, on the application's state.
inline Count CountBoards(const App& app) {
    return CountBoards(app.state, app.mfu());
}
inline Count CountExtensionLines(const App& app) {
    return CountExtensionLines(app.state.config, app.mfu());
}
inline Count CountTrunkLines(const App& app) {
    return CountTrunkLines(app.state.config, app.mfu());
}
inline Count CountAllLines(const App& app) {
    return CountAllLines(app.state.config, app.mfu());
}
inline AddedItemsList RefreshAddedItemsList(const App& app) {
    return RefreshAddedItemsList(app.catalogue, app.decimalSeparator);
}
inline void ShowHelp(App& app, const std::string& file, const std::string& window = "",
                     std::optional<int> context = std::nullopt) {
    ShowHelp(app.platform, file, window, context);
}

// Runs one user-interface event; an overflow stops the event's work and is
// reported, everything already written stays.
template <class Handler>
void RunEvent(App& app, Handler&& handler) {
    try {
        handler();
    } catch (const OverflowError& error) {
        app.platform.ShowMessage(error.what(), kAppTitle, MessageIcon::Critical);
    }
}

}  // namespace veltra
