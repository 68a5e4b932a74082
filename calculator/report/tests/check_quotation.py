"""Reads the sample quotation back with openpyxl and checks what a user of the
workbook sees: texts, merges, the name "k", formulas, number formats, fills,
borders, fonts, column widths and the cached results.

usage: check_quotation.py SAMPLE_TOOL WORKDIR
"""
import os
import re
import subprocess
import sys

import openpyxl

GREY, WHITE = "FF808080", "FFFFFFFF"
PRICE = re.compile(r"^=ROUND\((-?\d+(?:\.\d+)?)\*\(1-k\),([012]?)\)$")


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


def rows_with(ws, column, text):
    return [c.row for c in ws[column] if c.value == text]


def check_table(ws, cached, header, total, sum_first):
    texts = [ws.cell(header, c).value for c in range(1, 6)]
    check(texts == ["Наименование", "Код производителя", " Цена ", "Кол-во", "  Сумма  "],
          f"header texts {texts!r}")
    for c in range(1, 6):
        cell = ws.cell(header, c)
        check(cell.fill.patternType == "solid" and cell.fill.fgColor.rgb == GREY,
              f"header fill {cell.coordinate}")
        check(cell.font.b and cell.font.color.rgb == WHITE, f"header font {cell.coordinate}")

    merged = {str(r) for r in ws.merged_cells.ranges}
    items = 0
    total_value = 0.0
    for r in range(header + 1, total):
        a = ws.cell(r, 1)
        if ws.cell(r, 2).value is None:  # a group row
            check(f"A{r}:E{r}" in merged and a.font.b, f"group row {r} merged and bold")
            continue
        items += 1
        check(a.alignment.wrap_text, f"A{r} wraps")
        match = PRICE.match(ws.cell(r, 3).value or "")
        check(match, f"price formula C{r}: {ws.cell(r, 3).value!r}")
        price, digits = float(match.group(1)), match.group(2)
        expected_digits = "2" if price <= 10 else "1" if price <= 100 else "0"
        check(digits == expected_digits, f"C{r} digits {digits} for {price}")
        check(isinstance(ws.cell(r, 4).value, int), f"D{r} is a number")
        check(ws.cell(r, 5).value == f"=C{r}*D{r}", f"E{r}: {ws.cell(r, 5).value!r}")
        check(abs(cached.cell(r, 5).value - cached.cell(r, 3).value * ws.cell(r, 4).value) < 1e-9,
              f"cached E{r}")
        total_value += cached.cell(r, 5).value
    check(items > 0, f"items in the table at {header}")

    check(ws.cell(total, 4).value == "Итого:" and ws.cell(total, 4).font.b, f"D{total}")
    e = ws.cell(total, 5)
    check(e.value == f"=SUM(E{sum_first}:E{total - 1})", f"sum {e.value!r}")
    check(e.number_format == "[$$-409]#,##0.00" and e.font.b, f"sum format {e.number_format!r}")
    check(abs(cached.cell(total, 5).value - total_value) < 1e-6, f"cached total at {total}")

    for r in range(header, total + 1):
        for c in range(1, 6):
            b = ws.cell(r, c).border
            sides = {"left": c == 1, "right": c == 5, "top": r == header, "bottom": r == total}
            if f"A{r}:E{r}" in merged:
                # openpyxl gives a merged row the first cell's borders only.
                if c > 1:
                    continue
                del sides["right"]
            for side, outer in sides.items():
                line = getattr(b, side)
                want = "medium" if outer else "thin"
                check(line.style == want and line.color.rgb == GREY,
                      f"{side} border of {ws.cell(r, c).coordinate}: {line.style}")
            check(b.diagonal.style is None, f"no diagonal in {ws.cell(r, c).coordinate}")
    return total_value


