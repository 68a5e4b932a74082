#include "quotation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "configuration_text.h"
#include "state/app.h"

namespace veltra {

namespace {

constexpr int kA = 1, kB = 2, kC = 3, kD = 4, kE = 5, kF = 6, kG = 7, kH = 8;
const Rgb24 kGrid = PaletteColour(16);

int RoundingDigits(Money price) {
    if (price < Money()) return -1;
    if (price <= Money::FromUnits(10)) return 2;
    if (price <= Money::FromUnits(100)) return 1;
    return 0;
}

// The spreadsheet's ROUND: halves away from zero. The product is first cut to
// 12 significant digits so that 2.675 stays 2.675 and not 2.67499...
double RoundLikeSheet(double value, int digits) {
    const double scale = std::pow(10.0, digits);
    char text[40];  // "%.12g" takes at most 19 characters
    std::snprintf(text, sizeof text, "%.12g", value * scale);
    // strtod, unlike stod, reads "inf", "nan" and values beyond the range without throwing.
    const double trimmed = std::strtod(text, nullptr);
    return std::round(trimmed) / scale;
}

// The writing position and the rows the steps remember.
struct Layout {
    Sheet sheet{"Sheet1", "Arial", 9};
    int row = 1;
    double k = 0;
};

void AddSheetLine(Layout& q, const std::string& line) {
    q.sheet.SetText(q.row, kA, line);
    q.sheet.Merge(Row(q.row, kA, kE));
    q.row += 1;
}

void WriteHeaderRow(Layout& q) {
    const CellRange header = Row(q.row, kA, kE);
    q.sheet.SetSolidFill(header, PaletteColour(16));
    q.sheet.SetFontColour(header, PaletteColour(2));
    q.sheet.SetBold(header);
    const char* texts[] = {"Наименование", "Код производителя", " Цена ", "Кол-во", "  Сумма  "};
    for (int c = kA; c <= kE; ++c) q.sheet.SetText(q.row, c, texts[c - 1]);
}

// The item rows of one table, each top-level group introduced by a group row
// whenever it differs from the previous item's; returns the sum of column E.
template <class Quantity>
double WriteItems(Layout& q, const Catalogue& catalogue, Quantity quantity) {
    double sum = 0;
    int previousGroup = 10000;
    for (int i = 0; i < int(catalogue.size()); ++i) {
        const CatalogueItem& item = catalogue[size_t(i)];
        const Count qty = quantity(item);
        if (qty < 1) continue;
        const int group = TopGroupOf(catalogue, i);
        if (group != previousGroup) {
            previousGroup = group;
            q.sheet.Merge(Row(q.row, kA, kE));
            q.sheet.SetBold(Row(q.row, kA, kE));
            q.sheet.SetText(q.row, kA, catalogue[size_t(group)].ItemName);
            q.row += 1;
        }
        const std::string row = std::to_string(q.row);
        const double price = DiscountPrice(item.ItemPrice, q.k);
        q.sheet.SetWrapText(Cell(q.row, kA));
        q.sheet.SetText(q.row, kA, item.ItemName);
        q.sheet.SetText(q.row, kB, item.ItemCode);
        q.sheet.SetFormula(q.row, kC, DiscountPriceFormula(item.ItemPrice), price);
        q.sheet.SetNumber(q.row, kD, int(qty));
        q.sheet.SetFormula(q.row, kE, "=C" + row + "*D" + row, price * int(qty));
        sum += price * int(qty);
        q.row += 1;
    }
    return sum;
}

// The total row at the current row, summing column E from firstRow; the
// current row stays on it.
void WriteTotalRow(Layout& q, int firstRow, double sum) {
    q.sheet.SetFormula(q.row, kE,
                       "=SUM(E" + std::to_string(firstRow) + ":E" + std::to_string(q.row - 1) + ")",
                       sum);
    q.sheet.SetText(q.row, kD, "Итого:");
    q.sheet.SetBold(Cell(q.row, kE));
    q.sheet.SetNumberFormat(Cell(q.row, kE), "[$$-409]#,##0.00");
    q.sheet.SetBold(Cell(q.row, kD));
}

void DrawTableBorders(Layout& q, int headerRow) {
    q.sheet.SetBorders({headerRow, kA, q.row, kE}, BorderWeight::Medium, BorderWeight::Thin, kGrid);
}

}  // namespace

std::string DiscountPriceFormula(Money price) {
    const int digits = RoundingDigits(price);
    return "=ROUND(" + price.RegionalText('.') + "*(1-k)," +
           (digits < 0 ? "" : std::to_string(digits)) + ")";
}

double DiscountPrice(Money price, double k) {
    return RoundLikeSheet(price.ToDouble() * (1 - k), std::max(RoundingDigits(price), 0));
}

int TopGroupOf(const Catalogue& catalogue, int i) {
    while (!catalogue[size_t(i)].ItemParentKey.empty()) {
        const int parent = ItemIndexFromKey(catalogue[size_t(i)].ItemParentKey);
        // A heading always comes before its entries; anything else is a root.
        if (parent < 0 || parent >= i) break;
        i = parent;
    }
    return i;
}

Sheet BuildQuotation(const App& app) {
    Layout q;
    q.k = app.state.config.QuotationDiscountPercent / 100;

    for (const std::string& line : ConfigurationSheetLines(ReadConfiguration(app)))
        AddSheetLine(q, line);

    q.row += 1;  // one empty row
    WriteHeaderRow(q);

    q.sheet.SetColumnWidth(kA, 48.71);
    q.sheet.AddName("k", Cell(1, kG));
    q.sheet.SetNumberFormat(Cell(1, kG), "0%");
    q.sheet.SetNumber(1, kG, q.k);
    q.sheet.SetText(1, kF, "Скидка");

    const int header = q.row;
    q.row += 1;
    const double calculated =
        WriteItems(q, app.catalogue, [](const CatalogueItem& item) { return item.ItemCalcQty; });
    WriteTotalRow(q, 2, calculated);
    q.sheet.SetFormula(1, kH, "=E" + std::to_string(q.row), calculated);
    DrawTableBorders(q, header);

    if (app.state.results.AddTotal > Money()) {
        q.row += 2;
        WriteHeaderRow(q);
        const int secondHeader = q.row;
        q.row += 1;
        const double added =
            WriteItems(q, app.catalogue, [](const CatalogueItem& item) { return item.ItemAddQty; });
        WriteTotalRow(q, secondHeader + 1, added);
        DrawTableBorders(q, secondHeader);
    }

    for (int c = kB; c <= kE; ++c) q.sheet.AutoFit(c);
    q.sheet.AutoFit(kH);
    // Printed, the tables fit the width of A4 and the discount cells beside
    // the first rows stay on the first page.
    PageSetup page;
    page.a4Portrait = true;
    page.fitPagesWide = 1;
    page.repeatedRow = header;
    page.printArea = CellRange{1, kA, q.row, kG};
    q.sheet.SetPageSetup(page);
    return q.sheet;
}

}  // namespace veltra
