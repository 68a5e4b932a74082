#pragma once
// The application's state: catalogue, configuration and the main window's
// model, with the platform services and the regional decimal separator. The
// program owns one; every test makes a fresh one.

#include "catalogue.h"
#include "config_state.h"
#include "mainwindow/main_window_model.h"
#include "platform.h"

namespace veltra {

struct App {
    explicit App(Platform& services, char separator = ',')
        : platform(services), decimalSeparator(separator) {}
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform& platform;
    char decimalSeparator;
    Catalogue catalogue;
    ConfigState state;
    MainWindowModel main;

    void SetItemQty(std::string_view code, Count qty) {
        veltra::SetItemQty(catalogue, platform, code, qty);
    }
    bool mfu() const { return main.MFUCheck.checked; }
};

}  // namespace veltra
