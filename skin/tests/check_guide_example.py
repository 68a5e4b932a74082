#!/usr/bin/env python3
"""Packs the example description of GUIDE.md with lqs-pack, so the guide
cannot drift from the language lqs-pack reads.
Usage: check_guide_example.py LQS_PACK GUIDE.md
"""
import pathlib
import struct
import subprocess
import sys
import tempfile


def example(guide: str) -> str:
    lines = guide.splitlines()
    start = next(i for i, l in enumerate(lines) if l.startswith("    window "))
    end = next(i for i in range(start, len(lines)) if lines[i].strip() == "end")
    return "\n".join(l[4:] for l in lines[start:end + 1]) + "\n"


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
    text = example(guide.read_text(encoding="utf-8"))
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
    print("the guide's example description packs")
    return 0


if __name__ == "__main__":
    sys.exit(main())
