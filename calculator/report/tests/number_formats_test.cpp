// Every text made of a number or of money, fed values no configuration
// should reach: each gives a text, none throws or overruns a buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "catalogue/number_text.h"
#include "dialogs/mobile.h"
#include "mainwindow/catalogue_page.h"
#include "report/quotation.h"
#include "state/cabinet_picture.h"
#include "tests/test_app.h"

namespace veltra {
namespace {

std::string Shown(double value, const char* format) {
    SheetCell cell;
    cell.kind = SheetCell::Kind::Number;
    cell.value = value;
    cell.format.numberFormat = format;
    return DisplayText(cell);
}

TEST(NumberFormats, EveryFormatterTakesAnyDouble) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* dollars;  // how the sheet's dollar text starts and ends
        const char* dollarsEnd;
        const char* general;
    } kCases[] = {
        {1e60, "$999,999,999,999,999,949,387,135,", ",083,904.00", "1e+60"},
        {-1e60, "-$999,999,999,999,999,949,387,135,", ",083,904.00", "-1e+60"},
        {1e300, "$1,000,000,000,000,000,052,504,76", ",540,160.00", "1e+300"},
        {kInfinity, "#NUM!", "#NUM!", "#NUM!"},
        {-kInfinity, "#NUM!", "#NUM!", "#NUM!"},
        {std::nan(""), "#NUM!", "#NUM!", "#NUM!"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_FALSE(NumberToText(c.value, ',').empty());
        EXPECT_FALSE(DiscountText(c.value, ',').empty());
        EXPECT_FALSE(TrafficFigure(c.value, ',').empty());
        EXPECT_FALSE(HeightText(c.value).empty());
        const std::string dollars = Shown(c.value, "[$$-409]#,##0.00");
        EXPECT_TRUE(dollars.starts_with(c.dollars) && dollars.ends_with(c.dollarsEnd)) << dollars;
        EXPECT_EQ(Shown(c.value, ""), c.general);
        EXPECT_FALSE(Shown(c.value, "0%").empty());
        // The export's own road: the discount reprices every line and total.
        testing::TestApp t;
        t.app.state.config.QuotationDiscountPercent = c.value;
        EXPECT_NO_THROW(BuildQuotation(t.app));
    }
    // Money holds no such values; its own extremes instead.
    for (const Money m : {Money::FromRaw(INT64_MAX), Money::FromRaw(INT64_MIN)}) {
        EXPECT_EQ(m.RegionalText(',').size(), m < Money() ? 21u : 20u);
        EXPECT_EQ(m.InvariantText().size(), 21u);
        EXPECT_NE(DiscountPriceFormula(m).find(m.RegionalText('.')), std::string::npos);
    }
}

}  // namespace
}  // namespace veltra
