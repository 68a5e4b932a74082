#!/usr/bin/env python3
"""The calculator's folders are layers, lowest first: a file includes only
files of its own folder and of the folders before it. Qt is included only in
a layer's qt/ folders, in widgets/ and in app/ (a header from one of those
counts as Qt). Prints every include that breaks a rule (file:line) and
fails; tests and tools may include anything.

Usage: check_layers.py [CALCULATOR_DIR]"""
import os
import re
import sys

LAYERS = [
    "catalogue",    # price list, catalogue, configuration state, limits, numbers, Platform
    "calculation",  # the rules: configuration and inputs to quantities and results
    "state",        # the application record and the windows' records
    "handling",     # the main window's input handlers; calculate, then present
    "widgets",      # Qt pieces every view shares
    "report",       # configuration text, quotation, cabinet picture
    "document",     # saved calculations: the ".veltra" file, its revisions
    "keypads",      # additional-item pads, input calculator
    "dialogs",      # board, cordless, networking and IP unit dialogs
    "mainwindow",   # the main form and the commands across windows
    "app",          # the program's entry
]
# Above every layer: they drive the program as a whole.
TOOLS = {"scenario", "bench", "tools", "tests"}
NOT_CODE = {"help"}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
QT_INCLUDE = re.compile(r'^\s*#\s*include\s*<((Qt\w*/)?Q\w*(\.h)?)>')
# Where Qt may be included: the views of every layer, and these layers whole.
QT_LAYERS = {"widgets", "app"}
QT_FOLDER = "qt"


def is_qt_path(parts):
    """Whether a path inside the calculator (split at "/") holds Qt code."""
    return parts[0] in QT_LAYERS or QT_FOLDER in parts[1:-1]


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                           os.path.join(os.path.dirname(__file__), "..", "calculator"))
    rank = {name: i for i, name in enumerate(LAYERS)}
    faults = []
    for top in sorted(os.listdir(root)):
        folder = os.path.join(root, top)
        if not os.path.isdir(folder) or top in NOT_CODE:
            continue
        if top not in rank and top not in TOOLS:
            faults.append(f"{top}/: a folder that is neither a layer nor a tool; "
                          f"add it to LAYERS or TOOLS in {os.path.basename(__file__)}")
            continue
        for dirpath, dirnames, filenames in os.walk(folder):
            dirnames[:] = [d for d in dirnames if d != "tests"]
            if top in TOOLS:
                break
            for name in sorted(filenames):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(dirpath, name)
                qt_allowed = is_qt_path(os.path.relpath(path, root).split(os.sep))
                with open(path, encoding="utf-8") as source:
                    for number, line in enumerate(source, 1):
                        qt = QT_INCLUDE.match(line)
                        if qt and not qt_allowed:
                            faults.append(f"{os.path.relpath(path, root)}:{number}: includes "
                                          f"<{qt.group(1)}>: Qt belongs in a {QT_FOLDER}/ folder")
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        if not qt_allowed and is_qt_path(match.group(1).split("/")):
                            faults.append(f"{os.path.relpath(path, root)}:{number}: includes "
                                          f"\"{match.group(1)}\", a Qt file, outside a "
                                          f"{QT_FOLDER}/ folder")
                        target = match.group(1).split("/")[0]
                        if target in TOOLS or (target in rank and rank[target] > rank[top]):
                            faults.append(f"{os.path.relpath(path, root)}:{number}: includes "
                                          f"\"{match.group(1)}\": {target}/ stands above {top}/")
    for fault in faults:
        print(fault)
    if faults:
        print("layers, lowest first:", " < ".join(LAYERS))
        return 1
    print(f"layers in order: {' < '.join(LAYERS)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
