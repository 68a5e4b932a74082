#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "report/amount_in_words.h"
#include "report/proposal_amounts.h"
#include "report/proposal_document.h"
#include "report/proposal_export.h"
#include "report/quotation.h"
#include "state/calendar_date_text.h"
#include "tests/test_app.h"
#include "tools/rich_configuration.h"

namespace veltra {
namespace {

namespace fs = std::filesystem;

Money M(const char* text) {
    return *Money::Parse(text, ',');
}

TEST(ProposalWords, EveryFormInBothCurrencies) {
    const auto usd = ProposalCurrency::USD;
    const auto rub = ProposalCurrency::RUB;
    const struct {
        Money amount;
        ProposalCurrency currency;
        const char* words;
    } cases[] = {
        {M("0"), usd, "Ноль долларов США 00 центов"},
        {M("0,01"), usd, "Ноль долларов США 01 цент"},
        {M("0,01"), rub, "Ноль рублей 01 копейка"},
        {M("1"), rub, "Один рубль 00 копеек"},
        {M("2,02"), rub, "Два рубля 02 копейки"},
        {M("4,04"), usd, "Четыре доллара США 04 цента"},
        {M("5,05"), rub, "Пять рублей 05 копеек"},
        {M("11,11"), rub, "Одиннадцать рублей 11 копеек"},
        {M("14,14"), usd, "Четырнадцать долларов США 14 центов"},
        {M("20,2"), rub, "Двадцать рублей 20 копеек"},
        {M("21,21"), rub, "Двадцать один рубль 21 копейка"},
        {M("22,22"), usd, "Двадцать два доллара США 22 цента"},
        {M("101"), usd, "Сто один доллар США 00 центов"},
        {M("111"), rub, "Сто одиннадцать рублей 00 копеек"},
        {M("1000"), rub, "Одна тысяча рублей 00 копеек"},
        {M("2000"), rub, "Две тысячи рублей 00 копеек"},
        {M("5000"), usd, "Пять тысяч долларов США 00 центов"},
        {M("11000"), rub, "Одиннадцать тысяч рублей 00 копеек"},
        {M("21000"), rub, "Двадцать одна тысяча рублей 00 копеек"},
        {M("21874,82"), usd,
         "Двадцать одна тысяча восемьсот семьдесят четыре доллара США 82 цента"},
        {M("1000000"), rub, "Один миллион рублей 00 копеек"},
        {M("1200000"), rub, "Один миллион двести тысяч рублей 00 копеек"},
        {M("2000000"), usd, "Два миллиона долларов США 00 центов"},
        {M("5000000"), rub, "Пять миллионов рублей 00 копеек"},
        {M("1001001001,01"), rub, "Один миллиард один миллион одна тысяча один рубль 01 копейка"},
        {M("2000000000"), rub, "Два миллиарда рублей 00 копеек"},
        {M("12000000000000"), usd, "Двенадцать триллионов долларов США 00 центов"},
        {Money::FromRaw(INT64_MAX), usd,
         "Девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три миллиона "
         "шестьсот восемьдесят пять тысяч четыреста семьдесят семь долларов США 58 центов"},
        {Money::FromRaw(INT64_MIN), rub,
         "Минус девятьсот двадцать два триллиона триста тридцать семь миллиардов двести три "
         "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь рублей 58 копеек"},
        {M("0,125"), rub, "Ноль рублей 13 копеек"},  // halves away from zero
        {M("-1,5"), rub, "Минус один рубль 50 копеек"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AmountInWords(c.amount, c.currency), c.words) << c.amount.InvariantText();
}

TEST(ProposalAmounts, ConversionVatAndTheirRounding) {
    ProposalDetails rub;
    rub.currency = ProposalCurrency::RUB;
    rub.rate = M("92,5");
    rub.rateMarkupPercent = M("2");
    EXPECT_EQ(ConvertToCurrency(M("1"), rub), M("94,35"));
    EXPECT_EQ(ConvertToCurrency(M("250"), rub), M("23587,5"));
    rub.rateMarkupPercent = Money();
    rub.rate = M("50,5");
    EXPECT_EQ(ConvertToCurrency(M("0,01"), rub), M("0,51"));  // 0,505: halves away from zero
    rub.rate = M("33,3333");
    EXPECT_EQ(ConvertToCurrency(M("3"), rub), M("100"));
    rub.rate = M("1000000000");
    EXPECT_THROW(ConvertToCurrency(M("900000000000"), rub), OverflowError);
    ProposalDetails usd;
    EXPECT_EQ(ConvertToCurrency(M("21874,82"), usd), M("21874,82"));
    // The help's example: 250 USD less 7 % is 233 USD, at 92,5 + 2 %.
    rub.rate = M("92,5");
    rub.rateMarkupPercent = M("2");
    EXPECT_EQ(ConvertToCurrency(WorkbookUnitPrice(M("250"), 0.07), rub), M("21983,55"));
    EXPECT_EQ(VatIncluded(M("65950,65"), 22), M("11892,74"));

    EXPECT_EQ(VatIncluded(M("1000"), 22), M("180,33"));
    EXPECT_EQ(VatOnTop(M("1000"), 22), M("220"));
    EXPECT_EQ(VatIncluded(M("100"), 20), M("16,67"));
    EXPECT_EQ(VatIncluded(M("0,03"), 20), M("0,01"));  // 0,005
    EXPECT_EQ(VatOnTop(M("0,05"), 10), M("0,01"));     // 0,005
    EXPECT_EQ(VatOnTop(M("0,04"), 10), M("0"));
    EXPECT_EQ(VatIncluded(M("1000"), 0), M("0"));

    // The price cell's digits: two up to 10, one up to 100, none above.
    EXPECT_EQ(WorkbookUnitPrice(M("9,99"), 0.07), M("9,29"));
    EXPECT_EQ(WorkbookUnitPrice(M("38,5"), 0.1), M("34,7"));
    EXPECT_EQ(WorkbookUnitPrice(M("1234,5"), 0.07), M("1148"));
    EXPECT_EQ(AmountText(M("1234567,8")), "1 234 567,80");
    EXPECT_EQ(AmountText(M("-0,5")), "-0,50");
    EXPECT_EQ(AmountText(M("999")), "999,00");
}

// The rich configuration with a discount and details set for each case.
struct RichProposal : ::testing::Test {
    RichProposal() {
        BuildRichConfiguration(t.app);
        t.app.state.config.QuotationDiscountPercent = 7;
        t.app.proposal.number = "КП-2026-0042";
        t.app.proposal.date = {2026, 12, 9};
        t.app.proposal.validUntil = {2027, 1, 8};
        t.app.proposal.customerOrganisation = "ООО «Ромашка»";
    }
    std::vector<std::string> Summary() const {
        return ProposalSummaryLines(BuildProposalDocument(t.app));
    }
    void Rub() {
        t.app.proposal.currency = ProposalCurrency::RUB;
        t.app.proposal.rate = M("92,5061");
        t.app.proposal.rateDate = {2026, 12, 9};
        t.app.proposal.rateMarkupPercent = M("2");
    }
    testing::TestApp t;
};

std::string Text(const Sheet& sheet, int row, int column) {
    const SheetCell* cell = sheet.Find(row, column);
    return cell ? cell->text : "";
}

// Cents of a workbook cell's cached value.
int64_t Cents(const Sheet& sheet, int row, int column) {
    return std::llround(sheet.Find(row, column)->value * 100);
}

TEST_F(RichProposal, UsdTotalsAreTheWorkbooksToTheCent) {
    for (const double discount : {0.0, 7.0, 12.5, -15.0}) {
        t.app.state.config.QuotationDiscountPercent = discount;
        const Sheet sheet = BuildQuotation(t.app);
        std::vector<int64_t> cached;
        for (int row = 1; row < 200; ++row) {
            const SheetCell* label = sheet.Find(row, 4);
            if (label && label->text == "Итого:") cached.push_back(Cents(sheet, row, 5));
        }
        const ProposalAmounts a = ComputeProposalAmounts(t.app);
        ASSERT_EQ(cached.size(), 2u);
        EXPECT_EQ(a.calculated.total.raw() / 100, cached[0]) << discount;
        EXPECT_EQ(a.added.total.raw() / 100, cached[1]) << discount;
        EXPECT_EQ(a.total.raw() / 100, cached[0] + cached[1]) << discount;
    }
}

TEST_F(RichProposal, SummaryInEachCurrencyAndVatMode) {
    EXPECT_EQ(Summary(), (std::vector<std::string>{
                             "Цены указаны с учетом скидки 7 %",
                             "Итого: 35 860,00 USD",
                             "в том числе НДС 22 %: 6 466,56 USD",
                             "Всего: 35 860,00 USD",
                             "Тридцать пять тысяч восемьсот шестьдесят долларов США 00 центов",
                             "Предложение действительно до 08.01.2027",
                         }));
    t.app.proposal.vatMode = VatMode::OnTop;
    t.app.proposal.vatRate = 20;
    EXPECT_EQ(Summary(), (std::vector<std::string>{
                             "Цены указаны с учетом скидки 7 %",
                             "Итого: 35 860,00 USD",
                             "НДС 20 %: 7 172,00 USD",
                             "Всего с НДС: 43 032,00 USD",
                             "Сорок три тысячи тридцать два доллара США 00 центов",
                             "Предложение действительно до 08.01.2027",
                         }));
    t.app.proposal.vatMode = VatMode::None;
    t.app.proposal.vatExemptReason = "УСН";
    t.app.state.config.QuotationDiscountPercent = -10;  // a mark-up is never named
    t.app.proposal.validUntil = {};
    EXPECT_EQ(Summary(), (std::vector<std::string>{
                             "Итого: 42 440,00 USD",
                             "Без НДС (УСН)",
                             "Всего: 42 440,00 USD",
                             "Сорок две тысячи четыреста сорок долларов США 00 центов",
                         }));
}

TEST_F(RichProposal, RoublesAtTheRateWithItsMarkup) {
    Rub();
    const std::vector<std::string> included = Summary();
    EXPECT_EQ(included, (std::vector<std::string>{
                            "Цены указаны с учетом скидки 7 %",
                            "Итого: 3 383 613,84 руб.",
                            "в том числе НДС 22 %: 610 159,87 руб.",
                            "Всего: 3 383 613,84 руб.",
                            "Три миллиона триста восемьдесят три тысячи шестьсот тринадцать рублей "
                            "84 копейки",
                            "Предложение действительно до 08.01.2027",
                        }));
    t.app.proposal.vatMode = VatMode::OnTop;
    EXPECT_EQ(Summary()[2], "НДС 22 %: 744 395,04 руб.");
    EXPECT_EQ(Summary()[3], "Всего с НДС: 4 128 008,88 руб.");
    EXPECT_EQ(Summary()[4], "Четыре миллиона сто двадцать восемь тысяч восемь рублей 88 копеек");
    t.app.proposal.vatMode = VatMode::None;
    EXPECT_EQ(Summary()[2], "Без НДС");

    // Each line is its converted unit price times the quantity, the total their sum.
    const ProposalAmounts a = ComputeProposalAmounts(t.app);
    Money sum;
    for (const ProposalTable* table : {&a.calculated, &a.added}) {
        for (const ProposalLine& line : table->lines) {
            const Money usd = WorkbookUnitPrice(t.app.catalogue[size_t(line.item)].ItemPrice, 0.07);
            EXPECT_EQ(line.unitPrice, ConvertToCurrency(usd, t.app.proposal));
            EXPECT_EQ(line.sum, line.unitPrice * line.quantity);
            sum += line.sum;
        }
    }
    EXPECT_EQ(a.total, sum);
    const ProposalDocument d = BuildProposalDocument(t.app);
    EXPECT_EQ(d.terms.back(), "Курс пересчета: 1 USD = 92,5061 руб. (курс ЦБ на 09.12.2026 + 2 %)");
    EXPECT_EQ(d.columns[4], "Цена, руб.");
}

TEST_F(RichProposal, DocumentBlocks) {
    SellerDetails& s = t.app.seller;
    s.organisation = "ООО «Связьмонтаж»";
    s.telephone = "+7 495 123-45-67";
    s.email = "sales@example.ru";
    s.bankDetails = "р/с 40702810900000000001\n\nБИК 044525225";
    s.signerPosition = "Коммерческий директор";
    t.app.proposal.customerContact = "Иванов И. И.";
    t.app.proposal.paymentTerms = "100 % предоплата";
    t.app.proposal.cabinetPage = true;
    const ProposalDocument d = BuildProposalDocument(t.app);
    EXPECT_EQ(d.title, "Коммерческое предложение № КП-2026-0042 от 09.12.2026");
    EXPECT_EQ(d.seller, (std::vector<std::string>{
                            "ООО «Связьмонтаж»",
                            "тел. +7 495 123-45-67, e-mail: sales@example.ru",
                            "р/с 40702810900000000001",
                            "БИК 044525225",
                        }));
    EXPECT_EQ(d.customer, (std::vector<std::string>{"Заказчик: ООО «Ромашка»",
                                                    "Контактное лицо: Иванов И. И."}));
    EXPECT_EQ(d.configuration.front(), "Конфигурация:");
    EXPECT_EQ(d.terms, (std::vector<std::string>{"Условия оплаты: 100 % предоплата"}));
    EXPECT_EQ(d.signerPosition, "Коммерческий директор");

    // The workbook's rows, group rows included, numbered from 1 in each table.
    const Sheet sheet = BuildQuotation(t.app);
    ASSERT_EQ(d.tables.size(), 2u);
    int row = 1;
    while (row < 100 && Text(sheet, row, 1) != "Наименование") ++row;
    for (const DocumentRow& r : d.tables[0].rows) {
        ++row;
        EXPECT_EQ(r.name, Text(sheet, row, 1));
        if (r.group) continue;
        EXPECT_EQ(r.code, Text(sheet, row, 2));
        EXPECT_EQ(r.quantity, std::to_string(int(sheet.Find(row, 4)->value)));
    }
    EXPECT_EQ(d.tables[0].rows[1].number, "1");
    EXPECT_TRUE(d.tables[1].rows[0].group);
    EXPECT_EQ(d.tables[1].rows[1].number, "1");
    ASSERT_TRUE(d.cabinet);
    EXPECT_TRUE(d.cabinet->Shape1[0].opaque);
    EXPECT_FALSE(t.app.main.cabinet.Shape1[0].opaque);  // the page's own picture stays
}

TEST(ProposalFile, NameFromNumberAndCustomer) {
    ProposalDetails p;
    EXPECT_EQ(ProposalFileStem(p), "Коммерческое предложение");
    p.number = "КП-2026/0042";
    EXPECT_EQ(ProposalFileStem(p), "КП-2026_0042");
    p.customerOrganisation = " ООО \"Ромашка\"\n  Москва.. ";
    EXPECT_EQ(ProposalFileStem(p), "КП-2026_0042 ООО _Ромашка_ Москва");
    p.number = "..";
    p.customerOrganisation = std::string(200, 'x') + "я";
    EXPECT_EQ(ProposalFileStem(p), std::string(150, 'x'));
    p.customerOrganisation = std::string(149, 'x') + "яя";  // not cut inside a letter
    EXPECT_EQ(ProposalFileStem(p), std::string(149, 'x'));
    EXPECT_EQ(DateText({2026, 1, 9}), "09.01.2026");
    EXPECT_EQ(DateText({}), "");
}

struct ProposalExport : ::testing::Test {
    ProposalExport() {
        folder = fs::temp_directory_path() / ("veltra-proposal-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        t.platform.documentsFolder = folder.string();
        t.app.proposal.number = "КП-7";
    }
    ~ProposalExport() override { fs::remove_all(folder); }
    static std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    testing::TestApp t;
    fs::path folder;
    int renders = 0;
    bool logoUnreadable = false;
    ProposalRenderer render = [this](const ProposalDocument& d, RenderedProposal& out,
                                     std::string&) {
        ++renders;
        out.pdf = "%PDF " + d.title;
        out.logoUnreadable = logoUnreadable;
        return true;
    };
};

TEST_F(ProposalExport, WritesUnderTheNumberAndOpensIt) {
    std::ofstream(folder / "КП-7.pdf") << "earlier";
    ExportProposal(t.app, render);
    const fs::path written = folder / "КП-7 (2).pdf";
    EXPECT_EQ(Contents(written), "%PDF Коммерческое предложение № КП-7");
    EXPECT_EQ(Contents(folder / "КП-7.pdf"), "earlier");
    ASSERT_EQ(t.platform.openedFiles.size(), 1u);
    EXPECT_EQ(t.platform.openedFiles[0], written.string());
    EXPECT_TRUE(t.platform.messages.empty());
}

TEST_F(ProposalExport, AnUnreadableLogoIsSaidOnceAndAFailureWithThePath) {
    logoUnreadable = true;
    t.app.seller.logoPath = "/nowhere/logo.png";
    EXPECT_TRUE(ExportProposalTo(t.app, folder / "a.pdf", render));
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].text, UnreadableLogoMessage("/nowhere/logo.png"));
    EXPECT_EQ(Contents(folder / "a.pdf"), "%PDF Коммерческое предложение № КП-7");

    logoUnreadable = false;
    t.platform.messages.clear();
    EXPECT_FALSE(ExportProposalTo(t.app, folder / "gone" / "b.pdf", render));
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_NE(t.platform.messages[0].text.find((folder / "gone" / "b.pdf").string()),
              std::string::npos);
    const ProposalRenderer failing = [](const ProposalDocument&, RenderedProposal&,
                                        std::string& error) {
        error = "нет шрифтов";
        return false;
    };
    t.platform.messages.clear();
    EXPECT_FALSE(ExportProposalTo(t.app, folder / "c.pdf", failing));
    EXPECT_FALSE(fs::exists(folder / "c.pdf"));
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_NE(t.platform.messages[0].text.find("Причина: нет шрифтов."), std::string::npos);
}

}  // namespace
}  // namespace veltra
