#!/usr/bin/env python3
"""Compiles one help book (a folder with a .hhp project) into a .chm file.

The sources are kept in UTF-8; the compiled file is a Russian help file, whose
contents and index the viewers read in Windows-1251, so every text file is
re-encoded (and its charset declaration changed) in a staging copy first.
Usage: build_chm.py SOURCE_DIR STAGING_DIR OUTPUT.chm
"""
import pathlib
import shutil
import subprocess
import sys

TEXT_SUFFIXES = {".htm", ".hhc", ".hhk", ".hhp", ".css"}


def stage(source: pathlib.Path, staging: pathlib.Path) -> pathlib.Path:
    if staging.exists():
        shutil.rmtree(staging)
    project = None
    for path in sorted(source.rglob("*")):
        target = staging / path.relative_to(source)
        if path.is_dir():
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        if path.suffix.lower() in TEXT_SUFFIXES:
            text = path.read_text(encoding="utf-8")
            text = text.replace("charset=utf-8", "charset=windows-1251")
            # Pages may name characters Windows-1251 lacks (×, −) as
            # character references; contents and index names must fit.
            errors = "xmlcharrefreplace" if path.suffix.lower() == ".htm" else "strict"
            try:
                target.write_bytes(text.encode("cp1251", errors=errors))
            except UnicodeEncodeError as error:
                sys.exit(f"build_chm: {path}: {error}")
        else:
            shutil.copyfile(path, target)
        if path.suffix.lower() == ".hhp":
            project = target
    if project is None:
        sys.exit(f"build_chm: no .hhp project in {source}")
    return project


def compiled_name(project: pathlib.Path) -> str:
    for line in project.read_text(encoding="cp1251").splitlines():
        key, _, value = line.partition("=")
        if key.strip().lower() == "compiled file":
            return value.strip()
    sys.exit(f"build_chm: {project.name} names no compiled file")


def main() -> None:
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, staging, output = (pathlib.Path(a) for a in sys.argv[1:])
    project = stage(source, staging)
    result = subprocess.run(["chmcmd", project.name], cwd=project.parent,
                            capture_output=True, text=True, errors="replace")
    built = project.parent / compiled_name(project)
    if result.returncode != 0 or not built.exists():
        sys.stderr.write(result.stdout + result.stderr)
        sys.exit(f"build_chm: chmcmd failed on {project}")
    for line in result.stdout.splitlines():
        if "error" in line.lower() or "warning" in line.lower():
            sys.stderr.write(line + "\n")
    output.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(built, output)


if __name__ == "__main__":
    main()
