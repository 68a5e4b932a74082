"""Runs the real program's file tools with no display: --compare (lines and
--json) of the rich sample against itself and two variations of it, with
diff's exit codes; --reprice of the three under the shipped and an edited
price list, leaving every file as it was, and of a folder of 100 files in
well under a second; --compare-price-lists of the shipped list against
itself and an edited one.

usage: check_file_tools.py PROGRAM RICH.veltra PRICE_LIST WORKDIR
"""
import decimal
import glob
import json
import os
import shutil
import subprocess
import sys
import time


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


def main():
    program, rich, price_list, workdir = sys.argv[1:5]
    shutil.rmtree(workdir, ignore_errors=True)
    os.makedirs(os.path.join(workdir, "home"))
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELTRA_PRICE_LIST")}
    env["HOME"] = os.path.join(workdir, "home")

    def run(*args):
        done = subprocess.run([program, "--price-list", price_list, *args], env=env,
                              capture_output=True, text=True, timeout=60)
        return done.returncode, done.stdout, done.stderr

    base = os.path.join(workdir, "rich.veltra")
    shutil.copy(rich, base)
    saved = json.load(open(base, encoding="utf-8"))
    # A: another discount and customer. B: the first item one dollar dearer.
    a = json.loads(json.dumps(saved))
    a["discountPercent"] = 7.0
    a["version"] = 2
    a["proposal"] = proposal()
    variant_a = write(workdir, "a.veltra", a)
    b = json.loads(json.dumps(saved))
    item = next(i for i in b["items"] if i["calculated"] > 0)
    price = decimal.Decimal(item["price"]) + 1
    item["price"] = str(price)
    for key, qty in (("calculated", item["calculated"]), ("added", item["added"])):
        b["totals"][key] = str(decimal.Decimal(b["totals"][key]) + qty)
    variant_b = write(workdir, "b.veltra", b)

    code, out, err = run("--compare", base, base)
    check(code == 0 and out.startswith("Различий нет.\nИтого: ") and err == "",
          f"the same file: {code} {out!r} {err!r}")
    code, out, err = run("--compare", base, variant_a)
    lines = out.splitlines()
    check(code == 1 and "  Скидка: 0 % → 7 %" in lines and
          "  Заказчик: — → «АО «Ромашка»»" in lines and err == "", f"A: {code} {out!r} {err!r}")
    check(lines[-1].startswith("Итого: было ") and "разница 0" in lines[-1], f"A total {lines[-1]!r}")
    code, out, err = run("--compare", base, variant_b)
    lines = out.splitlines()
    changed = [l for l in lines if l.startswith("  цена: " + item["code"])]
    check(code == 1 and len(changed) == 1 and lines[0] == "Позиции расчета:",
          f"B: {code} {out!r} {err!r}")
    code, out, err = run("--compare", "--json", variant_a, variant_b)
    result = json.loads(out)
    check(code == 1 and result["different"] and result["calculatedItems"][0]["change"] == "price"
          and decimal.Decimal(result["calculatedItems"][0]["priceAfter"]) == price,
          f"json: {code} {out!r}")
    check(any(i.startswith("Скидка: 7 % → 0 %") for i in result["inputs"]), f"json {result}")
    # Trouble is 2: a file that is not there, a file that is no calculation,
    # a command line with one file.
    code, out, err = run("--compare", base, os.path.join(workdir, "нет.veltra"))
    check(code == 2 and out == "" and "Не удалось прочитать расчет" in err, f"missing {code} {err!r}")
    code, out, err = run("--compare", base, price_list)
    check(code == 2 and "Не удалось прочитать расчет" in err, f"foreign {code} {err!r}")
    code, out, err = run("--compare", base)
    check(code == 2 and "нужны два файла" in err, f"one file {code} {err!r}")

    before = {p: (open(p, "rb").read(), os.stat(p).st_mtime_ns) for p in (base, variant_a, variant_b)}
    code, out, err = run("--reprice", base, variant_a, variant_b)
    lines = out.splitlines()
    check(code == 0 and len(lines) == 4 and err == "", f"reprice: {code} {out!r} {err!r}")
    check(lines[0].startswith("rich.veltra: без номера; было ") and "цены прежние" in lines[0],
          f"reprice rich {lines[0]!r}")
    check(lines[1].startswith("a.veltra: КП-2026-0042; "), f"reprice A {lines[1]!r}")
    check("цены изменились у 1 позиции" in lines[2], f"reprice B {lines[2]!r}")
    check(lines[3].startswith("Итого по 3 расчетам: было ") and lines[3].endswith("новыми ценами: 1"),
          f"sum {lines[3]!r}")
    # Under a list without one of its codes: the code is named.
    edited = os.path.join(workdir, "price.txt")
    data = open(price_list, "rb").read()
    key = b"," + item["code"].encode("cp1251") + b","
    start = data.rindex(b"\n", 0, data.index(key)) + 1
    end = data.index(b"\n", start) + 1
    open(edited, "wb").write(data[:start] + data[end:])
    done = subprocess.run([program, "--reprice", "--price-list", edited, base], env=env,
                          capture_output=True, text=True, timeout=60)
    check(done.returncode == 0 and "нет в прайс-листе: " + item["code"] in done.stdout,
          f"reprice under the edited list {done.stdout!r} {done.stderr!r}")
    after = {p: (open(p, "rb").read(), os.stat(p).st_mtime_ns) for p in before}
    check(before == after, "--reprice changed a file")
    code, out, err = run("--reprice", base, os.path.join(workdir, "нет.veltra"))
    check(code == 1 and len(out.splitlines()) == 2 and "нет.veltra" in err, f"one unread {code}")

    folder = os.path.join(workdir, "folder")
    os.makedirs(folder)
    for n in range(100):
        shutil.copy(variant_b if n % 2 else variant_a, os.path.join(folder, f"{n:03}.veltra"))
    started = time.monotonic()
    code, out, err = run("--reprice", *sorted(glob.glob(folder + "/*.veltra")))
    spent = time.monotonic() - started
    check(code == 0 and len(out.splitlines()) == 101, f"100 files {code} {err!r}")
    check(spent < 2.0, f"100 files took {spent:.2f} s")

    code, out, err = run("--compare-price-lists", price_list, price_list)
    check(code == 0 and out == "Различий нет.\n", f"same lists {code} {out!r}")
    code, out, err = run("--compare-price-lists", price_list, edited)
    check(code == 1 and out.startswith("Убраны (1):\n  " + item["code"] + " — "), f"lists {out!r}")
    code, out, err = run("--compare-price-lists", price_list, os.path.join(workdir, "нет.txt"))
    check(code == 2 and out == "" and err, f"missing list {code} {err!r}")
    print(f"ok (100 files repriced in {spent * 1000:.0f} ms)")


def proposal():
    return {"customerOrganisation": "АО «Ромашка»", "customerContact": "", "customerReach": "",
            "number": "КП-2026-0042", "date": "2026-12-09", "validUntil": "", "currency": "USD",
            "rate": "0", "rateDate": "", "rateMarkupPercent": "0", "vatMode": "included",
            "vatRate": 22, "vatExemptReason": "", "paymentTerms": "", "deliveryTerms": "",
            "warranty": "", "note": "", "cabinetPage": False}


def write(folder, name, data):
    path = os.path.join(folder, name)
    with open(path, "w", encoding="utf-8") as f:
        json.dump(data, f, ensure_ascii=False, indent=2)
    return path


if __name__ == "__main__":
    main()
