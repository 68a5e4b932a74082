#!/usr/bin/env python3
"""Checks the compiled help against the program that opens it.

Finds every help target ("file.chm" or "file.chm::/topic.htm") and every
context number that the program's sources pass to the help viewer, lists the
built files with chmls, and checks that each file, topic and context number
exists, that the default topic, contents and index are there, and that every
link of every page (and of the contents and index) resolves inside its file.
Usage: check_help.py SOURCE_DIR HELP_DIR [TARGETS_FILE]
"""
import html.parser
import pathlib
import posixpath
import re
import struct
import subprocess
import sys
import tempfile

TARGET = re.compile(r'"([A-Za-z0-9_]+\.chm)((?:::)[^"]*)?"')
CONTEXT_CALL = re.compile(r'ShowHelp\(\s*\w+\s*,\s*"([A-Za-z0-9_]+\.chm)[^"]*"\s*,\s*"[^"]*"\s*,\s*(\d+)\s*\)')


def program_targets(source: pathlib.Path):
    """(file, topic) pairs and (file, context) pairs from non-test sources."""
    topics, contexts = set(), set()
    for path in sorted(source.rglob("*")):
        if path.suffix not in (".cpp", ".h") or "tests" in path.relative_to(source).parts:
            continue
        # Comments may show made-up targets; only code counts.
        text = re.sub(r"//[^\n]*", "", path.read_text(encoding="utf-8"))
        for file, topic in TARGET.findall(text):
            topic = topic[2:].replace("\\\\", "/").replace("\\", "/") if topic else ""
            topic = topic.split(">")[0]
            topics.add((file, topic.lstrip("/")))
        for file, number in CONTEXT_CALL.findall(text):
            contexts.add((file, int(number)))
    return topics, contexts


def listed_targets(path: pathlib.Path):
    topics = set()
    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if line and not line.startswith("#"):
            file, _, topic = line.partition("::")
            topics.add((file, topic.replace("\\", "/").lstrip("/")))
    return topics


def chmls(*args) -> str:
    result = subprocess.run(["chmls", *args], capture_output=True, text=True, errors="replace")
    if result.returncode != 0:
        raise RuntimeError(f"chmls {' '.join(args)} failed: {result.stderr}")
    return result.stdout


def listed_names(chm: pathlib.Path) -> set:
    return {line.strip().lstrip("/") for line in chmls("-n", "-p", "list", str(chm)).splitlines()
            if line.startswith("/")}


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag in ("a", "link", "area") and attrs.get("href"):
            self.links.append(attrs["href"])
        if tag in ("img", "script", "frame") and attrs.get("src"):
            self.links.append(attrs["src"])
        if tag == "param" and (attrs.get("name") or "").lower() == "local":
            self.links.append(attrs.get("value") or "")


def broken_links(chm: pathlib.Path, names: set, workdir: pathlib.Path) -> list:
    chmls("extractall", str(chm), str(workdir))
    problems = []
    for name in sorted(names):
        if not name.lower().endswith((".htm", ".html", ".hhc", ".hhk")):
            continue
        parser = Links()
        parser.feed((workdir / name).read_bytes().decode("cp1251", errors="replace"))
        # Contents and index name pages from the file's root, pages from their folder.
        base = "" if name.lower().endswith((".hhc", ".hhk")) else posixpath.dirname(name)
        for link in parser.links:
            target = link.split("#")[0]
            if not target:
                if not link.startswith("#"):
                    problems.append(f"{chm.name}: {name} has an empty link")
                continue
            if re.match(r"^[a-zA-Z][a-zA-Z0-9+.-]*:", target):
                continue  # web, mail and other outside addresses
            resolved = posixpath.normpath(posixpath.join(base, target)).lstrip("/")
            if resolved not in names:
                problems.append(f"{chm.name}: {name} links to missing {link}")
    return problems


def context_topics(chm: pathlib.Path, workdir: pathlib.Path) -> dict:
    """Context number -> topic, from the compiled #IVB and #STRINGS tables."""
    ivb, strings = workdir / "ivb", workdir / "strings"
    try:
        chmls("extract", str(chm), "/#IVB", str(ivb))
        chmls("extract", str(chm), "/#STRINGS", str(strings))
    except RuntimeError:
        return {}
    if not ivb.exists() or not strings.exists():
        return {}
    table, text = ivb.read_bytes(), strings.read_bytes()
    size = struct.unpack_from("<I", table, 0)[0]
    mapping = {}
    for offset in range(4, 4 + size, 8):
        number, where = struct.unpack_from("<II", table, offset)
        mapping[number] = text[where:text.index(b"\0", where)].decode("cp1251").lstrip("/")
    return mapping


def default_topic(chm: pathlib.Path) -> str:
    for line in chmls("printsystem", str(chm)).splitlines():
        if "Default topic" in line:
            return line.split(":", 1)[1].strip(" \t\r\n\0").lstrip("/")
    return ""


def main() -> int:
    if len(sys.argv) not in (3, 4):
        print(__doc__)
        return 2
    source, help_dir = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    topics, contexts = program_targets(source)
    if len(sys.argv) == 4:
        topics |= listed_targets(pathlib.Path(sys.argv[3]))
    wanted = {file for file, _ in topics} | {file for file, _ in contexts}
    if not wanted:
        print("no help targets found in the sources")
        return 1
    # Books built beside the program are checked too, even those no code opens yet.
    files = sorted(wanted | {path.name for path in help_dir.glob("*.chm")})
    problems = []
    for file in files:
        chm = help_dir / file
        if not chm.exists():
            problems.append(f"{file} was not built into {help_dir}")
            continue
        names = listed_names(chm)
        start = default_topic(chm)
        if start not in names:
            problems.append(f"{file}: default topic '{start}' is missing")
        for needed in ("toc.hhc", "index.hhk"):
            if needed not in names:
                problems.append(f"{file}: no {needed}")
        for wanted_file, topic in sorted(topics):
            if wanted_file == file and topic and topic not in names:
                problems.append(f"{file}: topic '{topic}' is missing")
        with tempfile.TemporaryDirectory() as work:
            workdir = pathlib.Path(work)
            problems += broken_links(chm, names, workdir)
            mapping = context_topics(chm, workdir / "tables")
            for wanted_file, number in sorted(contexts):
                if wanted_file != file:
                    continue
                if number not in mapping:
                    problems.append(f"{file}: context number {number} is not mapped")
                elif mapping[number] not in names:
                    problems.append(f"{file}: context {number} names missing '{mapping[number]}'")
        print(f"{file}: {len(names)} entries, "
              f"{sum(1 for f, t in topics if f == file)} targets, "
              f"{sum(1 for f, n in contexts if f == file)} context numbers")
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
