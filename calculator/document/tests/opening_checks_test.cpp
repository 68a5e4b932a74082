// What opening a calculation file believes, refuses and tells: the faults a
// probe of hostile and revised files found, one group per kind.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/calculation_file.h"
#include "document/tests/document_files.h"
#include "handling/main_window_inputs.h"
#include "handling/recalculate.h"
#include "tests/test_app.h"
#include "tools/rich_configuration.h"

namespace veltra {
namespace {

using testing::EditedPriceList;
using testing::Folder;
using testing::ReadFile;
using testing::TestApp;
using testing::WriteFile;
namespace fs = std::filesystem;

// The text with the first `from` after `after` replaced.
std::string Replaced(std::string text, const std::string& from, const std::string& to,
                     const std::string& after = "") {
    const size_t start = text.find(after);
    const size_t at = text.find(from, start == std::string::npos ? 0 : start);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The item's "key": N in a saved text set to `value`.
std::string WithQuantity(const std::string& text, const std::string& code, const char* key,
                         const std::string& value) {
    const std::string marker = std::string("\"") + key + "\": ";
    const size_t at = text.find(marker, text.find("\"code\": \"" + code + "\""));
    EXPECT_NE(at, std::string::npos) << code;
    std::string edited = text;
    const size_t number = at + marker.size();
    return edited.replace(number, edited.find_first_of(",\n", number) - number, value);
}

std::string WithRecord(const std::string& text, const std::string& record) {
    return Replaced(text, "\"items\": [", "\"items\": [\n" + record + ",");
}

struct Opened {
    bool ok;
    std::string message;  // the first one
};

Opened Open(App& app, RecordingPlatform& platform, const fs::path& path) {
    platform.messages.clear();
    const bool ok = OpenCalculation(app, path);
    return {ok, platform.messages.empty() ? "" : platform.messages[0].text};
}

Opened OpenText(TestApp& t, const fs::path& path, const std::string& text) {
    WriteFile(path, text);
    return Open(t.app, t.platform, path);
}

// A file whose counts say 10 analog boards, 20 Economy+ telephones and so on.
std::string RichFile(const fs::path& path) {
    TestApp saving;
    BuildRichConfiguration(saving.app);
    EXPECT_TRUE(SaveCalculation(saving.app, path));
    return ReadFile(path);
}

// A calculated quantity is what the counts, choices and fields give, never
// what the file says; a hand-added one only where the keypad takes one.
TEST(OpeningChecks, CalculatedQuantitiesFollowTheInputs) {
    Folder folder;
    const fs::path file = folder.path / "c.veltra";
    const std::string text = RichFile(file);
    TestApp t;
    const struct {
        std::string text, message;
    } refused[] = {
        {WithQuantity(text, "ROF 157 5114/1", "calculated", "11"),
         "позиция ROF 157 5114/1 — ELU-A/16, плата 16 аналоговых абонентских линий: в файле "
         "рассчитано 11, а по количествам и выбору расчета — 10"},
        {WithQuantity(text, "ROF 157 5114/1", "calculated", "0"), "рассчитано 0, а"},
        {WithQuantity(text, "DBC 211 01/01021", "calculated", "30"),
         "DBC 211 01/01021 — Economy+ (DBC 211), цифровой системный телефон с дисплеем: в файле "
         "рассчитано 30, а по количествам и выбору расчета — 20"},
        {WithRecord(text, R"({"code": "SRV 004", "name": "Выезд", "price": "95",
                              "calculated": 5, "added": 0})"),
         "позиция SRV 004 — Выезд инженера для диагностики: в файле рассчитано 5, а по "
         "количествам и выбору расчета — 0"},
        {WithRecord(text, R"({"code": "SRV 001", "name": "Установка", "price": "0",
                              "calculated": 0, "added": 3})"),
         "позиция SRV 001 — Установка: добавлено вручную 3, но без цены позицию вручную не "
         "добавить"},
    };
    for (const auto& c : refused) {
        const Opened opened = OpenText(t, file, c.text);
        EXPECT_FALSE(opened.ok);
        EXPECT_NE(opened.message.find(c.message), std::string::npos) << opened.message;
    }
    EXPECT_EQ(t.Qty("ROF 157 5114/1"), 0);  // nothing applied

    // Priced when saved, unpriced now: the quantity is left out and told.
    const std::string priced = WithRecord(text, R"({"code": "SRV 001", "name": "Установка",
        "price": "100", "calculated": 0, "added": 3})");
    const Opened opened = OpenText(
        t, file, Replaced(priced, R"("added": "1573")", R"("added": "1873")", "\"totals\""));
    ASSERT_TRUE(opened.ok) << opened.message;
    EXPECT_EQ(opened.message,
              "В прайс-листе больше нет цены у 1 позиции, добавленной вручную; она не открыта:\n"
              "SRV 001 — Установка");
    EXPECT_EQ(int(t.app.catalogue.at(size_t(FindItem(t.app.catalogue, "SRV 001"))).ItemAddQty), 0);
    EXPECT_EQ(t.Qty("ROF 157 5114/1"), 10);
}

