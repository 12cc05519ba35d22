"""The title the page shows while the program starts, as markup: the program's own first paint of
its title (web/title_paint.json, 20 numbers a primitive in the design's pixels, as the page's
canvas painter takes them) drawn as SVG, with each picture as an image between, inside the
program's own window frame. The page's style places and scales it: the browser shows it as it
shows any page, with no script before it."""
import html

FIELDS = 20


def _svg(shapes, width, height):
    return (f'<svg viewBox="0 0 {width:g} {height:g}" preserveAspectRatio="none">'
            + "".join(shapes) + "</svg>")


def _scaled(**place):
    return ";".join(f"{k}:calc(var(--s) * {v:g})" for k, v in place.items())


def _shape(kind, n, text, colour, fill):
    _, cl, ct, cw, ch, l, t, w, h, _, _, width, x1, y1, x2, y2, round_cap, dash, at, _ = n
    body = ""
    if kind == 0:
        body = f'<rect x="{l:g}" y="{t:g}" width="{w:g}" height="{h:g}" fill="{colour}"/>'
    elif kind == 1:
        iw, ih = max(0, w - 2 * width), max(0, h - 2 * width)
        body = (f'<path fill-rule="evenodd" fill="{colour}" d="M{l:g} {t:g}h{w:g}v{h:g}h{-w:g}z'
                f'M{l + width:g} {t + width:g}h{iw:g}v{ih:g}h{-iw:g}z"/>')
    elif kind == 2:
        body = (f'<text x="{x1:g}" y="{y1:g}" fill="{colour}" style="font:{text[int(at)]}">'
                f"{html.escape(text[int(at) + 1])}</text>")
    elif kind == 3:
        dashes = f' stroke-dasharray="{dash:g} {dash / 2:g}"' if dash > 0 else ""
        body = (f'<line x1="{x1:g}" y1="{y1:g}" x2="{x2:g}" y2="{y2:g}" stroke="{colour}" '
                f'stroke-width="{width:g}" stroke-linecap="{"round" if round_cap else "butt"}"'
                f"{dashes}/>")
    elif kind == 4:
        body = (f'<ellipse cx="{l + w / 2:g}" cy="{t + h / 2:g}" rx="{w / 2:g}" ry="{h / 2:g}" '
                f'fill="{fill if fill else "none"}" stroke="{colour if width > 0 else "none"}" '
                f'stroke-width="{width:g}"/>')
    else:
        raise SystemExit(f"the title's first paint holds a primitive of kind {kind}")
    # Each in its clip, as the canvas painter draws it.
    return (f'<svg x="{cl:g}" y="{ct:g}" width="{cw:g}" height="{ch:g}" '
            f'viewBox="{cl:g} {ct:g} {cw:g} {ch:g}">{body}</svg>')


def kept_title(paint, address):
    """The markup of the kept title; `address(name)` is a picture's data address."""
    numbers, text = paint["numbers"], paint["strings"].split("\x1f")
    width, height = paint["client"][0] / 15, paint["client"][1] / 15
    rgb = lambda c: f"rgb({int(c) & 255},{int(c) >> 8 & 255},{int(c) >> 16 & 255})"
    parts, shapes = [], []
    for i in range(2 + 4 * int(numbers[1]), len(numbers), FIELDS):
        n = numbers[i:i + FIELDS]
        kind = int(n[0])
        if kind != 5:
            shapes.append(_shape(kind, n, text, rgb(n[9]), rgb(n[10]) if n[10] >= 0 else ""))
            continue
        # A picture between the shapes below and above it, clipped as they are.
        if shapes:
            parts.append(_svg(shapes, width, height))
            shapes = []
        cl, ct, cw, ch, l, t, w, h = n[1:9]
        name = text[int(n[18])]
        box = _scaled(left=cl, top=ct, width=cw, height=ch)
        inside = _scaled(left=l - cl, top=t - ct, width=w, height=h)
        parts.append(f'<div style="overflow:hidden;{box}"><img alt="" '
                     f'data-file="{html.escape(name[1:])}" src="{address(name[1:])}" '
                     f'style="position:absolute;{inside}"></div>')
    if shapes:
        parts.append(_svg(shapes, width, height))
    frame = paint["frame"].replace('class="window"', 'class="window" id="title" '
                                   f'style="--cw:{width:g};--ch:{height:g}"', 1)
    return frame.replace("<canvas></canvas>", "".join(parts), 1)
