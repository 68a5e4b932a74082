#include "workbook.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace veltra {

Rgb24 PaletteColour(int index) {
    // The first entries of the default 56-colour palette; index 1 is black.
    static const Rgb24 kPalette[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00,
                                     0xFF00FF, 0x00FFFF, 0x800000, 0x008000, 0x000080, 0x808000,
                                     0x800080, 0x008080, 0xC0C0C0, 0x808080};
    if (index < 1 || index > int(std::size(kPalette))) return 0;
    return kPalette[index - 1];
}

CellRange Cell(int row, int column) {
    return {row, column, row, column};
}

CellRange Row(int row, int firstColumn, int lastColumn) {
    return {row, firstColumn, row, lastColumn};
}

Sheet::Sheet(std::string name, std::string fontName, double fontSize)
    : name_(std::move(name)), fontName_(std::move(fontName)), fontSize_(fontSize) {}

SheetCell& Sheet::At(int row, int column) {
    return cells_[{row, column}];
}

template <class Change>
void Sheet::ForEach(const CellRange& range, Change change) {
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int c = range.firstColumn; c <= range.lastColumn; ++c) change(r, c, At(r, c));
    }
}

void Sheet::SetText(int row, int column, const std::string& text) {
    SheetCell& cell = At(row, column);
    cell.kind = SheetCell::Kind::Text;
    cell.text = text;
    cell.value = 0;
}

void Sheet::SetNumber(int row, int column, double value) {
    SheetCell& cell = At(row, column);
    cell.kind = SheetCell::Kind::Number;
    cell.text.clear();
    cell.value = value;
}

void Sheet::SetFormula(int row, int column, const std::string& formula, double value) {
    SheetCell& cell = At(row, column);
    cell.kind = SheetCell::Kind::Formula;
    cell.text = formula;
    cell.value = value;
}

void Sheet::Merge(const CellRange& range) {
    merges_.push_back(range);
    ForEach(range, [](int, int, SheetCell&) {});
}

void Sheet::SetBold(const CellRange& range) {
    ForEach(range, [](int, int, SheetCell& cell) { cell.format.bold = true; });
}

void Sheet::SetWrapText(const CellRange& range) {
    ForEach(range, [](int, int, SheetCell& cell) { cell.format.wrap = true; });
}

void Sheet::SetNumberFormat(const CellRange& range, const std::string& format) {
    ForEach(range, [&](int, int, SheetCell& cell) { cell.format.numberFormat = format; });
}

void Sheet::SetFontColour(const CellRange& range, Rgb24 colour) {
    ForEach(range, [&](int, int, SheetCell& cell) { cell.format.fontColour = colour; });
}

void Sheet::SetSolidFill(const CellRange& range, Rgb24 colour) {
    ForEach(range, [&](int, int, SheetCell& cell) { cell.format.solidFill = colour; });
}

void Sheet::SetBorders(const CellRange& range, BorderWeight outer, BorderWeight inner,
                       Rgb24 colour) {
    ForEach(range, [&](int r, int c, SheetCell& cell) {
        auto line = [&](bool edge) { return BorderLine{edge ? outer : inner, colour}; };
        cell.format.left = line(c == range.firstColumn);
        cell.format.right = line(c == range.lastColumn);
        cell.format.top = line(r == range.firstRow);
        cell.format.bottom = line(r == range.lastRow);
    });
}

void Sheet::AddName(const std::string& name, const CellRange& refersTo) {
    names_.push_back({name, refersTo});
}

void Sheet::SetColumnWidth(int column, double width) {
    widths_[column] = width;
}

bool Sheet::IsMerged(int row, int column) const {
    return std::any_of(merges_.begin(), merges_.end(), [&](const CellRange& m) {
        return row >= m.firstRow && row <= m.lastRow && column >= m.firstColumn &&
               column <= m.lastColumn;
    });
}

namespace {

size_t CodePoints(const std::string& text) {
    return size_t(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

// The whole printf text of one number: "%.2f" of 1e300 takes 304
// characters, more than any fixed buffer here would hold.
std::string Printed(const char* format, double value) {
    const int length = std::snprintf(nullptr, 0, format, value);
    if (length <= 0) return "";
    std::string text(size_t(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, value);
    text.resize(size_t(length));
    return text;
}

std::string Grouped(double value) {
    const std::string digits = Printed("%.2f", std::fabs(value));
    std::string whole = digits.substr(0, digits.find('.'));
    const std::string fraction = digits.substr(whole.size());
    for (int at = int(whole.size()) - 3; at > 0; at -= 3) whole.insert(size_t(at), ",");
    return whole + fraction;
}

}  // namespace

std::string DisplayText(const SheetCell& cell) {
    switch (cell.kind) {
        case SheetCell::Kind::Empty:
            return "";
        case SheetCell::Kind::Text:
            return cell.text;
        case SheetCell::Kind::Number:
        case SheetCell::Kind::Formula:
            break;
    }
    // What the spreadsheet program shows for a number it cannot hold.
    if (!std::isfinite(cell.value)) return "#NUM!";
    const std::string& format = cell.format.numberFormat;
    if (format == "0%") return Printed("%.0f%%", cell.value * 100);
    if (format == "[$$-409]#,##0.00") return (cell.value < 0 ? "-$" : "$") + Grouped(cell.value);
    return Printed("%.10g", cell.value);
}

void Sheet::AutoFit(int column) {
    double width = 0;
    for (const auto& [position, cell] : cells_) {
        const auto [row, c] = position;
        if (c != column || IsMerged(row, c)) continue;
        // Arial 9 against the file's default font: about one unit a character,
        // a tenth more in bold, and room for the cell's margins.
        const double chars = double(CodePoints(DisplayText(cell)));
        if (chars > 0) width = std::max(width, chars * (cell.format.bold ? 1.1 : 1.0) + 1.0);
    }
    if (width > 0) widths_[column] = std::round(width * 100) / 100;
}

const SheetCell* Sheet::Find(int row, int column) const {
    const auto found = cells_.find({row, column});
    return found == cells_.end() ? nullptr : &found->second;
}

std::string ColumnLetters(int column) {
    std::string letters;
    for (; column > 0; column = (column - 1) / 26) {
        letters.insert(letters.begin(), char('A' + (column - 1) % 26));
    }
    return letters;
}

std::string AbsoluteReference(const CellRange& range) {
    auto one = [](int row, int column) {
        return "$" + ColumnLetters(column) + "$" + std::to_string(row);
    };
    std::string text = one(range.firstRow, range.firstColumn);
    if (range.lastRow != range.firstRow || range.lastColumn != range.firstColumn)
        text += ":" + one(range.lastRow, range.lastColumn);
    return text;
}

}  // namespace veltra
