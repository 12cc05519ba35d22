#!/usr/bin/python3
"""The desktop's fonts as the page holds them: subsets in WOFF2, as @font-face rules.

usage: embed_fonts.py OUT FONT.ttf...

Each font is named after its family ('Quillon Tahoma', 'Quillon Sans', 'Quillon Serif'), bold or
not by its file, so the page's text breaks where the desktop's does.
"""
import base64
import io
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Every character the program writes: ASCII, the copyright sign of the credits and the
# multiplication sign of the window's close box.
CHARACTERS = [*range(0x20, 0x7F), 0xA9, 0xD7]


def family(path):
    name = path.lower()
    if "tahoma" in name:
        return "Quillon Tahoma"
    return "Quillon Serif" if "serif" in name else "Quillon Sans"


def subset_font(path):
    """The font's WOFF2 bytes, with its kerning and with the characters above only."""
    options = subset.Options()
    options.flavor = "woff2"
    options.notdef_outline = True
    # Liberation's hints are two thirds of each file, and the page draws those faces on its
    # canvas at ten times their size, where hints change nothing. Tahoma's are small and set
    # the caption bars, which the page writes at their own size.
    options.hinting = family(path) == "Quillon Tahoma"
    font = TTFont(path, recalcTimestamp=False)  # the same page from the same sources
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CHARACTERS)
    subsetter.subset(font)
    out = io.BytesIO()
    font.flavor = "woff2"
    font.save(out)
    return out.getvalue()


def face(path):
    weight = "bold" if "bd" in path.lower() or "bold" in path.lower() else "normal"
    data = base64.b64encode(subset_font(path)).decode()
    return (f"@font-face {{ font-family: '{family(path)}'; font-weight: {weight}; "
            f"src: url(data:font/woff2;base64,{data}) format('woff2'); }}")


def main():
    out, fonts = sys.argv[1], sys.argv[2:]
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(face(p) for p in fonts))


if __name__ == "__main__":
    main()
