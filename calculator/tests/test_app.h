#pragma once
// A freshly started application on the shipped price list, with a recording
// platform; a calculation started inside another throws.

#include <gtest/gtest.h>

#include "app/startup.h"
#include "catalogue/recording_platform.h"
#include "state/app.h"

namespace veltra::testing {

struct TestApp {
    explicit TestApp(char separator = ',') : app(platform, separator) {
        // A calculation started inside another fails the test.
        app.calculations.reentryFatal = true;
        StartUp(app, VELTRA_PRICE_LIST);
    }
    Count Qty(std::string_view code) const {
        const int index = FindItem(app.catalogue, code);
        EXPECT_GE(index, 0) << code;
        return index < 0 ? Count(-1) : app.catalogue[index].ItemCalcQty;
    }
    const std::string& Text(FieldId id) const { return app.main.field(id).text; }

    RecordingPlatform platform;
    App app;
};

}  // namespace veltra::testing