def main():
    tool, workdir = sys.argv[1], sys.argv[2]
    os.makedirs(workdir, exist_ok=True)
    path = os.path.join(workdir, "квота.xlsx")
    subprocess.run([tool, path, "10"], check=True)
    wb = openpyxl.load_workbook(path)
    cached = openpyxl.load_workbook(path, data_only=True).active
    ws = wb.active

    # The configuration lines, merged A:E, then exactly one empty row.
    lines = []
    for r in range(1, ws.max_row + 1):
        if ws.cell(r, 1).value is None:
            break
        check(f"A{r}:E{r}" in {str(m) for m in ws.merged_cells.ranges}, f"A{r}:E{r} merged")
        lines.append(ws.cell(r, 1).value)
    check(lines[0] == "• 164 аналоговых абонентских линии", f"first line {lines[0]!r}")
    check(lines[-1] == "• описание системы 1600 стр. (компакт-диск)", f"last {lines[-1]!r}")
    check(len(lines) == 15, f"{len(lines)} configuration lines")
    header = len(lines) + 2
    check(ws.cell(header, 1).value == "Наименование", "the header after one empty row")

    # Discount, its name and the copy of the first total.
    check(ws["F1"].value == "Скидка", "F1")
    check(ws["G1"].value == 0.1 and ws["G1"].number_format == "0%", "G1 10 %")
    names = [n for n in wb.defined_names.definedName if n.name == "k"]
    check(len(names) == 1 and names[0].localSheetId == 0 and
          names[0].attr_text == "Sheet1!$G$1", "the sheet-level name k")

    totals = rows_with(ws, "D", "Итого:")
    check(len(totals) == 2, f"two totals {totals}")
    check(ws["H1"].value == f"=E{totals[0]}", f"H1 {ws['H1'].value!r}")
    first = check_table(ws, cached, header, totals[0], 2)
    second_header = totals[0] + 2
    check(ws.cell(totals[0] + 1, 1).value is None, "one empty row before the second table")
    check_table(ws, cached, second_header, totals[1], second_header + 1)
    check(abs(cached["H1"].value - first) < 1e-6, "cached H1")

    fans = rows_with(ws, "B", "BKV 104 12/1")
    check(len(fans) == 1 and fans[0] > second_header, "the hand-added fans in the second table")
    check(ws.cell(fans[0], 3).value == "=ROUND(250*(1-k),0)", "the fans' price formula")
    check(cached.cell(fans[0], 3).value == 225, "the fans' cached discounted price")

    # Arial 9 in every written cell; column widths.
    for row in ws.iter_rows():
        for cell in row:
            if cell.value is not None:
                check(cell.font.name == "Arial" and cell.font.sz == 9, f"font {cell.coordinate}")
    dims = ws.column_dimensions
    check(abs((dims["A"].width * 7 - 5) / 7 - 48.71) < 0.01, f"A width {dims['A'].width}")
    longest_code = max(len(str(c.value)) for c in ws["B"] if c.value is not None)
    for letter in "BCDEH":
        check(dims[letter].customWidth, f"{letter} fitted")
    check(dims["B"].width >= longest_code, f"B width {dims['B'].width} for {longest_code} chars")
    check(dims["E"].width >= len("$99,999.00"), f"E width {dims['E'].width}")

    # Printed: A4 portrait, one page wide, the header row on every page, the
    # tables and the discount cells.
    check(int(ws.page_setup.paperSize) == 9 and ws.page_setup.orientation == "portrait",
          f"paper {ws.page_setup.paperSize} {ws.page_setup.orientation}")
    # fitToWidth is left out when it is 1, the file format's default.
    check(ws.sheet_properties.pageSetUpPr.fitToPage and (ws.page_setup.fitToWidth or 1) == 1
          and ws.page_setup.fitToHeight == 0, "fitted to one page wide")
    check(ws.print_title_rows.replace("$", "") == f"{header}:{header}",
          f"repeated {ws.print_title_rows!r}")
    check(f"$A$1:$G${totals[1]}" in str(ws.print_area), f"print area {ws.print_area!r}")
    print("ok:", len(lines), "lines,", totals, "totals")


main()
