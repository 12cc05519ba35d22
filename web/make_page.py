#!/usr/bin/python3
"""Writes a page with everything it needs inside it, so it opens from a file with no network.

usage: make_page.py TEMPLATE OUT --fonts FONTS.css --pictures ROOT [FILE...]
                    [--program GLUE.js CODE.wasm] [--title TITLE.json]
In TEMPLATE, @FONTS@ becomes the @font-face rules that embed_fonts.py wrote, @FACES@ the same
faces as [family, weight, base64] for a script, and @DATA:FILE@ the data address of a picture. {{{ PICTURES }}} becomes each picture not already written as an
address, in a data block named by its file; {{{ PROGRAM }}} the program's code and its glue,
each deflated in a block of its own; @TITLE@ the program's first paint of its title, as markup
(kept_title.py) with the pictures it shows.
The blocks are text the browser does not run: the page decodes the code and runs the glue
itself, when it chooses.
"""
import argparse
import base64
import json
import re
import zlib

from kept_title import kept_title


def encoded(path):
    with open(path, "rb") as f:
        return base64.b64encode(f.read()).decode()


# Raw deflate, which every browser inflates itself: half the size in the page, and smaller
# under a web host's compression too.
def deflated(path):
    with open(path, "rb") as f:
        packer = zlib.compressobj(9, zlib.DEFLATED, -15)
        return base64.b64encode(packer.compress(f.read()) + packer.flush()).decode()


def block(attributes, data, kind="application/octet-stream"):
    return f"<script type=\"{kind}\" {attributes}>{data}</script>"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("template")
    parser.add_argument("out")
    parser.add_argument("--fonts", required=True)
    parser.add_argument("--pictures", nargs="+", required=True, metavar="ROOT FILE")
    parser.add_argument("--program", nargs=2, metavar=("GLUE", "CODE"))
    parser.add_argument("--title")
    args = parser.parse_args()
    root, pictures = args.pictures[0], args.pictures[1:]

    with open(args.template, encoding="utf-8") as f:
        page = f.read()
    with open(args.fonts, encoding="utf-8") as f:
        rules = f.read()
    faces = re.findall(r"font-family: '([^']+)'; font-weight: (\w+); src: url\(data:[^;]+;base64,"
                       r"([^)]+)\)", rules)
    page = page.replace("@FONTS@", rules).replace("@FACES@", json.dumps(faces))
    addressed = set(re.findall(r"@DATA:([^@]+)@", page))
    for name in addressed:
        page = page.replace(f"@DATA:{name}@", f"data:image/jpeg;base64,{encoded(f'{root}/{name}')}")
    # The title as the program first paints it, as markup, with the pictures it shows.
    titled, title = set(), ""
    if args.title:
        with open(args.title, encoding="utf-8") as f:
            paint = json.load(f)
        address = lambda name: f"data:image/jpeg;base64,{encoded(f'{root}/{name}')}"
        title = kept_title(paint, address)
        titled = set(re.findall(r'data-file="([^"]+)"', title))
    page = page.replace("@TITLE@", title)
    if args.program:
        glue, code = args.program
        page = page.replace("{{{ PICTURES }}}", "\n".join(
            block(f'data-file="{name}"', encoded(f"{root}/{name}"))
            for name in pictures if name not in addressed | titled))
        page = page.replace("{{{ PROGRAM }}}", block('id="program"', deflated(code)) + "\n" +
                            block('id="glue"', deflated(glue)))

    with open(args.out, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
