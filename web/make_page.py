#!/usr/bin/python3
"""Writes a page with everything it needs inside it, so it opens from a file with no network.

usage: make_page.py TEMPLATE OUT --fonts FONTS.css --pictures ROOT [FILE...]
                    [--program GLUE.js CODE.wasm]
In TEMPLATE, @FONTS@ becomes the @font-face rules that embed_fonts.py wrote and @DATA:FILE@ the
data address of a picture. {{{ SCRIPT }}} becomes the program: each picture not already written
as an address, in a data block named by its file, then the program's code and its glue, each in
a block of its own. The blocks are text the browser does not run: the page decodes the code and
runs the glue itself, when it chooses.
"""
import argparse
import base64
import re


def encoded(path):
    with open(path, "rb") as f:
        return base64.b64encode(f.read()).decode()


def block(attributes, data, kind="application/octet-stream"):
    return f"<script type=\"{kind}\" {attributes}>{data}</script>"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("template")
    parser.add_argument("out")
    parser.add_argument("--fonts", required=True)
    parser.add_argument("--pictures", nargs="+", required=True, metavar="ROOT FILE")
    parser.add_argument("--program", nargs=2, metavar=("GLUE", "CODE"))
    args = parser.parse_args()
    root, pictures = args.pictures[0], args.pictures[1:]

    with open(args.template, encoding="utf-8") as f:
        page = f.read()
    with open(args.fonts, encoding="utf-8") as f:
        page = page.replace("@FONTS@", f.read())
    addressed = set(re.findall(r"@DATA:([^@]+)@", page))
    for name in addressed:
        page = page.replace(f"@DATA:{name}@", f"data:image/jpeg;base64,{encoded(f'{root}/{name}')}")
    if args.program:
        glue, code = args.program
        with open(glue, encoding="utf-8") as f:
            script = f.read()
        blocks = [block(f'data-file="{name}"', encoded(f"{root}/{name}"))
                  for name in pictures if name not in addressed]
        blocks.append(block('id="program"', encoded(code)))
        if "</script" in script.lower():
            raise SystemExit(f"{glue} would end its block early")
        blocks.append(block('id="glue"', script, "text/plain"))
        page = page.replace("{{{ SCRIPT }}}", "\n".join(blocks))
    with open(args.out, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    main()
