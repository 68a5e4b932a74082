#!/usr/bin/env python3
"""Checks that Lumiq.zip holds what its guide names and the whole demo folder.
Usage: check_zip.py Lumiq.zip GUIDE.md DEMO_DIR
"""
import pathlib
import re
import sys
import zipfile


def guide_names(guide: str) -> list:
    """The `names` listed under the guide's "Contents of this archive"."""
    section = guide.split("## Contents of this archive", 1)[1].split("\n## ", 1)[0]
    return [m for line in section.splitlines() if line.startswith("- ")
            for m in re.findall(r"`([^`]+)`", line.split(" — ")[0])]


def main() -> int:
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    archive, guide, demo = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    with zipfile.ZipFile(archive) as z:
        names = {n.removeprefix("Lumiq/") for n in z.namelist()}
        infos = {i.filename.removeprefix("Lumiq/"): i for i in z.infolist()}
    problems = []
    listed = guide_names(guide.read_text(encoding="utf-8"))
    if not listed:
        problems.append("the guide lists no contents")
    for name in listed:
        if name not in names and not any(n.startswith(name) for n in names if name.endswith("/")):
            problems.append(f"the guide names {name}, the zip lacks it")
    for path in sorted(demo.iterdir()):
        if path.is_file() and f"demo/{path.name}" not in names:
            problems.append(f"demo file {path.name} is missing")
    if not any(n.startswith("demo/") and n.endswith(".lqs") for n in names):
        problems.append("no skin file built from the demo description")
    # Every bitmap a demo description names is there beside it.
    with zipfile.ZipFile(archive) as z:
        for name in sorted(n for n in names if n.startswith("demo/") and n.endswith(".txt")):
            for line in z.read("Lumiq/" + name).decode("utf-8", "replace").splitlines():
                words = line.split("#")[0].split()
                if len(words) == 2 and words[0] == "bitmap" and f"demo/{words[1].strip(chr(34))}" not in names:
                    problems.append(f"{name} names {words[1]}, the zip lacks it")
    if names and (infos.get("lqs-pack") is None or not (infos["lqs-pack"].external_attr >> 16) & 0o100):
        problems.append("lqs-pack is missing or not executable")
    dll = infos.get("Lumiq.dll")
    if dll is not None:
        with zipfile.ZipFile(archive) as z:
            head = z.read(dll.filename)[:2]
        if head != b"MZ":
            problems.append("Lumiq.dll is not a Windows program file")
    for problem in problems:
        print("FAIL:", problem)
    print(f"{archive.name}: {len(names)} entries; guide names {', '.join(listed)}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
