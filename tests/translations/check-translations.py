#!/usr/bin/env python3
"""Fails when a text of the sources has no finished translation in a shipped language.

The shipped .ts files are copied and brought up to date with the sources by lupdate, so a text
added to the code without a translation shows up as unfinished here. Each translation must also
keep the placeholders of its source and, where the source has an access key, have exactly one.

usage: check-translations.py LUPDATE SOURCE_DIR
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(\d+|n)")
ACCESS_KEY = re.compile(r"&(?!&)(?=\S)")


def text_of(element):
    """The element's text, with the <byte value="xd"/> marks lupdate writes for control characters."""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


def access_keys(text):
    return len(ACCESS_KEY.findall(text.replace("&&", "")))


def problems_in(ts_file):
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            where = f"{ts_file.name}: {name}: {source!r}"
            text = text_of(translation) if translation is not None else ""
            if translation is None or translation.get("type") or not text.strip():
                yield f"{where} has no finished translation"
                continue
            if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                yield f"{where}: {text!r} changes the placeholders"
            if access_keys(source) != access_keys(text):
                yield f"{where}: {text!r} does not keep the access key"


def main(lupdate, source_dir):
    source_dir = pathlib.Path(source_dir)
    shipped = sorted((source_dir / "translations").glob("bootcanvas_*.ts"))
    if not shipped:
        print("no translations found in", source_dir / "translations")
        return 1
    with tempfile.TemporaryDirectory() as scratch:
        copies = [pathlib.Path(shutil.copy(ts_file, scratch)) for ts_file in shipped]
        subprocess.run([lupdate, "-locations", "none", "-no-obsolete", "-silent",
                        str(source_dir / "src"), str(source_dir / "tools"), "-ts", *map(str, copies)],
                       check=True)
        problems = [problem for copy in copies for problem in problems_in(copy)]
    for problem in problems:
        print(problem)
    languages = ", ".join(ts_file.stem.split("_", 1)[1] for ts_file in shipped)
    print(f"{len(problems)} problems in the translations ({languages})")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