// Numbers of the telephone fields are written with a full stop and read with
// either separator; each machine shows its own.
TEST(OpeningChecks, TelephoneFieldsOpenUnderEitherSeparator) {
    Folder folder;
    const fs::path file = folder.path / "c.veltra";
    TestApp comma(',');
    SetFieldText(comma.app, FieldId::EconomyText, "20,5");
    ASSERT_TRUE(SaveCalculation(comma.app, file));
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find(R"("text": "20.5")"), std::string::npos);

    TestApp point('.');
    ASSERT_TRUE(Open(point.app, point.platform, file).ok);
    EXPECT_EQ(point.Text(FieldId::EconomyText), "20.5");
    EXPECT_EQ(point.Qty("DBC 211 01/01021"), 20);
    EXPECT_FALSE(HasUnsavedChanges(point.app));
    const fs::path again = folder.path / "again.veltra";
    ASSERT_TRUE(SaveCalculation(point.app, again));
    EXPECT_EQ(ReadFile(again), text);

    // As an earlier version wrote it on a machine with the decimal comma.
    const std::string old = Replaced(text, R"("text": "20.5")", R"("text": "20,5")");
    ASSERT_TRUE(OpenText(point, file, old).ok);
    EXPECT_EQ(point.Text(FieldId::EconomyText), "20.5");
    TestApp other(',');
    ASSERT_TRUE(OpenText(other, file, old).ok);
    EXPECT_EQ(other.Text(FieldId::EconomyText), "20,5");
    EXPECT_EQ(other.Qty("DBC 211 01/01021"), 20);
}

// Whatever the program saves it opens: totals reach what the money type
// holds, and a negative price never gets into a file.
TEST(OpeningChecks, TheLargestTotalsSavedReopen) {
    Folder folder;
    const fs::path dear = EditedPriceList(folder.path, "SRV 003", "1000000000",
                                          EditedPriceList(folder.path, "SRV 002", "1000000000"));
    RecordingPlatform platform;
    App app(platform);
    StartUp(app, dear);
    for (const char* code : {"SRV 002", "SRV 003"})
        app.catalogue.at(size_t(FindItem(app.catalogue, code))).ItemAddQty = 9999;
    UpdateCostLine(app);
    const fs::path file = folder.path / "c.veltra";
    ASSERT_TRUE(SaveCalculation(app, file));
    EXPECT_NE(ReadFile(file).find(R"("added": "19998000000000")"), std::string::npos);
    RecordingPlatform other;
    App reopened(other);
    StartUp(reopened, dear);
    const Opened opened = Open(reopened, other, file);
    EXPECT_TRUE(opened.ok) << opened.message;
    EXPECT_EQ(reopened.state.results.AddTotal, app.state.results.AddTotal);

    TestApp t;
    const std::string text = RichFile(file);
    const Opened negative =
        OpenText(t, file, Replaced(text, R"("price": "1045")", R"("price": "-1045")"));
    EXPECT_NE(negative.message.find("«items[0].price» = «-1045» — не сумма"), std::string::npos)
        << negative.message;
}

// A code a list holds twice: each saved item goes to an entry of its own;
// under a list with the code once, their hand-added quantities add up there.
TEST(OpeningChecks, DuplicateCodesKeepTheirQuantities) {
    Folder folder;
    const fs::path twice = folder.path / "twice.txt";
    WriteFile(twice, ReadFile(VELTRA_PRICE_LIST) +
                         "\xCA\xF0\xEE\xED\xF8\xF2\xE5\xE9\xED,SXK 106 4147/2,40\r\n");
    RecordingPlatform platform;
    App app(platform);
    StartUp(app, twice);
    const size_t second = app.catalogue.size() - 1;
    app.catalogue[second].ItemAddQty = 3;
    UpdateCostLine(app);
    const fs::path file = folder.path / "c.veltra";
    ASSERT_TRUE(SaveCalculation(app, file));

    TestApp once;
    const Opened opened = Open(once.app, once.platform, file);
    ASSERT_TRUE(opened.ok) << opened.message;
    const CatalogueItem& entry =
        once.app.catalogue.at(size_t(FindItem(once.app.catalogue, "SXK 106 4147/2")));
    EXPECT_EQ(int(entry.ItemAddQty), 3);
    EXPECT_EQ(int(entry.ItemCalcQty), 1);
    EXPECT_EQ(opened.message.find("нет"), std::string::npos) << opened.message;

    RecordingPlatform samePlatform;
    App same(samePlatform);
    StartUp(same, twice);
    ASSERT_TRUE(Open(same, samePlatform, file).ok);
    EXPECT_EQ(int(same.catalogue[second].ItemAddQty), 3);
    EXPECT_FALSE(HasUnsavedChanges(same));
}

