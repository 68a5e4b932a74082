"""Runs the real program on a saved calculation with no display at all:
--export-xlsx writes the workbook (read back with openpyxl: the items and
quantities the file holds, the discount), --print-configuration prints the
text, a changed price list is told on stderr without failing, and a bad file
or price list fails with its reason on stderr and writes nothing. Then the
output's safety (never an input, never a read-only file; a replaced file
keeps its bits and a link stays a link), a failed write's reason, and the
mistakes of the command line itself.

usage: check_command_line.py PROGRAM SAMPLE_TOOL PRICE_LIST WORKDIR
"""
import collections
import json
import os
import resource
import shutil
import signal
import stat
import subprocess
import sys

import openpyxl


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


def main():
    program, sample, price_list, workdir = sys.argv[1:5]
    shutil.rmtree(workdir, ignore_errors=True)
    os.makedirs(os.path.join(workdir, "home"))
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELTRA_PRICE_LIST")}
    env["HOME"] = os.path.join(workdir, "home")

    def run(*args, preexec_fn=None):
        done = subprocess.run([program, *args], env=env, capture_output=True, text=True,
                              timeout=60, preexec_fn=preexec_fn)
        return done.returncode, done.stdout, done.stderr

    calculation = os.path.join(workdir, "Расчет.veltra")
    subprocess.run([sample, calculation, "10"], check=True)
    saved = json.load(open(calculation, encoding="utf-8"))

    # The quotation, with the price list found beside the program.
    book = os.path.join(workdir, "Отчет.xlsx")
    code, out, err = run("--export-xlsx", book, calculation)
    check(code == 0 and out == "" and err == "", f"export: {code} {out!r} {err!r}")
    ws = openpyxl.load_workbook(book).active
    check(ws["G1"].value == 0.1, f"the saved discount in G1: {ws['G1'].value!r}")
    totals = [c.row for c in ws["D"] if c.value == "Итого:"]
    check(len(totals) == 2, f"two tables {totals}")
    tables = [collections.Counter(), collections.Counter()]
    for row in range(1, ws.max_row + 1):
        code_cell, qty = ws.cell(row, 2).value, ws.cell(row, 4).value
        if isinstance(qty, int) and code_cell and code_cell != "Код производителя":
            tables[0 if row < totals[0] else 1][(code_cell, qty)] += 1
    items = saved["items"]
    want = [collections.Counter((i["code"], i[k]) for i in items if i[k] > 0)
            for k in ("calculated", "added")]
    check(tables == want, f"items of the workbook {tables} against the file {want}")
    check(len(want[1]) == 2, f"the hand-added items {want[1]}")

    # The configuration text: lines, the sheet's among them.
    code, text, err = run("--print-configuration", "--price-list", price_list, calculation)
    check(code == 0 and err == "", f"print: {code} {err!r}")
    lines = text.split("\n")
    check("\r" not in text and text.endswith("\n"), "newlines only, the last line ended")
    check(lines[0] == "Конфигурация:", f"heading {lines[0]!r}")
    sheet = []
    for row in range(1, totals[0]):
        if ws.cell(row, 1).value is None:
            break
        sheet.append(ws.cell(row, 1).value)
    counted = [line for line in sheet if line.startswith("• ") and "линии" in line]
    check(counted and all(line in lines for line in counted),
          f"the sheet's counted lines {counted} in the text {lines}")

    # Another price list: the change is told, the run still succeeds.
    changed = os.path.join(workdir, "price.txt")
    data = open(price_list, "rb").read()
    price_at = data.index(b",BDV 113 08,") + len(b",BDV 113 08,")
    end = data.index(b"\r\n", price_at)
    open(changed, "wb").write(data[:price_at] + b"2000" + data[end:])
    code, out, err = run("--price-list", changed, "--print-configuration", calculation)
    check(code == 0 and out == text, f"with changed prices: {code} {err!r}")
    check(err.startswith("Цены изменились у 1 позиции: было "), f"price message {err!r}")

    # A damaged file and a missing price list: the reason, no workbook.
    bad = os.path.join(workdir, "bad.veltra")
    open(bad, "w").write('{"format": "veltra-calculation", "version": 1')
    for args, reason in (([bad], "Не удалось открыть расчет «" + bad + "»"),
                         ([calculation, "--price-list", workdir + "/нет.txt"], "нет.txt")):
        out_book = os.path.join(workdir, "нет.xlsx")
        code, out, err = run("--export-xlsx", out_book, *args)
        check(code == 1 and out == "" and reason in err, f"{args}: {code} {err!r}")
        check(not os.path.exists(out_book), f"{args}: no workbook")
    code, out, err = run("--export-xlsx", os.path.join(workdir, "нет", "q.xlsx"), calculation)
    check(code == 1 and "Не удалось записать отчет" in err and "Причина: папка не найдена." in err,
          f"unwritable: {code} {err!r}")

    check_outputs(run, workdir, calculation, price_list)
    check_mistakes(run, workdir, calculation)
    print("ok")


