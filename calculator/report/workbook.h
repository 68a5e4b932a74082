#pragma once
// A small spreadsheet model shaped like the operations the quotation needs:
// cells with texts, numbers and formulas, merged ranges, fonts, fills,
// borders, number formats, sheet-level names and column widths. Rows and
// columns count from 1 as a spreadsheet shows them. WriteXlsx saves it.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

using Rgb24 = uint32_t;  // 0xRRGGBB, as the file stores colours

// The spreadsheet program's default palette by index (2 white, 16 grey, ...).
Rgb24 PaletteColour(int index);

struct CellRange {
    int firstRow, firstColumn, lastRow, lastColumn;
};
CellRange Cell(int row, int column);
CellRange Row(int row, int firstColumn, int lastColumn);

enum class BorderWeight { None, Thin, Medium };

struct BorderLine {
    BorderWeight weight = BorderWeight::None;
    Rgb24 colour = 0;
    friend bool operator==(const BorderLine&, const BorderLine&) = default;
};

struct CellFormat {
    bool bold = false;
    bool wrap = false;
    std::string numberFormat;  // empty: General
    std::optional<Rgb24> fontColour;
    std::optional<Rgb24> solidFill;
    BorderLine left, top, bottom, right;
    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

struct SheetCell {
    enum class Kind { Empty, Text, Number, Formula };
    Kind kind = Kind::Empty;
    std::string text;  // the text, or the formula starting with "="
    double value = 0;  // the number, or the formula's computed result
    CellFormat format;
};

struct DefinedName {
    std::string name;
    CellRange refersTo;
};

// How the sheet prints. Nothing set: the spreadsheet program's defaults.
struct PageSetup {
    bool a4Portrait = false;
    int fitPagesWide = 0;  // scaled to this many pages across, any number down; 0: not fitted
    int repeatedRow = 0;   // printed at the top of every page; 0 for none
    std::optional<CellRange> printArea;
};

class Sheet {
  public:
    Sheet(std::string name, std::string fontName, double fontSize);

    const std::string& name() const { return name_; }
    const std::string& fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }

    void SetText(int row, int column, const std::string& text);
    void SetNumber(int row, int column, double value);
    // A formula in A1 form with the result it computes, kept as the cell's
    // cached value for readers that do not recalculate.
    void SetFormula(int row, int column, const std::string& formula, double value);

    void Merge(const CellRange& range);
    void SetBold(const CellRange& range);
    void SetWrapText(const CellRange& range);
    void SetNumberFormat(const CellRange& range, const std::string& format);
    void SetFontColour(const CellRange& range, Rgb24 colour);
    void SetSolidFill(const CellRange& range, Rgb24 colour);
    // Outer edges in one weight, the lines between cells in another.
    void SetBorders(const CellRange& range, BorderWeight outer, BorderWeight inner, Rgb24 colour);
    // A name that belongs to this sheet only.
    void AddName(const std::string& name, const CellRange& refersTo);
    void SetPageSetup(const PageSetup& setup) { pageSetup_ = setup; }
    void SetColumnWidth(int column, double width);
    // Fits the column to its longest displayed text outside merged ranges.
    void AutoFit(int column);

    const SheetCell* Find(int row, int column) const;
    const std::map<std::pair<int, int>, SheetCell>& cells() const { return cells_; }
    const std::vector<CellRange>& merges() const { return merges_; }
    const std::vector<DefinedName>& names() const { return names_; }
    const std::map<int, double>& columnWidths() const { return widths_; }
    const PageSetup& pageSetup() const { return pageSetup_; }

  private:
    SheetCell& At(int row, int column);
    template <class Change>
    void ForEach(const CellRange& range, Change change);
    bool IsMerged(int row, int column) const;

    std::string name_, fontName_;
    double fontSize_;
    std::map<std::pair<int, int>, SheetCell> cells_;  // (row, column)
    std::vector<CellRange> merges_;
    std::vector<DefinedName> names_;
    std::map<int, double> widths_;
    PageSetup pageSetup_;
};

// The text a cell shows under its number format (General, "0%" and the
// dollar format with grouping and two decimals); "#NUM!" for infinity and
// not-a-number. Any value gives its whole text.
std::string DisplayText(const SheetCell& cell);
// "A", "B", ... "AA"; and "$G$1" style absolute references.
std::string ColumnLetters(int column);
std::string AbsoluteReference(const CellRange& range);

// Writes the sheet as a workbook of one sheet. On failure returns false and
// says why in `error`.
bool WriteXlsx(const Sheet& sheet, const std::filesystem::path& path, std::string& error);

}  // namespace veltra
