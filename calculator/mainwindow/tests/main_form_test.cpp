#include <gtest/gtest.h>

#include "catalogue/number_text.h"
#include "handling/main_window_inputs.h"
#include "mainwindow/catalogue_page.h"
#include "mainwindow/main_form_pages.h"
#include "tests/test_app.h"

namespace veltra {
namespace {

using testing::TestApp;

int VisibleCount(const MainFormModel& form) {
    int n = 0;
    for (const FrameState& frame : form.FrameTabs) n += frame.visible;
    return n;
}

TEST(PageSwitching, ShowsExactlyTheSelectedPageAtThePageFramePlace) {
    TestApp t;
    MainFormModel form;
    EXPECT_TRUE(form.FrameTabs[0].visible);
    EXPECT_EQ(VisibleCount(form), 1);
    for (int tab = 1; tab <= kTabCount; ++tab) {
        TabStrip1_Click(t.app, form, tab);
        EXPECT_EQ(VisibleCount(form), 1);
        const FrameState& frame = form.FrameTabs[size_t(tab - 1)];
        EXPECT_TRUE(frame.visible) << tab;
        EXPECT_EQ(frame.rect.top, 420);
        EXPECT_EQ(frame.rect.left, 0);
        EXPECT_EQ(frame.rect.width, 7095);
        EXPECT_EQ(frame.rect.height, 4995);
    }
}

TEST(PageSwitching, ReportsTabKeepsItsSubPageAndSubTabsSwapFrames) {
    TestApp t;
    MainFormModel form;
    TabStrip3_Click(t.app, form, 2);
    TabStrip1_Click(t.app, form, 1);
    TabStrip1_Click(t.app, form, 7);
    EXPECT_EQ(form.TabStrip3, 2);
    EXPECT_FALSE(form.ReportFrame[0].visible);
    EXPECT_TRUE(form.ReportFrame[1].visible);
    EXPECT_EQ(form.ReportFrame[1].rect.top, 180);
    EXPECT_EQ(form.ReportFrame[1].rect.height, 4335);

    TabStrip3_Click(t.app, form, 1);
    EXPECT_TRUE(form.ReportFrame[0].visible);
    EXPECT_FALSE(form.ReportFrame[1].visible);

    TabStrip2_Click(t.app, form, 2);
    EXPECT_FALSE(form.Frame2.visible);
    EXPECT_TRUE(form.Frame3.visible);
    EXPECT_EQ(form.Frame3.rect.top, 240);
    EXPECT_EQ(form.Frame3.rect.left, 60);
    EXPECT_EQ(form.Frame3.rect.width, form.Frame2.rect.width);
    TabStrip2_Click(t.app, form, 1);
    EXPECT_TRUE(form.Frame2.visible);
    EXPECT_FALSE(form.Frame3.visible);
}

// Index of the first orderable entry with a price, and of a group heading.
int FirstPriced(const App& app) {
    for (size_t i = 0; i < app.catalogue.size(); ++i) {
        if (app.catalogue[i].ItemPrice > Money()) return int(i);
    }
    return -1;
}

TEST(AddedItems, SubTabAndDeleteAllRefreshTheListInCatalogueOrder) {
    TestApp t;
    MainFormModel form;
    auto& items = t.app.catalogue;
    const int first = FirstPriced(t.app);
    items[size_t(first) + 1].ItemAddQty = 2;
    items[size_t(first)].ItemAddQty = 3;
    EXPECT_TRUE(form.ListView1.rows.empty());  // only a refresh fills the list
    TabStrip2_Click(t.app, form, 2);
    ASSERT_EQ(form.ListView1.rows.size(), 2u);
    EXPECT_EQ(form.ListView1.rows[0].key, ItemKey(first));

    DelAllAddQty(t.app, form);
    EXPECT_TRUE(form.ListView1.rows.empty());
    EXPECT_EQ(form.ListView1.total, "0");
    EXPECT_TRUE(t.app.main.status.costLine.ends_with(" / 0 USD")) << t.app.main.status.costLine;

    items[size_t(first)].ItemAddQty = 1;
    NewCalc_Click(t.app, form);
    EXPECT_TRUE(form.ListView1.rows.empty());
    EXPECT_EQ(int(items[size_t(first)].ItemAddQty), 0);
}

TEST(CatalogueTree, CodeAndPriceBoxesShowOnlyForPricedEntries) {
    TestApp t;
    MainFormModel form;
    const int priced = FindItem(t.app.catalogue, "SXK 106 4147/2");
    ASSERT_GE(priced, 0);
    TreeView1_NodeClick(t.app, form, ItemKey(priced));
    EXPECT_TRUE(form.WareVisible);
    EXPECT_EQ(form.SelectNode, ItemKey(priced));
    EXPECT_EQ(form.TextCodeWare, "SXK 106 4147/2");
    EXPECT_EQ(form.TextPriceWare, "38,5");

    TreeView1_NodeClick(t.app, form, ItemKey(0));  // the first group
    EXPECT_FALSE(form.WareVisible);
    EXPECT_EQ(form.SelectNode, ItemKey(0));
}

TEST(CatalogueTree, PriceBoxRoundsToCentsInTheRegionalFormat) {
    EXPECT_EQ(PriceBoxText(Money::FromUnits(1045), ','), "1045");
    EXPECT_EQ(PriceBoxText(*Money::Parse("0,0125", ','), '.'), "0.0125");
    EXPECT_EQ(PriceBoxText(*Money::Parse("12,34", ','), ','), "12,34");
}

TEST(CatalogueTree, DoubleClickPlacesTheKeypadOneRowBelowThePress) {
    TestApp t;
    MainFormModel form;
    const TwipsPoint window{1000, 2000};
    t.app.state.window.TitleBarHeight = 705;
    EXPECT_FALSE(TreeView1_DblClick(t.app, form, window));  // nothing clicked yet

    TreeView1_NodeClick(t.app, form, ItemKey(0));
    EXPECT_FALSE(TreeView1_DblClick(t.app, form, window));  // a group

    TreeView1_NodeClick(t.app, form, ItemKey(FirstPriced(t.app)));
    TreeView1_MouseDown(form, 500);
    const auto at = TreeView1_DblClick(t.app, form, window);
    ASSERT_TRUE(at);
    const float treeTop = 2000 + 705 + 420 + form.Frame2.rect.top + PlaceOf("TreeView1").rect.top;
    EXPECT_FLOAT_EQ(at->left, 1000 + 600);
    EXPECT_FLOAT_EQ(at->top, treeTop + 720);
    // A press on the first pixel row still belongs to the first tree row.
    TreeView1_MouseDown(form, 1);
    EXPECT_FLOAT_EQ(TreeView1_DblClick(t.app, form, window)->top, treeTop + 240);
}

TEST(AddedItems, DoubleClickOnARowPlacesTheKeypadBelowIt) {
    TestApp t;
    MainFormModel form;
    const TwipsPoint window{0, 0};
    const std::string key = ItemKey(FirstPriced(t.app));
    EXPECT_FALSE(ListView1_DblClick(t.app, form, window));
    ListView1_ItemClick(form, key);
    ListView1_MouseDown(form, 256 + 209 + 10);  // the second row
    const auto at = ListView1_DblClick(t.app, form, window);
    ASSERT_TRUE(at);
    const TwipsRect& list = PlaceOf("ListView1").rect;
    EXPECT_FLOAT_EQ(at->left, 0 + form.Frame2.rect.left + list.left + 120);
    EXPECT_FLOAT_EQ(at->top, 420 + form.Frame2.rect.top + list.top + 2 * 209 + 220);
    ListView1_ItemClick(form, ItemKey(0));
    EXPECT_FALSE(ListView1_DblClick(t.app, form, window));
}

TEST(PriceListButton, KeepsANumericAnswerAsTheQuotationDiscount) {
    TestApp t;
    t.platform.inputAnswers = {"5,5", "abc", "", "-12", "150", "1e999"};
    Command4_Click(t.app);
    EXPECT_EQ(t.platform.inputPrompts.back(), "Введите скидку+ / наценку-|Ввод");
    EXPECT_DOUBLE_EQ(t.app.state.config.QuotationDiscountPercent, 5.5);
    EXPECT_EQ(DiscountText(t.app.state.config.QuotationDiscountPercent, ','), "Скидка: 5,5 %");
    Command4_Click(t.app);  // not a number
    Command4_Click(t.app);  // empty
    EXPECT_DOUBLE_EQ(t.app.state.config.QuotationDiscountPercent, 5.5);
    Command4_Click(t.app);
    EXPECT_DOUBLE_EQ(t.app.state.config.QuotationDiscountPercent, -12);
    EXPECT_EQ(DiscountText(-12, ','), "Наценка: 12 %");
    Command4_Click(t.app);  // more than the whole price
    Command4_Click(t.app);  // beyond any number
    Command4_Click(t.app);  // cancelled
    EXPECT_DOUBLE_EQ(t.app.state.config.QuotationDiscountPercent, -12);
    EXPECT_EQ(t.platform.inputPrompts.size(), 7u);
    EXPECT_EQ(DiscountText(0, ','), "Без скидки");
}

TEST(PriceListButton, RefusesADiscountOrMarkUpOutsideItsRangeWithAMessage) {
    TestApp t;
    for (const char* refused : {"-1e70", "1e60", "1e300", "-1000,5", "100,01", "abc"}) {
        t.platform.inputAnswers = {"7", refused};
        Command4_Click(t.app);
        Command4_Click(t.app);
        EXPECT_DOUBLE_EQ(t.app.state.config.QuotationDiscountPercent, 7) << refused;
        ASSERT_EQ(t.platform.messages.size(), 1u) << refused;
        EXPECT_EQ(t.platform.messages[0].text, kDiscountRangeMessage);
        t.platform.messages.clear();
    }
    t.platform.inputAnswers = {"-1000", "100", " "};
    Command4_Click(t.app);
    EXPECT_EQ(DiscountText(t.app.state.config.QuotationDiscountPercent, ','), "Наценка: 1000 %");
    Command4_Click(t.app);
    Command4_Click(t.app);  // blank: nothing to refuse
    EXPECT_DOUBLE_EQ(t.app.state.config.QuotationDiscountPercent, 100);
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST(PriceListButton, ReadsTheAnswerInTheRegionalFormat) {
    TestApp t('.');
    t.platform.inputAnswers = {"2,5", "2.5"};
    Command4_Click(t.app);
    EXPECT_DOUBLE_EQ(t.app.state.config.QuotationDiscountPercent, 0);
    Command4_Click(t.app);
    EXPECT_DOUBLE_EQ(t.app.state.config.QuotationDiscountPercent, 2.5);
}

}  // namespace
}  // namespace veltra
