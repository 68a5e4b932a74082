#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "catalogue/price_list.h"
#include "catalogue/recording_platform.h"
#include "catalogue/text_decoding.h"

namespace veltra {
namespace {

using namespace std::string_view_literals;

Catalogue Parse(std::string_view text, char separator = ',') {
    return ParsePriceList(text, separator, "price.txt");
}

std::string ErrorOf(std::string_view text) {
    try {
        Parse(text);
    } catch (const PriceListError& error) {
        return error.what();
    }
    return "";
}

TEST(PriceList, ReadsRecordsOfThreeFields) {
    const Catalogue c = Parse(
        "*Шкафы,,\r\n"
        "**Платы,,\r\n"
        "ELU-D/32,ROF 157 5130/1,\"1250,50\"\r\n"
        "\"Кабель, 5 м\",TSR 901 0472/3,  12\r\n"
        "***Прочее,,\r\n"
        "*****Звёзды,X 1,слова\r\n");
    ASSERT_EQ(c.size(), 6u);
    EXPECT_EQ(int(c[0].ItemLevel), 1);
    EXPECT_EQ(c[0].ItemName, "Шкафы");
    EXPECT_EQ(c[2].ItemCode, "ROF 157 5130/1");
    EXPECT_EQ(c[2].ItemPrice, *Money::Parse("1250,5", ','));
    EXPECT_EQ(c[3].ItemName, "Кабель, 5 м");
    EXPECT_EQ(c[3].ItemPrice, Money::FromUnits(12));
    EXPECT_EQ(int(c[4].ItemLevel), 3);
    EXPECT_EQ(c[4].ItemName, "Прочее");
    // A fifth asterisk stays part of the name; words give price 0.
    EXPECT_EQ(int(c[5].ItemLevel), 4);
    EXPECT_EQ(c[5].ItemName, "*Звёзды");
    EXPECT_EQ(c[5].ItemPrice, Money());
    for (const auto& item : c) {
        EXPECT_EQ(int(item.ItemCalcQty), 0);
        EXPECT_EQ(int(item.ItemAddQty), 0);
    }
}

TEST(PriceList, LineEndsAndCommasBothSeparateFields) {
    const Catalogue crlf = Parse("A,B,1\r\nC,D,2");
    const Catalogue lf = Parse("A,B,1\nC,D,2\n");
    const Catalogue cr = Parse("A,B,1\rC,D,2\r");
    const Catalogue split = Parse("A\nB\n1\nC,D\r\n2\r\n");
    for (const Catalogue* c : {&crlf, &lf, &cr, &split}) {
        ASSERT_EQ(c->size(), 2u);
        EXPECT_EQ((*c)[1].ItemName, "C");
        EXPECT_EQ((*c)[1].ItemCode, "D");
        EXPECT_EQ((*c)[1].ItemPrice, Money::FromUnits(2));
    }
}

TEST(PriceList, KeepsCodesExactlyAndSkipsOnlyLeadingBlanks) {
    const Catalogue c = Parse("Шкаф,   SXK 106 4147/ 2,1\r\n");
    EXPECT_EQ(c[0].ItemCode, "SXK 106 4147/ 2");
}

TEST(PriceList, PricesReadEitherDecimalSeparatorWhateverTheRegion) {
    for (char region : {',', '.'}) {
        EXPECT_EQ(Parse("A,B,\"3,75\"", region)[0].ItemPrice, Money::FromRaw(37500));
        EXPECT_EQ(Parse("A,B,3.75", region)[0].ItemPrice, Money::FromRaw(37500));
        EXPECT_EQ(Parse("A,B,по запросу", region)[0].ItemPrice, Money());
        EXPECT_EQ(Parse("A,B,\"1.234,5\"", region)[0].ItemPrice, Money());
        EXPECT_EQ(Parse("A,B,", region)[0].ItemPrice, Money());
    }
}

TEST(PriceList, RefusesPricesTheMoneyTypeCannotHold) {
    for (const std::string& price :
         {std::string("1e308"), std::string("922337203685478"), std::string(26, '9')}) {
        const std::string error = ErrorOf("A,B,1\r\nC,D\r\n" + price + "\r\n");
        EXPECT_NE(error.find("\u00AB" + price + "\u00BB, слишком большую для расчёта (строка 3)"),
                  std::string::npos)
            << error;
        EXPECT_NE(error.find("price.txt"), std::string::npos);
    }
    EXPECT_EQ(Parse("A,B,1000000000")[0].ItemPrice, kMaxPrice);
}

TEST(PriceList, RefusesPricesAboveABillionNamingFileAndLine) {
    for (const char* price : {"922337203685477,5807", "\"1000000000,0001\"", "-1000000000.5"}) {
        const std::string error = ErrorOf("*Платы,,\r\nA,B,1\r\nC,D,\r\nE,F," + std::string(price));
        EXPECT_NE(error.find("price.txt"), std::string::npos) << price;
        EXPECT_NE(error.find("слишком большую для расчёта (строка 4)"), std::string::npos) << error;
    }
    EXPECT_EQ(Parse("A,B,\"1000000000,0000\"")[0].ItemPrice, kMaxPrice);
}

// No calculation file could hold a negative price, so the list refuses it.
TEST(PriceList, RefusesNegativePricesNamingFileAndLine) {
    for (const char* price : {"-5", "\"-0,01\"", "-1000000000"}) {
        const std::string error = ErrorOf("A,B,1\r\nBDV 113 08,Шкаф," + std::string(price));
        EXPECT_NE(error.find("«price.txt» содержит отрицательную цену «"), std::string::npos)
            << error;
        EXPECT_NE(error.find("» (строка 2)."), std::string::npos) << error;
    }
    EXPECT_EQ(Parse("A,B,-0")[0].ItemPrice, Money());
}

TEST(PriceList, RejectsFilesThatAreNotCompletePriceLists) {
    EXPECT_NE(ErrorOf("A,B,1\r\nC,D\r\n").find("обрывается внутри записи (строка 2)"),
              std::string::npos);
    EXPECT_NE(ErrorOf("A,B,1\r\n\"C,D,2\r\n").find("обрывается"), std::string::npos);
    EXPECT_NE(ErrorOf("A\r\n").find("обрывается"), std::string::npos);
    EXPECT_NE(ErrorOf("").find("не содержит ни одной записи"), std::string::npos);
    EXPECT_NE(ErrorOf("A,B,1\r\nC,\0D,2\r\n"sv).find("недопустимые символы (строка 2)"),
              std::string::npos);
}

TEST(PriceList, AcceptsAtMost32767Records) {
    std::string text;
    for (int i = 0; i < 32767; ++i) text += "A,B,1\n";
    EXPECT_EQ(Parse(text).size(), 32767u);
    text += "C,D,2\n";
    EXPECT_NE(ErrorOf(text).find("больше 32767 записей (строка 32768)"), std::string::npos);
}

TEST(PriceList, DecodesUtf8OrWindows1251) {
    EXPECT_EQ(*DecodePriceListText("\xEF\xBB\xBF*Шкафы"), "*Шкафы");
    EXPECT_EQ(*DecodePriceListText("*\xD8\xEA\xE0\xF4\xFB"), "*Шкафы");
    // 0x98 is the one byte the Cyrillic code page leaves undefined.
    EXPECT_FALSE(DecodePriceListText("\x98\x98").has_value());
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(*DecodePriceListText("\xA8\xB8\xB9 \x88\x96"), "Ёё№ €–");
    EXPECT_FALSE(DecodePriceListText("\xC0\xC1\x98\xC2").has_value());
}

TEST(PriceList, FastPathsAgreeWithTheGeneralRules) {
    // A control character anywhere in an eight-byte word is found, on the right line.
    for (size_t at = 0; at < 20; ++at) {
        std::string text = "A,B,1\r\nC,D,2\r\nEEEEEEEEEEEEEEEEEEEEE,F,3\r\n";
        text[8 + at] = '\x01';
        const std::string error = ErrorOf(text);
        EXPECT_NE(error.find("недопустимые символы (строка " + std::string(at < 5 ? "2" : "3")),
                  std::string::npos)
            << at << ": " << error;
    }
    for (const char* price : {"0", "12", "12,5", "1.2345", "7,", "00001000000000",
                              "000000000123456789", "1,23455", "0,00005", " 3,5 ", ",5"}) {
        const std::string field = std::string("\"") + price + "\"";
        const char separator =
            std::string_view(price).find('.') != std::string_view::npos ? '.' : ',';
        EXPECT_EQ(Parse("A,B," + field)[0].ItemPrice, *Money::Parse(price, separator)) << price;
    }
    // Both refuse what lies beyond the dearest price.
    for (const char* price : {"99999999999999", "123456789012345"})
        EXPECT_NE(ErrorOf(std::string("A,B,") + price).find("слишком большую"), std::string::npos);
}

TEST(PriceList, ReportsAMissingFileByName) {
    try {
        LoadPriceList("/nonexistent/price.txt", ',');
        FAIL();
    } catch (const PriceListError& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/price.txt"), std::string::npos);
    }
    EXPECT_THROW(LoadPriceList(std::filesystem::temp_directory_path(), ','), PriceListError);
}

TEST(PriceList, ReadsOnlyRegularFilesOfSaneSize) {
    const auto ErrorLoading = [](const std::filesystem::path& path) -> std::string {
        try {
            LoadPriceList(path, ',');
        } catch (const PriceListError& error) {
            return error.what();
        }
        return "";
    };
    // Endless and blocking inputs are refused before anything is read.
    EXPECT_NE(ErrorLoading("/dev/zero").find("не является обычным файлом"), std::string::npos);
    const auto fifo = std::filesystem::temp_directory_path() / "veltra-price-fifo";
    std::filesystem::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(ErrorLoading(fifo).find("не является обычным файлом"), std::string::npos);
    std::filesystem::remove(fifo);

    const auto big = std::filesystem::temp_directory_path() / "veltra-price-big.txt";
    { std::ofstream{big}; }
    std::filesystem::resize_file(big, kMaxPriceListBytes + 1);
    EXPECT_NE(ErrorLoading(big).find("слишком велик: допустимо не больше 16 МБ"),
              std::string::npos);
    std::filesystem::remove(big);
}

TEST(ShippedPriceList, GivesTheSamePricesUnderBothRegionalSeparators) {
    const Catalogue comma = LoadPriceList(VELTRA_PRICE_LIST, ',');
    const Catalogue point = LoadPriceList(VELTRA_PRICE_LIST, '.');
    ASSERT_EQ(comma.size(), point.size());
    Money total;
    for (size_t i = 0; i < comma.size(); ++i) {
        EXPECT_EQ(comma[i].ItemPrice, point[i].ItemPrice) << comma[i].ItemCode;
        total += comma[i].ItemPrice;
    }
    EXPECT_GT(total, Money());
}

TEST(ShippedPriceList, IsWindows1251AndHoldsEveryPartNumberTheCalculatorUses) {
    std::ifstream raw(VELTRA_PRICE_LIST, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(raw)), {});
    EXPECT_FALSE(IsValidUtf8(bytes)) << "expected the Cyrillic Windows code page";
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);

    Catalogue catalogue = LoadPriceList(VELTRA_PRICE_LIST, ',');
    EXPECT_GE(catalogue.size(), 150u);
    EXPECT_EQ(int(catalogue[0].ItemLevel), 1);

    RecordingPlatform platform;
    std::ifstream codes(VELTRA_REQUIRED_CODES);
    std::string code;
    int checked = 0;
    while (std::getline(codes, code)) {
        if (code.empty()) continue;
        SetItemQty(catalogue, platform, code, 1);
        const int index = FindItem(catalogue, code);
        ASSERT_GE(index, 0) << code;
        EXPECT_GT(catalogue[index].ItemPrice, Money()) << code;
        ++checked;
    }
    EXPECT_GE(checked, 70);
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
}

}  // namespace
}  // namespace veltra
