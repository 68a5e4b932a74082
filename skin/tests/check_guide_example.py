#!/usr/bin/env python3
"""Packs the example description of GUIDE.md with lqs-pack, and a control of
every kind with every field the guide's table names, so the guide cannot
drift from the language lqs-pack reads.
Usage: check_guide_example.py LQS_PACK GUIDE.md
"""
import pathlib
import re
import struct
import subprocess
import sys
import tempfile


def example(guide: str) -> str:
    lines = guide.splitlines()
    start = next(i for i, l in enumerate(lines) if l.startswith("    window "))
    end = next(i for i in range(start, len(lines)) if lines[i].strip() == "end")
    return "\n".join(l[4:] for l in lines[start:end + 1]) + "\n"


def kinds_table(guide: str) -> str:
    """A window with one control per kind of the guide's table, every field set."""
    out = ["window Kinds", "  image 0 0 10 10"]
    for line in guide.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) != 3 or not re.fullmatch(r"\d+(, \d+)*", cells[0]):
            continue
        fields = re.findall(r"`([a-z]+)`", cells[2])
        for kind in cells[0].split(", "):
            values = []
            for name in fields:
                if name == "place":
                    values.append("place=1,2,3,4")
                elif name in ("text", "back"):
                    values.append(f"{name}=0x123456")
                else:
                    values.append(f"{name}=5,6")
            out.append(f"  control K{kind} kind={kind} " + " ".join(values))
    out.append("end")
    return "\n".join(out) + "\n"


def bitmap(width: int, height: int) -> bytes:
    """A plain 24-bit bottom-up BMP, magenta, big enough for the example."""
    row = (b"\xff\x00\xff" * width).ljust((width * 3 + 3) // 4 * 4, b"\0")
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def main() -> int:
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    lqs_pack, guide = sys.argv[1], pathlib.Path(sys.argv[2])
    guide_text = guide.read_text(encoding="utf-8")
    text = example(guide_text) + kinds_table(guide_text)
    with tempfile.TemporaryDirectory() as work:
        folder = pathlib.Path(work)
        (folder / "example.txt").write_text(text)
        for word in text.split():
            if word.endswith(".bmp"):
                (folder / word).write_bytes(bitmap(320, 240))
        result = subprocess.run([lqs_pack, str(folder / "example.txt"), str(folder / "example.lqs")],
                                capture_output=True, text=True)
        if result.returncode != 0:
            print("FAIL: lqs-pack refuses the guide's example:\n" + text + result.stderr)
            return 1
    print("the guide's example description and kind table pack")
    return 0


if __name__ == "__main__":
    sys.exit(main())
