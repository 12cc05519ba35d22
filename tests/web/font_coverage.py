#!/usr/bin/python3
"""usage: font_coverage.py PAGE SOURCE_DIR

Every face the page holds has a glyph for every character the program can write: printable
ASCII, which texts are made of at run time, and each other character written in a string of the
model's or the screens' sources, as UTF-8 or as a \\u escape. A character without one would be
measured and drawn in some other font, and lines would break where the desktop's do not.
"""
import base64
import io
import pathlib
import re
import sys

from fontTools.ttLib import TTFont

FOLDERS = ["app", "ui", "shell", "hamilton", "jotter", "reflections", "surds", "program", "web"]
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
ESCAPE = re.compile(r"\\u([0-9a-fA-F]{4})|\\U([0-9a-fA-F]{8})")


def written(source_dir):
    """Each character that some string of the sources writes, with the file that writes it."""
    found = {chr(c): "ASCII" for c in range(0x20, 0x7F)}
    for folder in FOLDERS:
        for path in sorted((pathlib.Path(source_dir) / folder).glob("*.[ch]*")):
            for literal in LITERAL.findall(path.read_text(encoding="utf-8")):
                for match in ESCAPE.finditer(literal):
                    found.setdefault(chr(int(match.group(1) or match.group(2), 16)), str(path))
                for c in ESCAPE.sub("", literal):
                    if ord(c) > 0x7F:
                        found.setdefault(c, str(path))
    return found


def faces(page):
    """Each face the page adds from its bytes: its family and weight, and its characters."""
    text = pathlib.Path(page).read_text(encoding="utf-8")
    face = re.compile(r'\["([^"]+)", "(\w+)", "([A-Za-z0-9+/=]+)"\]')
    for family, weight, data in face.findall(text):
        font = TTFont(io.BytesIO(base64.b64decode(data)))
        yield f"{family} {weight}", set(map(chr, font.getBestCmap()))


def main():
    page, source_dir = sys.argv[1], sys.argv[2]
    needed = written(source_dir)
    held = list(faces(page))
    failures = [f"{name} has no glyph for {c!r} (U+{ord(c):04X}, from {needed[c]})"
                for name, characters in held for c in sorted(needed) if c not in characters]
    if len(held) != 6:
        failures.append(f"the page holds {len(held)} faces, not the six the program draws in")
    print("\n".join(failures) or f"{len(held)} faces hold all {len(needed)} characters the program writes")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
