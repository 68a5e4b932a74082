// The input calculator and the additional-item keypads: which digits they let
// through, what each close writes, and that the totals follow.
#include <gtest/gtest.h>

#include "handling/main_window_inputs.h"
#include "keypads/add_qty.h"
#include "keypads/input_calc.h"
#include "mainwindow/field_buttons.h"
#include "tests/test_app.h"

namespace veltra::testing {
namespace {

// The enabled digit keys as "0123456789" with "-" for a disabled one.
std::string Enabled(const DigitKeys& keys) {
    std::string text;
    for (int k = 0; k <= 9; ++k) text += keys[size_t(k)].enabled ? char('0' + k) : '-';
    return text;
}

InputCalc CalcWithMax(int max) {
    TestApp t;
    t.app.state.window.InputCalcMax = Count(max);
    return LoadInputCalc(t.app);
}

TEST(InputCalc, EnablesExactlyTheDigitsThatStayWithinTheMaximum) {
    struct Case {
        int max;
        const char* display;
        const char* enabled;
    };
    const Case cases[] = {
        {300, "", "0123456789"},
        {300, "3", "0123456789"},
        {300, "30", "0---------"},
        {300, "300", "----------"},
        {300, "4", "0123456789"},
        {300, "40", "----------"},
        {300, "31", "----------"},
        {300, "0", "0123456789"},
        {300, "05", "0123456789"},
        {210, "21", "0---------"},
        {210, "2", "0123456789"},
        {0, "", "0---------"},
        // 32768 and 32769 are beyond 16 bits and count as above the maximum.
        {32767, "3276", "01234567--"},
        {32767, "99999", "----------"},
        // Typed texts: signs and separators are numbers, letters are not.
        {300, "-", "0123456789"},
        {300, "x", "----------"},
    };
    for (const Case& c : cases) {
        InputCalc calc = CalcWithMax(c.max);
        Text1_Change(calc, c.display);
        EXPECT_EQ(Enabled(calc.Command1), c.enabled) << c.max << " after '" << c.display << "'";
        EXPECT_EQ(int(calc.KeypadDisabledCount), int(std::count(c.enabled, c.enabled + 10, '-')));
    }
}

TEST(InputCalc, LabelKeysAndLoad) {
    EXPECT_EQ(CalcWithMax(300).Label1.caption, "Макс. 300");
    EXPECT_EQ(MaxLabel(Count(-4)), "Макс.-4");
    InputCalc calc = CalcWithMax(-4);
    EXPECT_EQ(Enabled(calc.Command1), "----------");
    EXPECT_EQ(calc.Text1, "");
    TestApp t;
    t.app.state.window.InputCalcMax = 300;
    calc = LoadInputCalc(t.app);
    for (const FlatButton* key :
         {&calc.Command1[0], &calc.Command1[9], &calc.Command3, &calc.Command2})
        EXPECT_EQ(key->background, t.app.state.window.DialogHighlightColour) << key->name;
    EXPECT_EQ(calc.Command3.caption, "C");
    EXPECT_EQ(calc.Command2.caption, "Ok");
    EXPECT_EQ(calc.Command1[7].name, "Command1(7)");
}

// Opens the calculator from the button beside a main-window field.
struct FieldCalc {
    explicit FieldCalc(TestApp& t, FieldId id) {
        for (const FieldButton& button : FieldButtons())
            if (button.kind == ButtonKind::InputCalc &&
                std::string_view(button.field) == InfoOf(id).name)
                InputCalcButton_Click(t.app, button, {0, 0});
        box = MainFieldBoxFor(t.app);
        calc = LoadInputCalc(t.app);
    }
    void Keys(const std::string& digits) {
        for (char d : digits) Command1_Click(calc, d - '0');
    }
    std::unique_ptr<InputCalcBox> box;
    InputCalc calc;
};

TEST(InputCalc, OkWritesTheDisplayIntoTheFieldWhoseHandlingRuns) {
    struct Case {
        const char* keys;
        const char* field;
        int qty;
        Background background;
    };
    const Case cases[] = {
        {"12", "12", 12, Background::Window},
        {"300", "300", 300, Background::Window},
        {"05", "05", 5, Background::Window},  // leading zero kept, counted as 5
        {"0", "0", 0, Background::ButtonFace},
    };
    for (const Case& c : cases) {
        TestApp t;
        FieldCalc f(t, FieldId::EconomyText);
        EXPECT_EQ(f.box->Name(), "EconomyText");
        f.Keys(c.keys);
        EXPECT_EQ(t.Text(FieldId::EconomyText), "0") << "untouched before Ok";
        Command2_Click(f.calc, *f.box);
        EXPECT_TRUE(f.calc.closed);
        EXPECT_EQ(t.Text(FieldId::EconomyText), c.field) << c.keys;
        EXPECT_EQ(int(t.Qty("DBC 211 01/01021")), c.qty) << c.keys;
        EXPECT_EQ(t.app.main.field(FieldId::EconomyText).background, c.background) << c.keys;
        EXPECT_TRUE(t.platform.messages.empty());
    }
}

TEST(InputCalc, ClosingWithoutOkOrWithAnEmptyDisplayKeepsTheField) {
    TestApp t;
    SetFieldText(t.app, FieldId::BasicText, "40");
    const std::string panel = t.app.main.status.costLine;
    {
        FieldCalc f(t, FieldId::BasicText);
        f.Keys("300");  // no key can follow, and the field still shows 40
        EXPECT_EQ(t.Text(FieldId::BasicText), "40");
        Form_Unload(f.calc, *f.box);
    }
    {
        FieldCalc f(t, FieldId::BasicText);
        f.Keys("12");
        Command3_Click(f.calc);
        EXPECT_EQ(f.calc.Text1, "");
        EXPECT_EQ(Enabled(f.calc.Command1), "0123456789");
        Command2_Click(f.calc, *f.box);
    }
    EXPECT_EQ(t.Text(FieldId::BasicText), "40");
    EXPECT_EQ(int(t.Qty("DBC 210 01/01021")), 40);
    EXPECT_EQ(t.app.main.status.costLine, panel);
    EXPECT_EQ(t.app.main.field(FieldId::BasicText).background, Background::Window);
}

// A box that is no main-window field, as a dialog's entry box is.
class RecordingBox : public InputCalcBox {
  public:
    std::string Name() const override { return "dt288"; }
    std::string Text() const override { return text; }
    void Write(const std::string& t) override {
        if (t != text) writes.push_back(t);
        text = t;
    }
    void Paint(Background b) override { painted.push_back(b); }
    std::string text = "0";
    std::vector<std::string> writes;
    std::vector<Background> painted;
};

TEST(InputCalc, FillsAnyBoxWithItsOwnMaximum) {
    TestApp t;
    t.app.state.window.InputCalcMax = 210;
    InputCalc calc = LoadInputCalc(t.app);
    EXPECT_EQ(calc.Label1.caption, "Макс. 210");
    RecordingBox box;
    Command1_Click(calc, 2);
    Command1_Click(calc, 1);
    EXPECT_EQ(Enabled(calc.Command1), "0---------");
    Command1_Click(calc, 0);
    Command2_Click(calc, box);
    EXPECT_EQ(box.writes, std::vector<std::string>{"210"});
    EXPECT_EQ(box.painted, std::vector<Background>{Background::Window});

    InputCalc again = LoadInputCalc(t.app);
    box.text = "0";
    Form_Unload(again, box);
    EXPECT_EQ(box.writes.size(), 1u);
    EXPECT_EQ(box.painted.back(), Background::ButtonFace);
}

// An entry with a price and no hand-added quantity: the first cabinet.
struct PricedEntry {
    explicit PricedEntry(TestApp& t) : app(t.app), index(FindItem(t.app.catalogue, "BDV 113 08")) {}
    const CatalogueItem& item() const { return app.catalogue[size_t(index)]; }
    std::string key() const { return ItemKey(index); }
    TreeNodeData node() const { return CatalogueTreeNodes(app.catalogue)[size_t(index)]; }
    AddQtyPad Open() {
        app.form.SelectNode = key();
        return OpenAddQty(app);
    }
    App& app;
    int index;
};

void Press(AddQtyPad& pad, const std::string& digits) {
    for (char d : digits) Command3_Click(pad, d - '0');
}

TEST(AddQty, EveryCloseAppliesTheDisplay) {
    struct Case {
        const char* name;
        std::function<void(App&, AddQtyPad&)> act;
        int qty;
        const char* text;
    };
    const Case cases[] = {
        {"0 7 Ok",
         [](App& a, AddQtyPad& p) {
             Press(p, "07");
             Command1_Click(a, p);
         },
         7, "[7]-Шкаф системы Veltra на 9 плат"},
        {"Ok alone", [](App& a, AddQtyPad& p) { Command1_Click(a, p); }, 0,
         "Шкаф системы Veltra на 9 плат"},
        {"digits then C",
         [](App& a, AddQtyPad& p) {
             Press(p, "9");
             Command2_Click(a, p);
         },
         0, "Шкаф системы Veltra на 9 плат"},
        {"close control",
         [](App& a, AddQtyPad& p) {
             Press(p, "42");
             Form_Unload(a, p);
         },
         42, "[42]-Шкаф системы Veltra на 9 плат"},
        {"keyboard",
         [](App& a, AddQtyPad& p) {
             Form_KeyPress(p, '8');
             Form_KeyPress(p, 'x');
             Command1_Click(a, p);
         },
         8, "[8]-Шкаф системы Veltra на 9 плат"},
    };
    for (const Case& c : cases) {
        TestApp t;
        PricedEntry e(t);
        t.app.catalogue[size_t(e.index)].ItemAddQty = 5;
        AddQtyPad pad = e.Open();
        EXPECT_EQ(pad.Text1.caption, "0") << "starts at 0, not at the quantity";
        c.act(t.app, pad);
        EXPECT_TRUE(pad.closed) << c.name;
        EXPECT_EQ(int(e.item().ItemAddQty), c.qty) << c.name;
        EXPECT_EQ(e.node().text, c.text) << c.name;
        EXPECT_EQ(e.node().image, c.qty > 0 ? 1 : 2) << c.name;
    }
}

}  // namespace
}  // namespace veltra::testing
