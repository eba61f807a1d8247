#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the panel's SVG pictures under resources/: the LCD digits and
annunciators (resources/lcd) and the meter's front, key rows and sensor banners
(resources/panel). Run it again after changing a shape or a colour here; the
generated files are committed so the build needs no Python."""

import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")

SEGMENT = "#1c211f"     # lit LCD segment
GLASS_TOP = "#cdd4bd"   # LCD glass, light at the top
GLASS_LOW = "#b9c1a6"
BEZEL = "#16191e"
HOLSTER = "#2a3038"
HOLSTER_EDGE = "#4a525d"
FACE = "#3b4450"
FACE_EDGE = "#566170"
KEY_TOP = "#eef0f2"
KEY_LOW = "#c9ced5"
KEY_EDGE = "#7d8590"
KEY_TEXT = "#1f252d"
PRINT = "#f3f5f7"        # white print on the face
ACCENT = "#f2c230"       # type K colour band
ACCENT_J = "#111317"     # type J colour band
POWER = "#d2352b"
FONT = "DejaVu Sans"


def write(folder, name, svg):
    path = os.path.join(ROOT, folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(svg)


def svg(width, height, body, view=None):
    view = view or f"0 0 {width} {height}"
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="{view}">\n{body}</svg>\n')


def n(v):
    return f"{v:.2f}".rstrip("0").rstrip(".")


# ---------------------------------------------------------------- digits

def segment_polygons(w, h, left, right, top, bottom, t, gap, slant):
    """The seven segments a..g as hexagons, slanted like a real LCD."""
    mid = (top + bottom) / 2
    xl, xr = left + t / 2, right - t / 2
    yt, ym, yb = top + t / 2, mid, bottom - t / 2
    lines = {
        "a": ((xl, yt), (xr, yt)),
        "b": ((xr, yt), (xr, ym)),
        "c": ((xr, ym), (xr, yb)),
        "d": ((xl, yb), (xr, yb)),
        "e": ((xl, ym), (xl, yb)),
        "f": ((xl, yt), (xl, ym)),
        "g": ((xl, ym), (xr, ym)),
    }
    polys = {}
    for name, ((x1, y1), (x2, y2)) in lines.items():
        half = t / 2
        if y1 == y2:  # horizontal
            x1, x2 = x1 + gap, x2 - gap
            pts = [(x1, y1), (x1 + half, y1 - half), (x2 - half, y1 - half), (x2, y1),
                   (x2 - half, y1 + half), (x1 + half, y1 + half)]
        else:
            y1, y2 = y1 + gap, y2 - gap
            pts = [(x1, y1), (x1 + half, y1 + half), (x1 + half, y2 - half), (x1, y2),
                   (x1 - half, y2 - half), (x1 - half, y1 + half)]
        polys[name] = " ".join(f"{n(x + (h - y) * slant)},{n(y)}" for x, y in pts)
    return polys


DIGIT_SEGMENTS = ["abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg",
                  "abcdfg"]


def digit_svg(w, h, polys, lit):
    body = "".join(f'  <polygon points="{polys[s]}" fill="{SEGMENT}"/>\n' for s in lit)
    return svg(w, h, body)


def make_digits():
    main = segment_polygons(14, 24, 1.0, 12.2, 1.0, 23.0, 2.9, 0.35, 0.075)
    for i, lit in enumerate(DIGIT_SEGMENTS + ["g", ""]):
        write("lcd", f"lcdm{i}.svg", digit_svg(14, 24, main, lit))
    sub = segment_polygons(8, 14, 0.6, 6.9, 0.6, 13.4, 1.75, 0.25, 0.07)
    for i, lit in enumerate(DIGIT_SEGMENTS + ["g", "", "bcefg"]):
        write("lcd", f"lcds{i}.svg", digit_svg(8, 14, sub, lit))


# ---------------------------------------------------------- annunciators

# A pixel font for the LCD's printed words: crisp at the display's own size.
GLYPHS5 = {
    "A": [".X.", "X.X", "XXX", "X.X", "X.X"],
    "C": [".XX", "X..", "X..", "X..", ".XX"],
    "D": ["XX.", "X.X", "X.X", "X.X", "XX."],
    "E": ["XXX", "X..", "XX.", "X..", "XXX"],
    "F": ["XXX", "X..", "XX.", "X..", "X.."],
    "G": [".XX", "X..", "X.X", "X.X", ".XX"],
    "H": ["X.X", "X.X", "XXX", "X.X", "X.X"],
    "I": ["X", "X", "X", "X", "X"],
    "L": ["X..", "X..", "X..", "X..", "XXX"],
    "M": ["X...X", "XX.XX", "X.X.X", "X...X", "X...X"],
    "N": ["X..X", "XX.X", "X.XX", "X..X", "X..X"],
    "O": [".X.", "X.X", "X.X", "X.X", ".X."],
    "R": ["XX.", "X.X", "XX.", "X.X", "X.X"],
    "T": ["XXX", ".X.", ".X.", ".X.", ".X."],
    "V": ["X.X", "X.X", "X.X", "X.X", ".X."],
    "X": ["X.X", "X.X", ".X.", "X.X", "X.X"],
    "1": [".X", "XX", ".X", ".X", ".X"],
    "2": ["XX.", "..X", ".X.", "X..", "XXX"],
    "-": ["..", "..", "XX", "..", ".."],
    "°": ["XX", "XX", "..", "..", ".."],
}

GLYPHS7 = {
    "K": ["X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"],
    "J": ["..XXX", "...X.", "...X.", "...X.", "...X.", "X..X.", ".XX.."],
    "C": [".XXX", "X...", "X...", "X...", "X...", "X...", ".XXX"],
    "F": ["XXXX", "X...", "X...", "XXX.", "X...", "X...", "X..."],
    "°": ["XXX", "X.X", "XXX", "...", "...", "...", "..."],
}


def pixel_text(text, glyphs, x=0, y=0, spacing=1, scale=1.0):
    """Rectangles for each run of lit pixels, left to right."""
    rects = []
    for ch in text:
        rows = glyphs[ch]
        for r, row in enumerate(rows):
            c = 0
            while c < len(row):
                if row[c] == "X":
                    start = c
                    while c < len(row) and row[c] == "X":
                        c += 1
                    rects.append((x + start * scale, y + r * scale, (c - start) * scale, scale))
                else:
                    c += 1
        x += (len(rows[0]) + spacing) * scale
    return rects, x - spacing * scale


def rects_svg(rects):
    # One path, so that neighbouring pixels show no seams when scaled.
    d = " ".join(f"M{n(x)} {n(y)}h{n(w)}v{n(h)}h{n(-w)}z" for x, y, w, h in rects)
    return f'  <path d="{d}" fill="{SEGMENT}"/>\n'


def word(name, text, glyphs, width, height, dy=0):
    rects, _ = pixel_text(text, glyphs, 0, dy)
    write("lcd", name, svg(width, height, rects_svg(rects)))


def make_annunciators():
    word("min.svg", "MIN", GLYPHS5, 15, 5)
    word("avg.svg", "AVG", GLYPHS5, 12, 5)
    word("max.svg", "MAX", GLYPHS5, 14, 5)
    word("hold.svg", "HOLD", GLYPHS5, 15, 5)
    word("t1.svg", "T1", GLYPHS5, 6, 5)
    word("t2.svg", "T2", GLYPHS5, 7, 5)
    word("t1_t2.svg", "T1-T2", GLYPHS5, 18, 5)
    word("rel.svg", "REL", GLYPHS5, 11, 5)
    word("type_k.svg", "K", GLYPHS7, 5, 7)
    word("type_j.svg", "J", GLYPHS7, 5, 7)
    word("main_c.svg", "°C", GLYPHS7, 8, 7)
    word("main_f.svg", "°F", GLYPHS7, 8, 7)
    word("sub_c.svg", "°C", GLYPHS7, 8, 7)
    word("sub_f.svg", "°F", GLYPHS7, 8, 7)
    word("sub_t1.svg", "T1", GLYPHS5, 6, 5)
    word("sub_t2.svg", "T2", GLYPHS5, 7, 5)
    battery = (f'  <rect x="0.5" y="0.5" width="8" height="5" fill="none" stroke="{SEGMENT}"/>\n'
               f'  <rect x="9" y="2" width="1.5" height="2" fill="{SEGMENT}"/>\n'
               f'  <rect x="2" y="2" width="2" height="2" fill="{SEGMENT}"/>\n')
    write("lcd", "low_battery.svg", svg(11, 6, battery))
    write("lcd", "main_minus.svg", svg(5, 3, f'  <rect x="0" y="0.4" width="5" height="2.4" '
                                             f'fill="{SEGMENT}"/>\n'))
    write("lcd", "main_point.svg", svg(6, 7, f'  <rect x="1.6" y="1.4" width="2.6" height="2.6" '
                                             f'fill="{SEGMENT}"/>\n'))
    write("lcd", "sub_point.svg", svg(2, 2, f'  <rect width="2" height="2" fill="{SEGMENT}"/>\n'))
    write("lcd", "colon.svg", svg(2, 14, f'  <rect y="3" width="2" height="2" fill="{SEGMENT}"/>\n'
                                         f'  <rect y="9" width="2" height="2" fill="{SEGMENT}"/>\n'))


# ------------------------------------------------------------ the front

def text(x, y, s, size, fill=PRINT, weight="bold", anchor="middle", family=FONT):
    s = s.replace("&", "&amp;").replace("<", "&lt;")
    return (f'  <text x="{n(x)}" y="{n(y)}" font-family="{family}" font-size="{n(size)}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}">{s}</text>\n')


def key(x, y, w, h, grad="key"):
    """An oval key with a soft shadow, at the click area's rectangle."""
    cx, cy = x + w / 2, y + h / 2
    return (f'  <ellipse cx="{n(cx)}" cy="{n(cy + 1.2)}" rx="{n(w / 2)}" ry="{n(h / 2)}" '
            f'fill="#000000" fill-opacity="0.35"/>\n'
            f'  <ellipse cx="{n(cx)}" cy="{n(cy)}" rx="{n(w / 2 - 0.5)}" ry="{n(h / 2 - 0.5)}" '
            f'fill="url(#{grad})" stroke="{KEY_EDGE}" stroke-width="1"/>\n')


