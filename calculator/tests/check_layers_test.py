#!/usr/bin/env python3
"""scripts/check_layers.py on small trees: an include running up the layers
and Qt outside a qt/ folder fail; Qt in qt/, widgets/ and app/ and in tests
passes. Usage: check_layers_test.py CHECK_LAYERS_PY"""
import os
import subprocess
import sys
import tempfile

LAYERS = ["catalogue", "state", "calculation", "widgets", "report", "keypads", "dialogs",
          "document", "mainwindow", "app"]


def run(check, files):
    with tempfile.TemporaryDirectory() as root:
        for layer in LAYERS:
            os.makedirs(os.path.join(root, layer))
        for path, text in files.items():
            full = os.path.join(root, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="utf-8") as f:
                f.write(text)
        done = subprocess.run([sys.executable, check, root], capture_output=True, text=True)
        return done.returncode, done.stdout


def main():
    check = sys.argv[1]
    cases = [
        ("clean tree", {"dialogs/board.cpp": '#include "catalogue/money.h"\n'}, 0, None),
        ("include up", {"catalogue/money.cpp": '#include "dialogs/board.h"\n'}, 1,
         "catalogue/money.cpp:1: includes \"dialogs/board.h\""),
        ("Qt in a core file", {"dialogs/board.cpp": "#include <QWidget>\n"}, 1,
         "dialogs/board.cpp:1: includes <QWidget>"),
        ("Qt module path", {"report/text.h": "#include <QtGui/QPainter>\n"}, 1,
         "report/text.h:1: includes <QtGui/QPainter>"),
        ("a view header in a core file",
         {"mainwindow/menu.cpp": '#include "dialogs/qt/board_view.h"\n'}, 1,
         "mainwindow/menu.cpp:1: includes \"dialogs/qt/board_view.h\", a Qt file"),
        ("a widgets header in a core file",
         {"keypads/pad.h": '#include "widgets/look.h"\n'}, 1,
         "keypads/pad.h:1: includes \"widgets/look.h\", a Qt file"),
        ("Qt where it belongs",
         {"dialogs/qt/board_view.cpp": '#include <QWidget>\n#include "widgets/look.h"\n',
          "widgets/look.cpp": "#include <QPalette>\n",
          "app/main.cpp": '#include <QApplication>\n#include "dialogs/qt/board_view.h"\n',
          "dialogs/tests/board_view_test.cpp": "#include <QTest>\n"}, 0, None),
        ("not Qt", {"catalogue/queue.h": "#include <queue>\n"}, 0, None),
    ]
    failed = 0
    for name, files, status, line in cases:
        got, out = run(check, files)
        if got != status or (line and line not in out):
            failed += 1
            print(f"FAIL {name}: exit {got}, expected {status}; output:\n{out}")
    print(f"{len(cases) - failed} of {len(cases)} cases pass")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
