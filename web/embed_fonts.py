#!/usr/bin/python3
"""Writes the page's frame with the desktop's fonts inside it, as Latin-1 subsets in WOFF2.

usage: embed_fonts.py SHELL OUT FONT.ttf...
Each font is named after its family ('Quillon Tahoma', 'Quillon Sans', 'Quillon Serif'),
bold or not by its file, so the page's text breaks where the desktop's does.
"""
import base64
import io
import sys

from fontTools import subset
from fontTools.ttLib import TTFont


def family(path):
    name = path.lower()
    if "tahoma" in name:
        return "Quillon Tahoma"
    return "Quillon Serif" if "serif" in name else "Quillon Sans"


def face(path):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.notdef_outline = True
    font = TTFont(path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)) + [0x2212, 0x221A, 0x00D7])
    subsetter.subset(font)
    out = io.BytesIO()
    font.flavor = "woff2"
    font.save(out)
    weight = "bold" if "bd" in path.lower() or "bold" in path.lower() else "normal"
    data = base64.b64encode(out.getvalue()).decode()
    return (f"@font-face {{ font-family: '{family(path)}'; font-weight: {weight}; "
            f"src: url(data:font/woff2;base64,{data}) format('woff2'); }}")


def main():
    shell, out, fonts = sys.argv[1], sys.argv[2], sys.argv[3:]
    with open(shell, encoding="utf-8") as f:
        page = f.read()
    page = page.replace("@FONTS@", "\n".join(face(p) for p in fonts))
    with open(out, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