def key_gradient(name, y, h):
    return (f'  <linearGradient id="{name}" gradientUnits="userSpaceOnUse" x1="0" y1="{n(y)}" '
            f'x2="0" y2="{n(y + h)}">\n'
            f'    <stop offset="0" stop-color="{KEY_TOP}"/>\n'
            f'    <stop offset="1" stop-color="{KEY_LOW}"/>\n'
            f'  </linearGradient>\n')


def power_symbol(cx, cy, r):
    # An open ring with a bar through the gap.
    import math
    a = math.radians(40)
    x1, y1 = cx - r * math.sin(a), cy - r * math.cos(a)
    x2, y2 = cx + r * math.sin(a), cy - r * math.cos(a)
    return (f'  <path d="M {n(x1)} {n(y1)} A {n(r)} {n(r)} 0 1 0 {n(x2)} {n(y2)}" fill="none" '
            f'stroke="{POWER}" stroke-width="1.8" stroke-linecap="round"/>\n'
            f'  <path d="M {n(cx)} {n(cy - r - 1.5)} L {n(cx)} {n(cy - 0.5)}" stroke="{POWER}" '
            f'stroke-width="1.8" stroke-linecap="round"/>\n')


def make_front():
    # Drawn in the panel window's coordinates: the picture lies at (6, -1).
    defs = ("<defs>\n"
            f'  <linearGradient id="holster" x1="0" y1="0" x2="1" y2="0">\n'
            f'    <stop offset="0" stop-color="#3a414b"/>\n'
            f'    <stop offset="0.5" stop-color="{HOLSTER}"/>\n'
            f'    <stop offset="1" stop-color="#22272e"/>\n'
            f'  </linearGradient>\n'
            f'  <linearGradient id="face" x1="0" y1="0" x2="0" y2="1">\n'
            f'    <stop offset="0" stop-color="#434d5a"/>\n'
            f'    <stop offset="1" stop-color="{FACE}"/>\n'
            f'  </linearGradient>\n'
            f'  <linearGradient id="glass" x1="0" y1="0" x2="0" y2="1">\n'
            f'    <stop offset="0" stop-color="{GLASS_TOP}"/>\n'
            f'    <stop offset="1" stop-color="{GLASS_LOW}"/>\n'
            f'  </linearGradient>\n'
            + key_gradient("key1", 176, 28) + key_gradient("key2", 226, 28) +
            "</defs>\n")
    body = defs
    body += (f'  <rect x="6.5" y="-0.5" width="144" height="420" rx="18" fill="url(#holster)" '
             f'stroke="{HOLSTER_EDGE}" stroke-width="1"/>\n')
    body += (f'  <rect x="12.5" y="6.5" width="132" height="406" rx="12" fill="url(#face)" '
             f'stroke="{FACE_EDGE}" stroke-width="1"/>\n')
    # Display: a dark bezel carrying the sensor banner, and the glass.
    body += f'  <rect x="17" y="44" width="123" height="106" rx="7" fill="{BEZEL}"/>\n'
    body += (f'  <rect x="21" y="71" width="115" height="75" rx="2" fill="url(#glass)"/>\n'
             f'  <rect x="21" y="71" width="115" height="1" fill="#8d957c"/>\n')
    # Keys: power and REL, HOLD and AVG/MAX/MIN. The third row belongs to the model pictures.
    body += key(28, 176, 42, 28, "key1") + power_symbol(49, 191, 5.2)
    body += key(86, 176, 44, 28, "key1") + text(108, 193.5, "\u0394REL", 8, KEY_TEXT)
    body += key(28, 227, 42, 28, "key2") + text(49, 244, "HOLD", 8, KEY_TEXT)
    body += key(87, 226, 42, 28, "key2")
    body += text(108, 238, "AVG", 6.5, KEY_TEXT) + text(108, 246, "MAX/MIN", 6.5, KEY_TEXT)
    # Grip ridges and the maker's line at the foot.
    for i in range(5):
        y = 384 + i * 5
        body += (f'  <rect x="42" y="{y}" width="73" height="2" rx="1" fill="#2c333c"/>\n'
                 f'  <rect x="42" y="{y + 2}" width="73" height="0.8" fill="#56606d"/>\n')
    body += text(78.5, 377, "DIGITAL THERMOMETER", 6.5, "#aab3bf")
    write("panel", "meter_front.svg", svg(145, 421, body, "6 -1 145 421"))


