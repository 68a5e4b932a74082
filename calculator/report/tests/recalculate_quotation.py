"""Has a spreadsheet program recalculate the sample quotation: the workbook is
written with no discount, the discount cell is set to 10 % (saving drops every
cached result), and gnumeric's ssconvert recalculates it into CSV.

usage: recalculate_quotation.py SAMPLE_TOOL WORKDIR
"""
import csv
import decimal
import os
import re
import subprocess
import sys

import openpyxl

PRICE = re.compile(r"^=ROUND\((-?[\d.]+)\*\(1-k\),([012]?)\)$")


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def rounded(value, digits):
    step = decimal.Decimal(1).scaleb(-int(digits or 0))
    return float(decimal.Decimal(str(value)).quantize(step, rounding=decimal.ROUND_HALF_UP))


def main():
    tool, workdir = sys.argv[1], sys.argv[2]
    os.makedirs(workdir, exist_ok=True)
    written = os.path.join(workdir, "quotation.xlsx")
    changed = os.path.join(workdir, "discount10.xlsx")
    out = os.path.join(workdir, "discount10.csv")
    subprocess.run([tool, written], check=True)
    wb = openpyxl.load_workbook(written)
    ws = wb.active
    formulas = {r: ws.cell(r, 3).value for r in range(1, ws.max_row + 1)
                if isinstance(ws.cell(r, 3).value, str) and ws.cell(r, 3).value.startswith("=")}
    ws["G1"] = 0.1
    wb.save(changed)
    subprocess.run(["ssconvert", "--recalc", changed, out], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(out, newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))

    def number(r, c):
        try:
            return float(rows[r - 1][c - 1])
        except (ValueError, IndexError):
            fail(f"no number at row {r} column {c}: {rows[r - 1]!r}")

    tables, total = [], 0.0
    for r, formula in sorted(formulas.items()):
        price, digits = PRICE.match(formula).groups()
        want = rounded(float(price) * 0.9, digits)
        if abs(number(r, 3) - want) > 1e-9:
            fail(f"C{r}: {number(r, 3)} instead of {want} for {formula}")
        if abs(number(r, 5) - want * number(r, 4)) > 1e-6:
            fail(f"E{r}: {number(r, 5)}")
        total += number(r, 5)
        if rows[r][3:4] == ["Итого:"]:
            if abs(number(r + 1, 5) - total) > 1e-6:
                fail(f"total at {r + 1}: {number(r + 1, 5)} instead of {total}")
            tables.append(total)
            total = 0.0
    if len(tables) != 2:
        fail(f"{len(tables)} totals found")
    if abs(number(1, 8) - tables[0]) > 1e-6:
        fail(f"H1 {number(1, 8)} instead of {tables[0]}")
    fans = [r for r in rows if r[1:2] == ["BKV 104 12/1"]]
    if len(fans) != 1 or float(fans[0][2]) != 225 or float(fans[0][4]) != 450:
        fail(f"the fans at 250 less 10 %: {fans!r}")
    print("ok: totals", tables)


main()
