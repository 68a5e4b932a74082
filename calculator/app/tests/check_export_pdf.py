"""The commercial proposal as PDF, read back with poppler's pdftotext and
pdffonts. The real program with no display at all: --export-pdf of a saved
calculation writes a document whose text holds every item code of the file,
its number and customer, the workbook's totals and the total in words, with
every font embedded;
failures exit as --export-xlsx does. Then the sample proposal with a
hand-added table long enough for three pages: its number and customer in
the text, the header row on every page of the table, every row whole and
once, "Страница N из M" right on each page.

usage: check_export_pdf.py PROGRAM CALCULATION_SAMPLE PROPOSAL_SAMPLE WORKDIR
"""
import json
import os
import re
import shutil
import subprocess
import sys

import openpyxl


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


def text_of(pdf, *options):
    return subprocess.run(["pdftotext", *options, pdf, "-"], capture_output=True, text=True,
                          check=True).stdout


def pages_of(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def check_fonts(pdf):
    lines = subprocess.run(["pdffonts", pdf], capture_output=True, text=True,
                           check=True).stdout.splitlines()[2:]
    check(lines, f"{pdf}: no fonts")
    for line in lines:
        # name type encoding emb sub uni object ID: "emb" is the fourth field from the end.
        check(line.split()[-5] == "yes", f"{pdf}: a font not embedded: {line}")


def amount(value):
    """21874.82 -> "21 874,82", as the document writes it."""
    whole, cents = divmod(round(value * 100), 100)
    return f"{whole:,}".replace(",", " ") + f",{cents:02d}"


def main():
    program, calculation_sample, proposal_sample, workdir = sys.argv[1:5]
    shutil.rmtree(workdir, ignore_errors=True)
    os.makedirs(os.path.join(workdir, "home"))
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELTRA_PRICE_LIST")}
    env["HOME"] = os.path.join(workdir, "home")

    def run(*args):
        done = subprocess.run([program, *args], env=env, capture_output=True, text=True,
                              timeout=60)
        return done.returncode, done.stdout, done.stderr

    calculation = os.path.join(workdir, "Расчет.veltra")
    subprocess.run([calculation_sample, calculation, "10"], check=True)
    saved = json.load(open(calculation, encoding="utf-8"))
    # The proposal's details as its dialog keeps them in the file.
    saved["proposal"].update({"customerOrganisation": "ООО «Офис Север»", "number": "КП-2026-0107",
                              "date": "2026-12-10", "validUntil": "2027-01-09"})
    json.dump(saved, open(calculation, "w", encoding="utf-8"), ensure_ascii=False, indent=2)
    items = saved["items"]
    pdf = os.path.join(workdir, "Предложение.pdf")
    code, out, err = run("--export-pdf", pdf, calculation)
    check(code == 0 and out == "" and err == "", f"export: {code} {out!r} {err!r}")
    check_fonts(pdf)
    text = text_of(pdf)
    check("Коммерческое предложение № КП-2026-0107 от 10.12.2026" in text, "the number and date")
    check("ООО «Офис Север»" in text, "the customer")
    check("Предложение действительно до 09.01.2027" in text, "the validity")
    for item in items:
        check(item["code"] in text, f"the item {item['code']} in the text")

    # The totals are the workbook's: each table's, and both together.
    book = os.path.join(workdir, "Отчет.xlsx")
    code, _, err = run("--export-xlsx", book, calculation)
    check(code == 0, f"workbook: {err!r}")
    ws = openpyxl.load_workbook(book, data_only=True).active  # the cached values
    totals = [ws.cell(c.row, 5).value for c in ws["D"] if c.value == "Итого:"]
    check(len(totals) == 2, f"two tables in the workbook: {totals}")
    layout = text_of(pdf, "-layout")
    for total in totals:
        check(amount(total) in layout, f"the table total {amount(total)} in the text")
    grand = amount(sum(totals))
    check(re.search(r"Итого:\s+" + grand + " USD", layout), f"Итого {grand} USD")
    check(re.search(r"в том числе НДС 22 %:\s+[\d ]+,\d\d USD", layout), "the VAT line")
    words = re.search(r"^([А-Я][а-я ]+) (доллар|доллара|долларов) США (\d\d) (цент|цента|центов)$",
                      text, re.M)
    check(words and words.group(3) == grand[-2:], f"the total in words, {grand[-2:]} cents")

    # Failures: a folder that is not there, a wrong command line.
    code, _, err = run("--export-pdf", os.path.join(workdir, "нет", "x.pdf"), calculation)
    check(code == 1 and "Не удалось записать коммерческое предложение" in err, f"{code} {err!r}")
    check(run("--export-pdf")[0] == 2, "no path after --export-pdf")
    before = open(calculation, "rb").read()
    code, _, err = run("--export-pdf", calculation, calculation)
    check(code == 1 and "нельзя записать" in err and open(calculation, "rb").read() == before,
          f"the calculation itself: {code} {err!r}")
    other = os.path.join(workdir, "Предложение.txt")
    code, _, err = run("--export-pdf", other, calculation)
    check(code == 0 and "не оканчивается на .pdf" in err and os.path.getsize(other) > 0,
          f"a name without .pdf: {code} {err!r}")
    check(run("--export-pdf", pdf)[0] == 2, "no calculation")

    # A hand-added table over three pages and more.
    long = os.path.join(workdir, "Длинное.pdf")
    done = subprocess.run([proposal_sample, long, "--added", "100", "--rub", "--vat", "on-top"],
                          env=env, capture_output=True, text=True, timeout=60)
    check(done.returncode == 0, f"sample: {done.stderr!r}")
    check_fonts(long)
    text = text_of(long)
    check("Коммерческое предложение № КП-2026-0042 от 09.12.2026" in text, "number and date")
    check("Заказчик: АО «Северный терминал»" in text, "the customer")
    count = pages_of(long)
    row = re.compile(r"^\s*(\d+)\s+\S.*?\s(\d+)\s+([\d ]+,\d\d)\s+([\d ]+,\d\d)\s*$")
    added, added_pages = [], []
    for page in range(1, count + 1):
        lines = [line for line in text_of(long, "-layout", "-f", str(page), "-l", str(page))
                 .splitlines() if line.strip()]
        check(lines[-1].strip() == f"Страница {page} из {count}", f"page {page}: {lines[-1]!r}")
        caption = next((i for i, line in enumerate(lines)
                        if line.strip() == "Дополнительные позиции"), None)
        if caption is None and not added_pages:
            continue
        numbers = [int(m.group(1)) for m in map(row.match, lines[caption or 0:]) if m]
        if not numbers:
            continue
        added_pages.append(page)
        check(any(re.match(r"^\s*№ п/п\s+Наименование", line) for line in lines),
              f"page {page}: the header row")
        added += numbers
    check(len(added_pages) >= 3, f"the hand-added table on pages {added_pages} of {count}")
    # The rich configuration's two hand-added items and the hundred more.
    check(added == list(range(1, len(added) + 1)) and len(added) == 102,
          f"every hand-added row once, in order: {added}")


if __name__ == "__main__":
    main()