def badge_letter(tag, y, ink):
    if tag == "K":
        return text(35, y + 5, tag, 8, ink)
    # The font's J reads as a bracket at this size: draw the hook.
    return (f'  <path d="M 34 {n(y - 0.6)} H 37.4 M 36.6 {n(y - 0.6)} V {n(y + 3.4)} '
            f'A 2.1 2.1 0 0 1 32.4 {n(y + 3.4)}" fill="none" stroke="{ink}" '
            f'stroke-width="1.5"/>\n')


def make_key_rows():
    ranges_k = ("-200 ~ 1370 \u00b0C", "-328 ~ 2498 \u00b0F")
    ranges_j = ("-200 ~ 760 \u00b0C", "-328 ~ 1400 \u00b0F")
    for model in (300, 301, 302, 303):
        two = model in (301, 303)
        kj = model in (302, 303)
        body = "<defs>\n" + key_gradient("key3", 270, 34) + "</defs>\n"
        body += key(28, 273, 48, 31, "key3")
        if two:
            body += text(52, 287, "T1/T2", 7, KEY_TEXT) + text(52, 295.5, "T1-T2", 7, KEY_TEXT)
        else:
            body += text(52, 291.5, "TIMER", 8, KEY_TEXT)
        body += key(84, 270, 51, 34, "key3") + text(109.5, 290, "\u00b0C/\u00b0F", 8.5, KEY_TEXT)
        # Each sensor's range in degrees C over degrees F, tagged with its colour band.
        blocks = [("K", ranges_k)] + ([("J", ranges_j)] if kj else [])
        y = 318 if kj else 328
        for tag, (celsius, fahrenheit) in blocks:
            band, ink = (ACCENT, "#1f252d") if tag == "K" else (ACCENT_J, PRINT)
            body += (f'  <rect x="29.5" y="{n(y - 3)}" width="11" height="10" rx="1.5" '
                     f'fill="{band}" stroke="{PRINT}" stroke-opacity="0.5" stroke-width="0.6"/>\n'
                     + badge_letter(tag, y, ink))
            body += text(128, y, celsius, 7.5, PRINT, anchor="end")
            body += text(128, y + 10, fahrenheit, 7.5, PRINT, anchor="end")
            y += 25
        write("panel", f"key_row_{model}.svg", svg(130, 103, body, "14 264 130 103"))


def make_banners():
    for name, tag, width in (("banner_k.svg", "K", 18), ("banner_kj.svg", "K/J", 27)):
        body = (f'  <rect x="25" y="52" width="{width}" height="13" rx="2" fill="{ACCENT}"/>\n'
                + text(25 + width / 2, 62, tag, 9, "#1f252d"))
        body += text(25 + width + 4, 62, "THERMOMETER", 8.6, PRINT, anchor="start")
        write("panel", name, svg(113, 22, body, "24 48 113 22"))


if __name__ == "__main__":
    make_digits()
    make_annunciators()
    make_front()
    make_key_rows()
    make_banners()
