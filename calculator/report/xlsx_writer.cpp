// WriteXlsx: the workbook layer's one backend, on libxlsxwriter. That library
// has no workbook default font, so every format and every column carries the
// sheet's font; borders are per-cell formats.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue/staged_file.h"
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

lxw_error WriteCell(lxw_worksheet* ws, lxw_row_t row, lxw_col_t col, const SheetCell& cell,
                    lxw_format* format) {
    switch (cell.kind) {
        case SheetCell::Kind::Empty:
            return worksheet_write_blank(ws, row, col, format);
        case SheetCell::Kind::Text:
            return worksheet_write_string(ws, row, col, cell.text.c_str(), format);
        case SheetCell::Kind::Number:
            return worksheet_write_number(ws, row, col, cell.value, format);
        case SheetCell::Kind::Formula:
            return worksheet_write_formula_num(ws, row, col, cell.text.c_str(), format, cell.value);
    }
    return LXW_NO_ERROR;
}

// The library prints its own errors and warnings to standard error, naming
// the hidden file it was handed. They are held back while it works; what
// else reaches standard error meanwhile is passed on.
class LibraryMessages {
  public:
    LibraryMessages() {
        std::fflush(stderr);
        held_ = ::memfd_create("veltra-workbook-messages", MFD_CLOEXEC);
        if (held_ < 0) return;
        terminal_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        if (terminal_ < 0 || ::dup2(held_, STDERR_FILENO) < 0) Release();
    }
    LibraryMessages(const LibraryMessages&) = delete;
    LibraryMessages& operator=(const LibraryMessages&) = delete;
    ~LibraryMessages() { Finish(); }

    // The library's lines; standard error is itself again.
    std::string Finish() {
        if (held_ < 0) return {};
        std::fflush(stderr);
        ::dup2(terminal_, STDERR_FILENO);
        std::string text;
        char buffer[4096];
        for (off_t at = 0;;) {
            const ssize_t n = ::pread(held_, buffer, sizeof buffer, at);
            if (n <= 0) break;
            text.append(buffer, static_cast<size_t>(n));
            at += n;
        }
        Release();
        std::string library, others;
        for (size_t start = 0; start < text.size();) {
            const size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
            const std::string line = text.substr(start, end - start);
            (line.rfind("[ERROR]", 0) == 0 || line.rfind("[WARNING]", 0) == 0 ? library : others) +=
                line;
            start = end;
        }
        if (!others.empty()) std::fputs(others.c_str(), stderr);
        return library;
    }

  private:
    void Release() {
        if (terminal_ >= 0) ::close(terminal_);
        if (held_ >= 0) ::close(held_);
        terminal_ = held_ = -1;
    }

    int held_ = -1, terminal_ = -1;
};

// The system's reason the library quoted ("System error = ..."), in our words.
std::optional<std::string> QuotedSystemReason(const std::string& messages) {
    const std::string marker = "System error = ";
    const size_t at = messages.find(marker);
    if (at == std::string::npos) return std::nullopt;
    const size_t from = at + marker.size();
    const std::string quoted = messages.substr(from, messages.find('\n', from) - from);
    for (int code = 1; code < 256; ++code) {
        if (std::error_code(code, std::generic_category()).message() == quoted)
            return FileErrorReason(code);
    }
    return std::nullopt;
}

std::string LibraryReason(lxw_error result, const std::string& messages) {
    const std::optional<std::string> system = QuotedSystemReason(messages);
    switch (result) {
        case LXW_ERROR_MEMORY_MALLOC_FAILED:
            return FileErrorReason(ENOMEM);
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
            // tmpfile(): the system's temporary folder, not the workbook's.
            return std::string("временные файлы книги в ") + P_tmpdir + ": " +
                   system.value_or("не удалось создать или прочитать");
        case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
            return "текст длиннее 32 767 знаков";
        default:
            return system.value_or("книгу не удалось собрать (ошибка " +
                                   std::to_string(static_cast<int>(result)) + ")");
    }
}

}  // namespace

bool WriteXlsx(const Sheet& sheet, const std::filesystem::path& path, std::string& error) {
    LibraryMessages messages;
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) {
        error = FileErrorReason(ENOMEM);
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
    // A cell the library refuses would be missing from a quotation that
    // looks complete: the first one fails the export.
    std::string cellFault;
    for (const auto& [position, cell] : sheet.cells()) {
        const lxw_error written =
            WriteCell(ws, lxw_row_t(position.first - 1), lxw_col_t(position.second - 1), cell,
                      formats.Get(cell.format));
        if (written != LXW_NO_ERROR && cellFault.empty()) {
            cellFault = "ячейка " + ColumnLetters(position.second) +
                        std::to_string(position.first) + ": " + LibraryReason(written, {});
        }
    }
    for (const DefinedName& name : sheet.names()) {
        const std::string scoped = sheet.name() + "!" + name.name;
        const std::string target = "=" + sheet.name() + "!" + AbsoluteReference(name.refersTo);
        workbook_define_name(workbook, scoped.c_str(), target.c_str());
    }
    const lxw_error result = workbook_close(workbook);
    const std::string said = messages.Finish();
    if (result != LXW_NO_ERROR) {
        error = LibraryReason(result, said);
        return false;
    }
    if (!cellFault.empty()) {
        error = cellFault;
        return false;
    }
    return true;
}

}  // namespace veltra
