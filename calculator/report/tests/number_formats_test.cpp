// Every text made of a number or of money, fed values no configuration
// should reach: each gives a text, none throws or overruns a buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "catalogue/number_text.h"
#include "dialogs/mobile.h"
#include "mainwindow/catalogue_page.h"
#include "report/cabinet_picture.h"
#include "report/quotation.h"
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
        size_t dollarDigits;  // digits of the sheet's dollar text; 0: "#NUM!"
    } kCases[] = {{1e60, 62},     {-1e60, 62},     {1e300, 303},
                  {kInfinity, 0}, {-kInfinity, 0}, {std::nan(""), 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_FALSE(NumberToText(c.value, ',').empty());
        EXPECT_FALSE(DiscountText(c.value, ',').empty());
        EXPECT_FALSE(TrafficFigure(c.value, ',').empty());
        EXPECT_FALSE(HeightText(c.value).empty());
        const std::string dollars = Shown(c.value, "[$$-409]#,##0.00");
        EXPECT_EQ(size_t(std::count_if(dollars.begin(), dollars.end(), ::isdigit)), c.dollarDigits)
            << dollars;
        if (c.dollarDigits == 0) {
            for (const char* format : {"", "0%", "[$$-409]#,##0.00"})
                EXPECT_EQ(Shown(c.value, format), "#NUM!");
        } else {
            // Grouped in threes all the way: "$999,999,...,904.00".
            const size_t whole = c.dollarDigits - 2;
            EXPECT_EQ(size_t(std::count(dollars.begin(), dollars.end(), ',')), (whole - 1) / 3);
            EXPECT_EQ(dollars.substr(dollars.size() - 3), ".00");
            const std::string percent = Shown(c.value, "0%");  // 100 times: two digits more
            EXPECT_GE(percent.size(), c.dollarDigits + 1);
            EXPECT_EQ(percent.back(), '%');
            EXPECT_NE(Shown(c.value, "").find("e+"), std::string::npos);
        }
        // The export's own road: the discount reprices every line and total.
        testing::TestApp t;
        t.app.state.QuotationDiscountPercent = c.value;
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
