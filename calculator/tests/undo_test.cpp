// Undo and redo through the scenario runner, which drives the models as the
// windows do: every kind of step is taken back and done again, and every
// print of the windows is the one before, without a message.
#include <gtest/gtest.h>

#include <sstream>

#include "scenario/scenario_runner.h"

namespace veltra {
namespace {

// Everything the windows show, as the runner prints it.
const char* const kEverything =
    "print fields\nprint controls\nprint status\nprint state\nprint qty\nprint config\n"
    "print cabinet\nprint list\nprint tree a2\nprint proposal-details\nprint proposal\n"
    "print document\n";

class Session {
  public:
    Session() : runner_(out_, VELTRA_SCENARIO_DIR) { RegisterAllCommands(runner_); }

    // What the lines printed.
    std::string Run(const std::string& lines) {
        const size_t from = out_.str().size();
        std::istringstream script(lines);
        runner_.Run(script);
        return out_.str().substr(from);
    }
    std::string Shown() { return Run(kEverything); }
    // The saved mark and the new history of an opened file: undo_document.scn.
    std::string Undo() { return Run("print undo\n"); }

  private:
    std::ostringstream out_;
    ScenarioRunner runner_;
};

struct StepCase {
    const char* setup;
    const char* step;
    const char* name;  // as the menu names the step
};

const StepCase kSteps[] = {
    // With the scheme "Нет" a digital line count sets the telephones to 0.
    {"set BasicText 10\nset ExecutiveText 4\nset Dss1Text 1\n", "open DigExt\nclick Command1(3)\n",
     "Цифровые АЛ"},
    {"", "open AnExt\nclick Command1(5)\n", "Аналоговые АЛ"},
    {"", "open AnTr\nclick Command1(2)\n", "Аналоговые  2х-пр СЛ"},
    {"", "open BriTrunk\nclick Command1(1)\n", "BRI интерфейсы (S/T/Q)x2"},
    {"", "open E1Trunk\nclick E1(2)\nclick eprom1(0)\nclick eprom2(1)\nclick Command1\n",
     "Цифровые потоки Е1"},
    {"", "open BaseStation\nslider 4\nclick Command2\n", "Базовые станции"},
    // The handset dialog's calculator is part of the dialog's step.
    {"open BaseStation\nslider 4\nclick Command2\n",
     "open Mobile\nclick Command16\nclick Command1(2)\nclick Command1(4)\nclick Command2\n"
     "click Command1\n",
     "Мобильные аппараты"},
    {"", "open FecuForm\nclick Option1(2)\nclick Command1\n", "Модули FECU"},
    {"", "open IPUForm\nclick IPUInterface(2)\nclick Command1\n", "IP-телефония (VoIP)"},
    // The power warning shows with the step, never with its undo or redo.
    {"set BasicText 300\n",
     "open InputCalc ExecutiveText\nclick Command1(3)\nclick Command1(0)\nclick Command1(0)\n"
     "click Command2\n",
     "Executive (DBC 213)"},
    // A count out of range becomes 0 with a message; undo brings back 40.
    {"set EconomyText 40\n", "set EconomyText 301\n", "Economy+ (DBC 211)"},
    {"", "select PowerStandard 1\n", "Электропитание"},
    {"select PowerStandard 1\n", "select PowerAcc 1\n", "Аккумуляторное резервирование"},
    {"", "select MDFBox 2\n", "Кроссовое оборудование"},
    {"select MDFBox 0\n", "select MDFOpenCable 1\n", "Открытый кроссовый кабель"},
    {"", "select Arrestor 1\n", "Грозозащита (защита от перенапряжений)"},
    {"", "check MFUCheck 1\n", "Применить плату MFU"},
    {"check MFUCheck 1\n", "select MFU_Flash 3\n", "Речевые функции MFU"},
    {"", "check OnlyStationMDFCheck 0\n", "Расчет только станционной части кросса"},
    {"open DigExt\nclick Command1(3)\n", "select Combo1 2\n", "Автоподсчет по схеме"},
    {"", "discount 12,5\n", "Скидка / наценка"},
    {"", "open AddQty a2\nclick Command3(3)\nclick Command1\n", "Шкаф системы Veltra на 9 плат"},
    {"open AddQty a2\nclick Command3(3)\nclick Command1\n",
     "open AddListQty a2\nclick Command3(7)\nclick Command1\n", "Шкаф системы Veltra на 9 плат"},
    {"open AddQty a2\nclick Command3(3)\nclick Command1\ndiscount 5\n", "click DelAllAddQty\n",
     "Удалить все"},
    {"proposal date 01.12.2026\n", "proposal customer ООО «Север»\n", "Коммерческое предложение"},
    // Undone, "Новый расчет" gives back the file too, as it was saved.
    {"load rich_calculation.veltra\n", "newcalc\n", "Новый расчет"},
};

TEST(UndoRedo, EveryKindOfStepGivesBackWhatTheWindowsShowed) {
    for (const StepCase& c : kSteps) {
        const std::string where = c.step;
        Session s;
        s.Run(c.setup);
        s.Run("print undo\n");
        const std::string before = s.Shown();
        const std::string undoBefore = s.Undo();
        s.Run(c.step);
        const std::string after = s.Shown();
        ASSERT_NE(before, after) << where;
        const std::string named = s.Undo();
        EXPECT_EQ(named.substr(0, named.find(" |")), "undo Отменить: " + std::string(c.name));
        EXPECT_NE(named, undoBefore) << where;

        EXPECT_EQ(s.Run("undo\n"), "") << where;  // no message, no error
        EXPECT_EQ(s.Shown(), before) << where;
        EXPECT_EQ(s.Run("redo\n"), "") << where;
        EXPECT_EQ(s.Shown(), after) << where;
        EXPECT_EQ(s.Undo(), named) << where;
        EXPECT_EQ(s.Run("undo\nundo\nredo\nredo\n").find("message"), std::string::npos) << where;
    }
}

TEST(UndoRedo, ActionsThatChangeNothingAreNoSteps) {
    Session s;
    const std::string none = s.Undo();
    s.Run(
        "open DigExt\nclose\nopen E1Trunk\nclick Command1\nopen InputCalc BasicText\n"
        "click Command2\ndiscount 500\nselect PowerStandard 0\ncheck MFUCheck 0\n"
        "open AddQty a2\nclick Command1\nprint config\nsave a.veltra\n");
    EXPECT_EQ(s.Undo(), none);
    EXPECT_EQ(s.Run("undo\n"), "error 16 nothing to undo\n");
}

TEST(UndoRedo, KeepsTwoHundredStepsAndANewStepDropsWhatWasUndone) {
    Session s;
    std::string toggles;
    for (int i = 0; i < 250; ++i) toggles += i % 2 ? "check MFUCheck 0\n" : "check MFUCheck 1\n";
    s.Run(toggles);
    EXPECT_EQ(s.Undo(), "undo Отменить: Применить плату MFU | 200\nredo Повторить | 0\n");
    std::string undos;
    for (int i = 0; i < 200; ++i) undos += "undo\n";
    EXPECT_EQ(s.Run(undos), "");
    // The fifty oldest are gone: the box shows what the 50th step left.
    EXPECT_NE(s.Run("print controls\n").find("control MFUCheck | off"), std::string::npos);
    EXPECT_EQ(s.Run("undo\n"), "error 453 nothing to undo\n");
    s.Run("redo\nredo\nselect Combo1 1\n");
    EXPECT_EQ(s.Undo(), "undo Отменить: Автоподсчет по схеме | 3\nredo Повторить | 0\n");
    EXPECT_EQ(s.Run("redo\n"), "error 458 nothing to redo\n");
}

}  // namespace
}  // namespace veltra