def content(path):
    with open(path, "rb") as f:
        return f.read()


def check_outputs(run, workdir, calculation, price_list):
    """Never an input, never a read-only file; a replaced file keeps its
    permissions, a link stays a link; a failed write says why, and only we."""
    os.chdir(workdir)
    before = content(calculation), content(price_list)
    name = os.path.basename(calculation)
    os.link(calculation, "hard.xlsx")
    os.symlink(name, "soft.xlsx")
    for out in (name, "./" + name, "../" + os.path.basename(workdir) + "/" + name,
                "hard.xlsx", "soft.xlsx"):
        code, _, err = run("--export-xlsx", out, calculation)
        check(code == 1 and "это файл расчета" in err, f"output {out}: {code} {err!r}")
    code, _, err = run("--price-list", price_list, "--export-xlsx", price_list, calculation)
    check(code == 1 and "это прайс-лист" in err, f"price list as output: {code} {err!r}")
    check((content(calculation), content(price_list)) == before, "the inputs are unchanged")

    shutil.copy(calculation, "locked.xlsx")
    os.chmod("locked.xlsx", 0o444)
    code, _, err = run("--export-xlsx", "locked.xlsx", calculation)
    check(code == 1 and "Причина: файл только для чтения." in err, f"read-only: {code} {err!r}")
    check(content("locked.xlsx") == before[0], "the read-only file is unchanged")

    code, _, err = run("--export-xlsx", "book.txt", calculation)
    check(code == 0 and "не оканчивается на .xlsx" in err and os.path.getsize("book.txt") > 1000,
          f"other extension: {code} {err!r}")

    os.chmod("book.txt", 0o600)
    os.makedirs("elsewhere")
    os.rename("book.txt", "elsewhere/real.xlsx")
    os.symlink("elsewhere/real.xlsx", "chosen.xlsx")
    code, _, err = run("--export-xlsx", "chosen.xlsx", calculation)
    check(code == 0 and err == "", f"through the link: {code} {err!r}")
    check(os.path.islink("chosen.xlsx"), "the link stays a link")
    check(stat.S_IMODE(os.stat("elsewhere/real.xlsx").st_mode) == 0o600, "0600 stays 0600")
    openpyxl.load_workbook("elsewhere/real.xlsx")

    # A full disk, as the writer sees it: files may not grow past 2 KB.
    def tight():
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (2048, 2048))
    code, _, err = run("--export-xlsx", "full.xlsx", calculation, preexec_fn=tight)
    check(code == 1 and "Причина: файл превысил разрешенный системой размер." in err
          and "[ERROR]" not in err and ".veltra-" not in err, f"full disk: {code} {err!r}")
    check(not os.path.exists("full.xlsx"), "no workbook on a full disk")
    check(not [f for f in os.listdir(".") if f.endswith(".part")], "no staged file left")


def check_mistakes(run, workdir, calculation):
    """An option where a value should be and an unknown single-dash word are
    wrong command lines (2, with the usage); the toolkit's own are passed over."""
    for args in (["--export-xlsx", "--print-configuration", calculation],
                 ["--price-list", "--export-xlsx", "q.xlsx", calculation],
                 ["-x", "--print-configuration", calculation]):
        code, out, err = run(*args)
        check(code == 2 and out == "" and "Использование:" in err, f"{args}: {code} {err!r}")
    check(not os.path.exists(os.path.join(workdir, "--print-configuration")), "no '--' workbook")
    code, out, err = run("-platform", "offscreen", "-reverse", "--print-configuration", calculation)
    check(code == 0 and out.startswith("Конфигурация:"), f"toolkit options: {code} {err!r}")


main()
