#include <gtest/gtest.h>

#include "catalogue/count.h"
#include "catalogue/money.h"
#include "catalogue/number_text.h"

namespace veltra {
namespace {

TEST(Count, ChecksSumsAndProductsAgainstSixteenBits) {
    const Count big = 32767;
    EXPECT_THROW(big + 1, OverflowError);
    EXPECT_THROW(Count(-32768) - 1, OverflowError);
    EXPECT_THROW(Count(200) * Count(200), OverflowError);
    EXPECT_THROW(Count(40000), OverflowError);
    EXPECT_EQ(int(Count(100) * 300), 30000);
    EXPECT_EQ(int(8 * Count(3) + Count(2)), 26);
}

TEST(Money, InvariantTextHasLeadingBlankAndNoTrailingZeros) {
    EXPECT_EQ(Money::FromRaw(12345000).InvariantText(), " 1234.5");
    EXPECT_EQ(Money().InvariantText(), " 0");
    EXPECT_EQ(Money::FromRaw(-32500).InvariantText(), "-3.25");
    EXPECT_EQ(Money::FromUnits(10).InvariantText(), " 10");
    EXPECT_EQ(Money::FromRaw(125).InvariantText(), " 0.0125");
}

TEST(Money, RegionalTextUsesTheGivenSeparator) {
    EXPECT_EQ(Money::FromRaw(315000).RegionalText(','), "31,5");
    EXPECT_EQ(Money::FromUnits(10).RegionalText(','), "10");
    EXPECT_EQ(Money::FromRaw(125).RegionalText('.'), "0.0125");
    EXPECT_EQ(Money::FromRaw(-32500).RegionalText(','), "-3,25");
}

TEST(Money, ParsesRegionalNumbersExactly) {
    EXPECT_EQ(Money::Parse("1250,50", ','), Money::FromRaw(12505000));
    EXPECT_EQ(Money::Parse(" 3,75 ", ','), Money::FromRaw(37500));
    EXPECT_EQ(Money::Parse("-2", ','), Money::FromUnits(-2));
    EXPECT_EQ(Money::Parse("0.1", '.'), Money::FromRaw(1000));
    EXPECT_FALSE(Money::Parse("12.5", ',').has_value());
    EXPECT_FALSE(Money::Parse("", ',').has_value());
    EXPECT_FALSE(Money::Parse("по запросу", ',').has_value());
    EXPECT_FALSE(Money::Parse("1,2,3", ',').has_value());
    // Digits past the fourth decimal round half to even.
    EXPECT_EQ(Money::Parse("0,00005", ','), Money());
    EXPECT_EQ(Money::Parse("0,00015", ','), Money::FromRaw(2));
    EXPECT_EQ(Money::Parse("0,000151", ','), Money::FromRaw(2));
    EXPECT_EQ(Money::Parse("1,5e2", ','), Money::FromUnits(150));
    EXPECT_FALSE(Money::Parse("1e30", ',').has_value());
}

TEST(Money, ArithmeticIsExactAndOverflowChecked) {
    const Money price = *Money::Parse("10,50", ',');
    EXPECT_EQ(price * Count(3), Money::FromRaw(315000));
    EXPECT_EQ(Money::FromRaw(1000) + Money::FromRaw(2000), Money::FromRaw(3000));
    EXPECT_THROW(Money::FromRaw(INT64_MAX) + Money::FromRaw(1), OverflowError);
    EXPECT_THROW(Money::FromRaw(INT64_MAX / 2) * Count(3), OverflowError);
}

TEST(NumberText, NumericMeansTheRegionalFormat) {
    EXPECT_TRUE(IsNumeric("12,5", ','));
    EXPECT_FALSE(IsNumeric("12.5", ','));
    EXPECT_TRUE(IsNumeric("12.5", '.'));
    EXPECT_TRUE(IsNumeric(" -7 ", ','));
    EXPECT_FALSE(IsNumeric("", ','));
    EXPECT_FALSE(IsNumeric(",", ','));
    EXPECT_FALSE(IsNumeric("12abc", ','));
    EXPECT_EQ(CountFromText("12,5", ','), 12);
    EXPECT_EQ(CountFromText("13,5", ','), 14);
    EXPECT_EQ(CountFromText("05", ','), 5);
    EXPECT_EQ(CountFromText("40000", ','), 0);
    EXPECT_EQ(CountFromText("x", ','), 0);
    EXPECT_EQ(NumberToText(2.5, ','), "2,5");
    EXPECT_EQ(NumberToText(12, ','), "12");
}

}  // namespace
}  // namespace veltra
