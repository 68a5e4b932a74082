#include "app/data_folders.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/command_line.h"

namespace veltra {
namespace {

namespace fs = std::filesystem;

TEST(DataFolders, ProgramFolderFirstThenTheInstalledDataFolder) {
    EXPECT_EQ(DataFolders("/usr/bin"), (std::vector<fs::path>{"/usr/bin", "/usr/share/veltra"}));
    EXPECT_EQ(DataFolders("/opt/v/bin/"),
              (std::vector<fs::path>{"/opt/v/bin/", "/opt/v/share/veltra"}));
}

TEST(DataFolders, FindsTheFileInTheFirstFolderThatHoldsIt) {
    const fs::path root = fs::temp_directory_path() / "veltra_data_folders_test";
    fs::remove_all(root);
    const fs::path bin = root / "bin", data = root / "share" / "veltra";
    fs::create_directories(bin);
    fs::create_directories(data);
    const std::vector<fs::path> folders = DataFolders(bin);
    ASSERT_EQ(folders.back(), data);

    EXPECT_EQ(FindDataFile(folders, "price.txt"), std::nullopt);
    std::ofstream(data / "price.txt") << "x";
    EXPECT_EQ(FindDataFile(folders, "price.txt"), data / "price.txt");
    std::ofstream(bin / "price.txt") << "x";
    EXPECT_EQ(FindDataFile(folders, "price.txt"), bin / "price.txt");
    // A folder of that name is no file.
    fs::create_directories(bin / "366.chm");
    EXPECT_EQ(FindDataFile(folders, "366.chm"), std::nullopt);
    fs::remove_all(root);

    EXPECT_EQ(
        MissingPriceListMessage({"/b", "/s"}),
        "Прайс-лист \"price.txt\" не найден ни в папке программы, ни в папке данных:\n/b\n/s");
}

TEST(CommandLine, PriceListFromTheCommandLineOrTheEnvironment) {
    EXPECT_EQ(ParseCommandLine({}, nullptr).priceList, std::nullopt);
    EXPECT_EQ(ParseCommandLine({}, "").priceList, std::nullopt);
    EXPECT_EQ(ParseCommandLine({}, "/env.txt").priceList, "/env.txt");
    EXPECT_EQ(ParseCommandLine({"--price-list", "/a b.txt"}, "/env.txt").priceList, "/a b.txt");
    EXPECT_EQ(ParseCommandLine({"--price-list=/c.txt"}, nullptr).priceList, "/c.txt");
    EXPECT_TRUE(ParseCommandLine({"--help"}, nullptr).help);
    EXPECT_TRUE(ParseCommandLine({"-h"}, nullptr).help);
    // The toolkit's options, with or without a value, are not ours to refuse.
    const CommandLine qt =
        ParseCommandLine({"-platform", "offscreen", "-reverse", "--price-list", "/p"}, nullptr);
    EXPECT_EQ(qt.error, "");
    EXPECT_EQ(qt.priceList, "/p");
    const CommandLine more = ParseCommandLine(
        {"-style=fusion", "-name", "-x", "-qmljsdebugger=port:1", "-sync", "r.veltra"}, nullptr);
    EXPECT_EQ(more.error, "");
    EXPECT_EQ(more.calculation, "r.veltra");
}

TEST(CommandLine, BadArgumentsAreNamed) {
    EXPECT_EQ(ParseCommandLine({"--price-list"}, nullptr).error,
              "После --price-list нужен путь к прайс-листу.");
    EXPECT_EQ(ParseCommandLine({"--price-list="}, nullptr).error,
              "Неизвестный параметр: --price-list=");
    EXPECT_EQ(ParseCommandLine({"--prices", "x"}, nullptr).error, "Неизвестный параметр: --prices");
    EXPECT_EQ(ParseCommandLine({"a.veltra", "price.txt"}, nullptr).error,
              "Лишний аргумент: price.txt");
    EXPECT_EQ(ParseCommandLine({"--export-xlsx"}, nullptr).error,
              "После --export-xlsx нужен путь к файлу отчета .xlsx.");
    EXPECT_EQ(ParseCommandLine({"--export-xlsx", "q.xlsx"}, nullptr).error,
              "Для --export-xlsx нужен файл расчета (.veltra).");
    EXPECT_EQ(ParseCommandLine({"--print-configuration"}, nullptr).error,
              "Для --print-configuration нужен файл расчета (.veltra).");
    // An option where a value should be, and single-dash words not the toolkit's.
    EXPECT_EQ(
        ParseCommandLine({"--export-xlsx", "--print-configuration", "r.veltra"}, nullptr).error,
        "После --export-xlsx нужен путь к файлу отчета .xlsx, а не параметр "
        "--print-configuration.");
    EXPECT_EQ(ParseCommandLine({"--price-list", "--help"}, nullptr).error,
              "После --price-list нужен путь к прайс-листу, а не параметр --help.");
    EXPECT_EQ(ParseCommandLine({"--export-xlsx=--q.xlsx", "r.veltra"}, nullptr).exportXlsx,
              "--q.xlsx");
    for (const char* wrong : {"-x", "-platform=xcb", "-reverse=1", "-veltra.veltra"})
        EXPECT_EQ(ParseCommandLine({wrong, "r.veltra"}, nullptr).error,
                  std::string("Неизвестный параметр: ") + wrong);
    const std::string usage = UsageText("VeltraCalculator");
    EXPECT_NE(usage.find("--price-list ПУТЬ"), std::string::npos);
    EXPECT_NE(usage.find(kPriceListVariable), std::string::npos);
    EXPECT_NE(usage.find("share/veltra"), std::string::npos);
    EXPECT_NE(usage.find("--export-xlsx ОТЧЕТ.xlsx РАСЧЕТ.veltra"), std::string::npos);
    EXPECT_NE(usage.find("--print-configuration"), std::string::npos);
}

TEST(CommandLine, ACalculationToOpenOrToQuoteWithoutAWindow) {
    const CommandLine open = ParseCommandLine({"-reverse", "Расчет.veltra"}, nullptr);
    EXPECT_EQ(open.error, "");
    EXPECT_EQ(open.calculation, "Расчет.veltra");
    EXPECT_FALSE(open.withoutWindow());

    const CommandLine quote = ParseCommandLine(
        {"--export-xlsx", "q.xlsx", "-platform", "xcb", "r.veltra", "--price-list=/p"}, "/env");
    EXPECT_EQ(quote.error, "");
    EXPECT_EQ(quote.exportXlsx, "q.xlsx");
    EXPECT_EQ(quote.calculation, "r.veltra");
    EXPECT_EQ(quote.priceList, "/p");
    EXPECT_TRUE(quote.withoutWindow());
    EXPECT_FALSE(quote.printConfiguration);

    const CommandLine print = ParseCommandLine({"r.veltra", "--print-configuration"}, nullptr);
    EXPECT_TRUE(print.printConfiguration);
    EXPECT_EQ(print.calculation, "r.veltra");
    EXPECT_EQ(ParseCommandLine({"--export-xlsx=q.xlsx", "r.veltra"}, nullptr).exportXlsx, "q.xlsx");
}

}  // namespace
}  // namespace veltra
