#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>

#include "app/startup.h"
#include "calculation/calculated_codes.h"
#include "catalogue/number_text.h"
#include "catalogue/price_list.h"
#include "catalogue/recording_platform.h"
#include "catalogue/text_decoding.h"
#include "handling/main_window_inputs.h"

namespace veltra {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct StartResult {
    std::string error;
    std::vector<std::string> messages;
};

StartResult StartOn(const std::string& bytes) {
    // ctest runs each test as a process of its own, several at once.
    const auto path = std::filesystem::temp_directory_path() /
                      ("veltra-startup-price-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << bytes;
    RecordingPlatform platform;
    App app(platform);
    StartResult result;
    try {
        StartUp(app, path);
    } catch (const PriceListError& error) {
        result.error = error.what();
    }
    for (const auto& m : platform.messages) result.messages.push_back(m.text);
    std::filesystem::remove(path);
    return result;
}

// Replaces the price field of the record holding `code` in the shipped list.
std::string WithPrice(std::string list, const std::string& code, const std::string& price) {
    const size_t at = list.find("," + code + ",");
    EXPECT_NE(at, std::string::npos);
    const size_t start = at + code.size() + 2;
    list.replace(start, list.find("\r\n", start) - start, price);
    return list;
}

TEST(StartUp, RefusesFilesThatAreNotThisCalculatorsPriceList) {
    // Three lines of a system file read as one record of three fields.
    const StartResult passwd = StartOn(
        "root:x:0:0:root:/root:/bin/bash\n"
        "daemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n"
        "bin:x:2:2:bin:/bin:/usr/sbin/nologin\n");
    EXPECT_NE(passwd.error.find("не похож на прайс-лист калькулятора: в нём нет 74 из 74 кодов"),
              std::string::npos)
        << passwd.error;
    EXPECT_TRUE(passwd.messages.empty());

    // A partial list still starts, with a message for each code it lacks.
    std::string partial = ReadFile(VELTRA_PRICE_LIST);
    const size_t record = partial.find(",ROF 157 5124/1,");
    const size_t lineStart = partial.rfind("\r\n", record) + 2;
    partial.erase(lineStart, partial.find("\r\n", record) + 2 - lineStart);
    const StartResult started = StartOn(partial);
    EXPECT_EQ(started.error, "");
    ASSERT_EQ(started.messages.size(), 1u);
    EXPECT_EQ(started.messages[0], "Несоответствие кода товара 'ROF 157 5124/1'");
}

TEST(StartUp, PricesTooLargeToTotalEndTheStartInsteadOfAHalfBuiltCatalogue) {
    const std::string list = ReadFile(VELTRA_PRICE_LIST);
    const StartResult huge = StartOn(WithPrice(list, "ROF 157 5124/1", "922337203685477"));
    EXPECT_NE(huge.error.find("слишком большую для расчёта"), std::string::npos) << huge.error;
    EXPECT_TRUE(huge.messages.empty());
    EXPECT_EQ(StartOn(WithPrice(list, "ROF 157 5124/1", "\"38.5\"")).error, "");
}

TEST(StartUp, CalculatedCodesMatchTheListTheShippedPriceListIsCheckedAgainst) {
    std::ifstream in(VELTRA_REQUIRED_CODES);
    std::set<std::string> listed;
    for (std::string code; std::getline(in, code);) {
        if (!code.empty()) listed.insert(code);
    }
    const std::set<std::string> calculated(kCalculatedItemCodes.begin(),
                                           kCalculatedItemCodes.end());
    EXPECT_EQ(listed, calculated);
}

TEST(StartUp, HugeNumbersTypedIntoCountFieldsAreRefusedWithoutUndefinedConversions) {
    RecordingPlatform platform;
    App app(platform);
    StartUp(app, VELTRA_PRICE_LIST);
    SelectCombo1(app, 1);
    for (const std::string& text :
         {std::string(400, '9'), std::string("1e300"), std::string("-1e300")}) {
        RunEvent(app, [&] { SetFieldText(app, FieldId::DigitalExtText, text); });
        EXPECT_EQ(app.main.field(FieldId::BasicText).text, "0") << text;
    }
    EXPECT_EQ(WholeNumber(1e300), std::numeric_limits<long long>::max());
    EXPECT_EQ(WholeNumber(-1e300), std::numeric_limits<long long>::min());
    EXPECT_EQ(WholeNumber(std::nan("")), 0);
    EXPECT_EQ(WholeNumber(-2.9), -2);
}

}  // namespace
}  // namespace veltra
