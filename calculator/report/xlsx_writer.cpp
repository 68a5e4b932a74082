// WriteXlsx: the workbook layer's one backend, on libxlsxwriter. That library
// has no workbook default font, so every format and every column carries the
// sheet's font; borders are per-cell formats.
#include <xlsxwriter.h>

#include <algorithm>
#include <vector>

#include "workbook.h"

namespace veltra {

namespace {

uint8_t BorderStyle(const BorderLine& line) {
    switch (line.weight) {
        case BorderWeight::None:
            return LXW_BORDER_NONE;
        case BorderWeight::Thin:
            return LXW_BORDER_THIN;
        case BorderWeight::Medium:
            return LXW_BORDER_MEDIUM;
    }
    return LXW_BORDER_NONE;
}

class Formats {
  public:
    Formats(lxw_workbook* workbook, const Sheet& sheet) : workbook_(workbook), sheet_(sheet) {}

    lxw_format* Get(const CellFormat& wanted) {
        for (const auto& [format, made] : made_) {
            if (format == wanted) return made;
        }
        lxw_format* f = workbook_add_format(workbook_);
        format_set_font_name(f, sheet_.fontName().c_str());
        format_set_font_size(f, sheet_.fontSize());
        if (wanted.bold) format_set_bold(f);
        if (wanted.wrap) format_set_text_wrap(f);
        if (!wanted.numberFormat.empty()) format_set_num_format(f, wanted.numberFormat.c_str());
        if (wanted.fontColour) format_set_font_color(f, *wanted.fontColour);
        if (wanted.solidFill) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, *wanted.solidFill);
        }
        const struct {
            void (*style)(lxw_format*, uint8_t);
            void (*colour)(lxw_format*, lxw_color_t);
            const BorderLine& line;
        } sides[] = {{format_set_left, format_set_left_color, wanted.left},
                     {format_set_top, format_set_top_color, wanted.top},
                     {format_set_bottom, format_set_bottom_color, wanted.bottom},
                     {format_set_right, format_set_right_color, wanted.right}};
        for (const auto& side : sides) {
            if (side.line.weight == BorderWeight::None) continue;
            side.style(f, BorderStyle(side.line));
            side.colour(f, side.line.colour);
        }
        made_.emplace_back(wanted, f);
        return f;
    }

  private:
    lxw_workbook* workbook_;
    const Sheet& sheet_;
    std::vector<std::pair<CellFormat, lxw_format*>> made_;
};

void WriteCell(lxw_worksheet* ws, lxw_row_t row, lxw_col_t col, const SheetCell& cell,
               lxw_format* format) {
    switch (cell.kind) {
        case SheetCell::Kind::Empty:
            worksheet_write_blank(ws, row, col, format);
            break;
        case SheetCell::Kind::Text:
            worksheet_write_string(ws, row, col, cell.text.c_str(), format);
            break;
        case SheetCell::Kind::Number:
            worksheet_write_number(ws, row, col, cell.value, format);
            break;
        case SheetCell::Kind::Formula:
            worksheet_write_formula_num(ws, row, col, cell.text.c_str(), format, cell.value);
            break;
    }
}

}  // namespace

bool WriteXlsx(const Sheet& sheet, const std::filesystem::path& path, std::string& error) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) {
        error = "the workbook could not be created";
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(workbook, sheet.name().c_str());
    Formats formats(workbook, sheet);

    // Every column up to the last one used shows the sheet's font, filled or not.
    int lastColumn = 8;
    for (const auto& [position, cell] : sheet.cells())
        lastColumn = std::max(lastColumn, position.second);
    lxw_format* plain = formats.Get({});
    for (int c = 1; c <= lastColumn; ++c) {
        const auto width = sheet.columnWidths().find(c);
        worksheet_set_column(
            ws, lxw_col_t(c - 1), lxw_col_t(c - 1),
            width == sheet.columnWidths().end() ? LXW_DEF_COL_WIDTH : width->second, plain);
    }
    for (const CellRange& m : sheet.merges()) {
        worksheet_merge_range(ws, lxw_row_t(m.firstRow - 1), lxw_col_t(m.firstColumn - 1),
                              lxw_row_t(m.lastRow - 1), lxw_col_t(m.lastColumn - 1), "",
                              formats.Get(sheet.Find(m.firstRow, m.firstColumn)->format));
    }
    for (const auto& [position, cell] : sheet.cells()) {
        WriteCell(ws, lxw_row_t(position.first - 1), lxw_col_t(position.second - 1), cell,
                  formats.Get(cell.format));
    }
    for (const DefinedName& name : sheet.names()) {
        const std::string scoped = sheet.name() + "!" + name.name;
        const std::string target = "=" + sheet.name() + "!" + AbsoluteReference(name.refersTo);
        workbook_define_name(workbook, scoped.c_str(), target.c_str());
    }
    const PageSetup& page = sheet.pageSetup();
    if (page.a4Portrait) {
        worksheet_set_paper(ws, 9);  // A4
        worksheet_set_portrait(ws);
    }
    if (page.fitPagesWide > 0) worksheet_fit_to_pages(ws, uint16_t(page.fitPagesWide), 0);
    if (page.repeatedRow > 0)
        worksheet_repeat_rows(ws, lxw_row_t(page.repeatedRow - 1), lxw_row_t(page.repeatedRow - 1));
    if (const auto& a = page.printArea) {
        worksheet_print_area(ws, lxw_row_t(a->firstRow - 1), lxw_col_t(a->firstColumn - 1),
                             lxw_row_t(a->lastRow - 1), lxw_col_t(a->lastColumn - 1));
    }
    const lxw_error result = workbook_close(workbook);
    if (result != LXW_NO_ERROR) {
        error = lxw_strerror(result);
        return false;
    }
    return true;
}

}  // namespace veltra