// The window always has one option of a group selected.
TEST(OpeningChecks, AnOptionGroupWithNothingSelectedIsRefused) {
    Folder folder;
    const fs::path file = folder.path / "c.veltra";
    const std::string text = RichFile(file);
    TestApp t;
    const Opened opened = OpenText(
        t, file, Replaced(text, R"("selected": 1)", R"("selected": -1)", "\"PowerStandard\""));
    EXPECT_FALSE(opened.ok);
    EXPECT_NE(opened.message.find("«optionGroups.PowerStandard.selected» = -1: в группе ничего "
                                  "не выбрано"),
              std::string::npos)
        << opened.message;
}

// Cordless boards the base station dialog would not fit to the stations.
TEST(OpeningChecks, CordlessBoardsFollowTheStations) {
    Folder folder;
    const fs::path file = folder.path / "c.veltra";
    const std::string text = RichFile(file);
    TestApp t;
    const Opened opened =
        OpenText(t, file, Replaced(text, R"("IcluBoards": 0)", R"("IcluBoards": 1)"));
    EXPECT_FALSE(opened.ok);
    EXPECT_NE(opened.message.find("плат IC-CU 1 и IC-LU 1 при 4 базовых станциях — диалог "
                                  "базовых станций дает 1 и 0"),
              std::string::npos)
        << opened.message;
}

// Text from the file reaches the box and the terminal with its control
// characters replaced, a NUL included, and a long value only as an excerpt.
TEST(OpeningChecks, FileTextIsQuotedSafelyAndShort) {
    Folder folder;
    const fs::path file = folder.path / "c.veltra";
    const std::string text = RichFile(file);
    TestApp t;
    const auto refusal = [&](const std::string& economy) {
        return OpenText(t, file, Replaced(text, R"("text": "20")", "\"text\": \"" + economy + "\""))
            .message;
    };
    const std::string html = "<h1 style=color:red>20</h1>";
    EXPECT_NE(refusal(html).find("«" + html + "» — не число"), std::string::npos);
    EXPECT_NE(refusal(R"(2\u0000\u001b]0;x\u0007 tail)").find("«2\uFFFD\uFFFD]0;x\uFFFD tail»"),
              std::string::npos);
    const std::string huge = refusal(std::string(3 * 1024 * 1024, 'x'));
    EXPECT_LT(huge.size(), 400u);
    EXPECT_NE(huge.find(std::string(80, 'x') + "\u2026»"), std::string::npos) << huge;

    SavedItem forged{"X\x1b[2J", "name\a\r\nforged line\x9b", Money(), 0, 0};
    EXPECT_EQ(MissingItemsMessage({forged}),
              "В прайс-листе нет 1 позиции расчета; она не открыта:\n"
              "X\uFFFD[2J — name\uFFFD\uFFFD\uFFFDforged line\uFFFD");
    const std::string many = MissingItemsMessage(std::vector<SavedItem>(40'000, forged));
    EXPECT_LT(many.size(), 2'000u);
    EXPECT_TRUE(many.ends_with("\n… и ещё 39980")) << many;
}

// "было" and "стало" are the file's quantities at its prices and at today's,
// with the decimals it takes to tell them apart; totals that are not the
// file's own sums are refused; a code with another name now is told; a file
// that cannot be read says why.
TEST(OpeningChecks, MessagesSayWhatIsWrongOrChanged) {
    Folder folder;
    const fs::path file = folder.path / "c.veltra";
    const std::string text = RichFile(file);
    TestApp t;
    const Opened edited =
        OpenText(t, file, Replaced(text, R"("price": "1045")", R"("price": "1046")"));
    EXPECT_NE(edited.message.find("«totals.calculated» = 36986 — не сумма его позиций (36989)"),
              std::string::npos)
        << edited.message;

    WriteFile(file, text);
    const fs::path finer = EditedPriceList(folder.path, "ROF 157 5124/1", "\"1180,0001\"");
    RecordingPlatform platform;
    App app(platform);
    StartUp(app, finer);
    Opened opened = Open(app, platform, file);
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(opened.message, "Цены изменились у 1 позиции: было 38 559,0000, стало 38 559,0001");

    const fs::path renamed = folder.path / "renamed.txt";
    std::string list = ReadFile(VELTRA_PRICE_LIST);
    WriteFile(renamed, list.replace(list.find(",BDV 113 08,") - 4, 4, "\xCA\xEE\xF0\xEF"));
    RecordingPlatform renamedPlatform;
    App other(renamedPlatform);
    StartUp(other, renamed);
    opened = Open(other, renamedPlatform, file);
    ASSERT_TRUE(opened.ok);
    EXPECT_NE(opened.message.find("Под прежним кодом теперь другое наименование у 1 позиции:\n"
                                  "BDV 113 08 — было «"),
              std::string::npos)
        << opened.message;
    EXPECT_EQ(opened.message.find("Цены"), std::string::npos);

    const fs::path loop = folder.path / "loop.veltra";
    fs::create_symlink(loop, loop);
    EXPECT_NE(Open(t.app, t.platform, loop).message.find("замыкаются в петлю"), std::string::npos);
    EXPECT_NE(Open(t.app, t.platform, folder.path).message.find("это папка"), std::string::npos);
}

}  // namespace
}  // namespace veltra
