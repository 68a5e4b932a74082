#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "catalogue/price_list.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "keypads/add_qty.h"
#include "report/quotation.h"
#include "report/quotation_export.h"
#include "tests/test_app.h"
#include "tools/rich_configuration.h"

namespace veltra {
namespace {

namespace fs = std::filesystem;

std::string Text(const Sheet& sheet, int row, int column) {
    const SheetCell* cell = sheet.Find(row, column);
    return cell ? cell->text : "";
}

double Value(const Sheet& sheet, int row, int column) {
    const SheetCell* cell = sheet.Find(row, column);
    return cell ? cell->value : -1;
}

// The row whose column D says "Итого:", from row `from` on.
int TotalRow(const Sheet& sheet, int from = 1) {
    for (int row = from; row < 1000; ++row)
        if (Text(sheet, row, 4) == "Итого:") return row;
    return -1;
}

TEST(Quotation, PriceFormulaDigitsAndFullStop) {
    const struct {
        const char* price;
        const char* formula;
    } cases[] = {
        {"0", "=ROUND(0*(1-k),2)"},           {"10", "=ROUND(10*(1-k),2)"},
        {"10,01", "=ROUND(10.01*(1-k),1)"},   {"100", "=ROUND(100*(1-k),1)"},
        {"100,01", "=ROUND(100.01*(1-k),0)"}, {"1234,5", "=ROUND(1234.5*(1-k),0)"},
        {"-3,25", "=ROUND(-3.25*(1-k),)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DiscountPriceFormula(*Money::Parse(c.price, ',')), c.formula) << c.price;
    EXPECT_EQ(DiscountPrice(Money::FromUnits(250), 0.1), 225);
    EXPECT_DOUBLE_EQ(DiscountPrice(*Money::Parse("2,675", ','), 0), 2.68);  // halves up
    EXPECT_DOUBLE_EQ(DiscountPrice(*Money::Parse("38,5", ','), 0.1), 34.7);
}

TEST(Quotation, GroupRowsFollowTheTopLevelGroupOfEachItem) {
    RecordingPlatform platform;
    App app(platform);
    auto entry = [&](int level, const char* name, const char* parent, int qty) {
        app.catalogue.push_back(
            {level, name, level ? "" : name, Money::FromUnits(20), parent, qty, 0});
    };
    entry(1, "G1", "", 0);   // 0
    entry(0, "a", "a0", 1);  // 1
    entry(2, "S", "a0", 0);  // 2
    entry(0, "b", "a2", 2);  // 3: same top-level group as a
    entry(1, "G2", "", 0);   // 4
    entry(0, "c", "a4", 1);  // 5
    entry(0, "d", "a0", 1);  // 6: G1 again after G2
    entry(0, "z", "a7", 1);  // 7: points at itself, a root of its own
    EXPECT_EQ(TopGroupOf(app.catalogue, 3), 0);
    EXPECT_EQ(TopGroupOf(app.catalogue, 7), 7);

    const Sheet sheet = BuildQuotation(app);
    const int header = 7;  // 5 configuration lines, one empty row
    ASSERT_EQ(Text(sheet, header, 1), "Наименование");
    const std::vector<std::string> column = {"G1", "a", "b", "G2", "c", "G1", "d", "z", "z"};
    for (size_t i = 0; i < column.size(); ++i)
        EXPECT_EQ(Text(sheet, header + 1 + int(i), 1), column[i]) << i;
    EXPECT_EQ(TotalRow(sheet), header + 10);
    EXPECT_EQ(Text(sheet, header + 3, 5), "=C10*D10");
    EXPECT_EQ(Value(sheet, header + 3, 5), 40);
    EXPECT_EQ(Text(sheet, header + 10, 5), "=SUM(E2:E16)");
    EXPECT_EQ(Value(sheet, header + 10, 5), 120);
}

TEST(Quotation, EmptyConfigurationLayout) {
    testing::TestApp t;
    SelectOption(t.app, OptionGroupId::MDFBox, 2);
    for (CatalogueItem& item : t.app.catalogue) item.ItemCalcQty = 0;
    const Sheet sheet = BuildQuotation(t.app);
    EXPECT_EQ(Text(sheet, 1, 1),
              "• интегрированный модем для удаленного программирования и диагностики");
    EXPECT_EQ(Text(sheet, 4, 1), "• описание системы 1600 стр. (компакт-диск)");
    EXPECT_EQ(sheet.Find(5, 1), nullptr);  // the one empty row
    EXPECT_EQ(Text(sheet, 6, 3), " Цена ");
    EXPECT_EQ(Text(sheet, 6, 5), "  Сумма  ");
    EXPECT_EQ(TotalRow(sheet), 7);
    EXPECT_EQ(Text(sheet, 7, 5), "=SUM(E2:E6)");
    EXPECT_EQ(Text(sheet, 1, 8), "=E7");
    EXPECT_EQ(Text(sheet, 1, 6), "Скидка");
    EXPECT_EQ(sheet.merges().size(), 4u);
}

TEST(Quotation, RichConfigurationFormatsAndSecondTable) {
    testing::TestApp t;
    BuildRichConfiguration(t.app);
    t.app.state.config.QuotationDiscountPercent = 10;
    const Sheet sheet = BuildQuotation(t.app);

    EXPECT_DOUBLE_EQ(Value(sheet, 1, 7), 0.1);
    EXPECT_EQ(sheet.Find(1, 7)->format.numberFormat, "0%");
    ASSERT_EQ(sheet.names().size(), 1u);
    EXPECT_EQ(sheet.names()[0].name, "k");
    EXPECT_EQ(AbsoluteReference(sheet.names()[0].refersTo), "$G$1");

    const int total = TotalRow(sheet);
    const int header = TotalRow(sheet, total + 1) < 0 ? -1 : total + 2;
    ASSERT_GT(header, 0) << "a second table for the hand-added items";
    EXPECT_EQ(Text(sheet, 1, 8), "=E" + std::to_string(total));
    EXPECT_DOUBLE_EQ(Value(sheet, 1, 8), Value(sheet, total, 5));
    const SheetCell& sum = *sheet.Find(total, 5);
    EXPECT_EQ(sum.format.numberFormat, "[$$-409]#,##0.00");
    EXPECT_TRUE(sum.format.bold);

    const int second = TotalRow(sheet, total + 1);
    EXPECT_EQ(Text(sheet, header, 2), "Код производителя");
    EXPECT_EQ(Text(sheet, second, 5),
              "=SUM(E" + std::to_string(header + 1) + ":E" + std::to_string(second - 1) + ")");
    // 1045 and 176 less 10 %: 941 + 3 x 158
    EXPECT_DOUBLE_EQ(Value(sheet, second, 5), 941 + 3 * 158);

    const SheetCell& corner = *sheet.Find(header, 1);
    EXPECT_EQ(corner.format.solidFill, PaletteColour(16));
    EXPECT_EQ(corner.format.fontColour, PaletteColour(2));
    EXPECT_EQ(corner.format.top.weight, BorderWeight::Medium);
    EXPECT_EQ(corner.format.left.weight, BorderWeight::Medium);
    EXPECT_EQ(corner.format.right.weight, BorderWeight::Thin);
    EXPECT_EQ(corner.format.bottom.colour, 0x808080u);
    EXPECT_EQ(sheet.Find(second, 5)->format.bottom.weight, BorderWeight::Medium);
    EXPECT_EQ(sheet.Find(second - 1, 5)->format.right.weight, BorderWeight::Medium);
    EXPECT_EQ(sheet.Find(header - 1, 1), nullptr);

    // No second table while the added items cost nothing.
    for (CatalogueItem& item : t.app.catalogue)
        if (item.ItemAddQty > 0) item.ItemPrice = Money();
    RecalculateAll(t.app);
    EXPECT_EQ(TotalRow(BuildQuotation(t.app), total + 1), -1);
}

TEST(Quotation, AQuantityRefusedForOverflowLeavesTheHandAddedTableWhole) {
    testing::TestApp t;
    int added = 0;
    for (size_t i = 0; i < t.app.catalogue.size() && added < 93; ++i) {
        if (t.app.catalogue[i].ItemPrice <= Money()) continue;
        t.app.catalogue[i].ItemPrice = kMaxPrice;
        t.app.form.SelectNode = ItemKey(int(i));
        AddQtyPad pad = OpenAddQty(t.app);
        for (int k = 0; k < 4; ++k) Command3_Click(pad, 9);
        RunEvent(t.app, [&] { Command1_Click(t.app, pad); });
        ++added;
    }
    // 92 of 9999 at the dearest price fit the total; the 93rd is refused.
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text, "Переполнение");
    const Sheet sheet = BuildQuotation(t.app);
    const int second = TotalRow(sheet, TotalRow(sheet) + 1);
    ASSERT_GT(second, 0);
    EXPECT_DOUBLE_EQ(Value(sheet, second, 5), 92 * 9999 * 1e9);
}

class QuotationExport : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("veltra-export-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "documents");
        t.platform.documentsFolder = (folder / "documents").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    testing::TestApp t;
    fs::path folder;
};

TEST_F(QuotationExport, WritesANewDatedFileAndOpensIt) {
    std::tm time{};
    time.tm_year = 126, time.tm_mon = 11, time.tm_mday = 8, time.tm_hour = 14, time.tm_min = 5;
    EXPECT_EQ(NewQuotationPath(folder, time), folder / "Расчет Veltra 2026-12-08 14-05-00.xlsx");
    std::ofstream(folder / "Расчет Veltra 2026-12-08 14-05-00.xlsx") << "taken";
    EXPECT_EQ(NewQuotationPath(folder, time),
              folder / "Расчет Veltra 2026-12-08 14-05-00 (2).xlsx");

    ExportQuotation(t.app);
    ExportQuotation(t.app);
    ASSERT_EQ(t.platform.openedFiles.size(), 2u);
    EXPECT_NE(t.platform.openedFiles[0], t.platform.openedFiles[1]);
    for (const fs::path file : t.platform.openedFiles) {
        EXPECT_EQ(file.parent_path(), folder / "documents");
        EXPECT_GT(fs::file_size(file), 1000u);
    }
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(QuotationExport, ACalculationWithAFileGivesItsNameToTheWorkbook) {
    std::tm time{};
    time.tm_year = 126, time.tm_mon = 11, time.tm_mday = 10, time.tm_hour = 14, time.tm_min = 5;
    const fs::path calculation = "/elsewhere/Офис Север.veltra";
    EXPECT_EQ(NewQuotationPath(folder, time, calculation),
              folder / "Офис Север 2026-12-10 14-05.xlsx");
    std::ofstream(folder / "Офис Север 2026-12-10 14-05.xlsx") << "taken";
    EXPECT_EQ(NewQuotationPath(folder, time, calculation),
              folder / "Офис Север 2026-12-10 14-05 (2).xlsx");
    // The longest name a file may have still leaves room for the date.
    std::string longest;
    while (longest.size() < 250) longest += "ж";
    const std::string name = NewQuotationPath(folder, time, longest + ".veltra").filename();
    EXPECT_LE(name.size() + std::string(" (99)").size(), 255u);
    EXPECT_EQ(name.substr(name.size() - 22), " 2026-12-10 14-05.xlsx");
    EXPECT_EQ(name.substr(0, 4), "жж");

    t.app.document.file = calculation;
    ExportQuotation(t.app);
    ASSERT_EQ(t.platform.openedFiles.size(), 1u);
    EXPECT_EQ(fs::path(t.platform.openedFiles[0]).filename().string().rfind("Офис Север 20", 0),
              0u);
}

TEST_F(QuotationExport, TellsWhereTheFileIsWhenNothingOpensIt) {
    t.platform.canOpenFiles = false;
    t.platform.documentsFolder.reset();
    ::setenv("TMPDIR", folder.c_str(), 1);
    ExportQuotation(t.app);
    ::unsetenv("TMPDIR");
    ASSERT_EQ(t.platform.openedFiles.size(), 1u);
    const fs::path written = t.platform.openedFiles[0];
    EXPECT_EQ(written.parent_path(), folder);
    EXPECT_TRUE(fs::exists(written));
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_NE(t.platform.messages[0].text.find(written.string()), std::string::npos);
    EXPECT_EQ(t.platform.messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(QuotationExport, TellsWhenTheFileCannotBeWritten) {
    const fs::path path = folder / "missing" / "quotation.xlsx";
    EXPECT_FALSE(ExportQuotationTo(t.app, path));
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_NE(t.platform.messages[0].text.find(path.string()), std::string::npos);
    EXPECT_EQ(t.platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(QuotationExport, AFailedWriteLeavesNoPartialFileAndNothingOverwritten) {
    const fs::path path = folder / "quotation.xlsx";
    const auto Content = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    // A full disk, as the writer sees it: files may not grow past 2 KB.
    std::ofstream(path) << "earlier quotation";
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 2048;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    ::testing::internal::CaptureStderr();
    const bool written = ExportQuotationTo(t.app, path);
    const std::string terminal = ::testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(Content(path), "earlier quotation");
    // The reason in our words; the library's own lines, naming the hidden
    // file, stay off the terminal.
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text,
              "Не удалось записать отчет в файл:\n" + path.string() +
                  "\n\nПричина: файл превысил разрешенный системой размер.");
    EXPECT_EQ(terminal, "");

    // The program's own exports never replace a file of the same name.
    EXPECT_FALSE(ExportQuotationTo(t.app, path, Publish::KeepExisting));
    EXPECT_EQ(Content(path), "earlier quotation");
    ASSERT_EQ(t.platform.messages.size(), 2u);
    EXPECT_NE(t.platform.messages[1].text.find("Причина: файл с таким именем уже есть."),
              std::string::npos);
    EXPECT_TRUE(ExportQuotationTo(t.app, path));
    EXPECT_NE(Content(path), "earlier quotation");
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
}

// Links planted where the export writes, at the names it used to write
// under and at the names the next seconds give, stay links to an unchanged
// target; a name as long as the file system takes is written too.
TEST_F(QuotationExport, PlantedLinksStayUnfollowedAndTheLongestNameWorks) {
    const fs::path victim = folder / "victim";
    std::ofstream(victim) << "precious";
    std::vector<fs::path> links;
    const auto Plant = [&](fs::path at, const char* suffix = "") {
        fs::create_symlink(victim, at += suffix);
        links.push_back(at);
    };
    const fs::path documents = folder / "documents";
    Plant(documents / "quotation.xlsx", ".part");
    EXPECT_TRUE(ExportQuotationTo(t.app, documents / "quotation.xlsx"));
    Plant(documents / "taken.xlsx");
    EXPECT_FALSE(ExportQuotationTo(t.app, documents / "taken.xlsx", Publish::KeepExisting));
    const fs::path longest = documents / (std::string(250, 'q') + ".xlsx");
    EXPECT_TRUE(ExportQuotationTo(t.app, longest, Publish::KeepExisting));

    t.platform.documentsFolder.reset();
    ::setenv("TMPDIR", folder.c_str(), 1);
    for (std::time_t s = std::time(nullptr), end = s + 4; s < end; ++s) {
        std::tm local{};
        Plant(NewQuotationPath(folder, *localtime_r(&s, &local)));
        Plant(links.back(), ".part");
    }
    ExportQuotation(t.app);
    ::unsetenv("TMPDIR");

    ASSERT_EQ(t.platform.openedFiles.size(), 1u);
    for (const fs::path& written :
         {documents / "quotation.xlsx", longest, fs::path(t.platform.openedFiles[0])}) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(written))) << written;
        EXPECT_GT(fs::file_size(written), 1000u);
    }
    for (const fs::path& link : links) EXPECT_EQ(fs::read_symlink(link), victim) << link;
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious");
    EXPECT_EQ(t.platform.messages.size(), 1u);  // "taken.xlsx" only
}

}  // namespace
}  // namespace veltra
