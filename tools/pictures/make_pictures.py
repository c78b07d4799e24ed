#!/usr/bin/python3
"""Draws the program's pictures into images/ and lists them in tools/pictures/manifest.tsv.

Formulas are typeset with matplotlib's mathtext in STIX; graphs are drawn from the
densities (scipy) with their region shaded and their points marked. Every picture is written
as a GIF with a small palette on white, no larger than the box it is shown in (graphs
exactly that size): the panels never scale a picture. A contact
sheet of all of them at their real size is written as a PNG to look at.

Run by hand after changing catalogue.py (Debian's python3-matplotlib, python3-scipy and
python3-pil); the build never runs it, and the GIFs it writes are committed:

    /usr/bin/python3 tools/pictures/make_pictures.py [--sheet PATH]
"""

import argparse
import os
import sys

import numpy as np
import matplotlib
matplotlib.use("Agg")
from matplotlib.backends.backend_agg import FigureCanvasAgg
from matplotlib.figure import Figure
from matplotlib.text import Annotation
from matplotlib.transforms import Affine2D
from PIL import Image, ImageDraw, ImageFont
from scipy import stats

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import catalogue  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
IMAGES = os.path.join(ROOT, "images")

matplotlib.rcParams.update({
    # STIX has every size of the big delimiters; Computer Modern's set draws a tall ")" as a
    # "!" that reads as a factorial.
    "mathtext.fontset": "stix",
    "font.family": "serif",
    "font.serif": ["STIXGeneral"],
    "axes.unicode_minus": False,
    "axes.formatter.use_mathtext": True,
})

INK = 0             # colour of the pictures' text
PALETTE = 32        # colours per GIF
MIN_SIZE = 7.5      # smallest font size (points at 100 dpi) a formula may shrink to
REJECT = "#e8868a"  # rejection region
ACCEPT = "#dbe8f7"  # acceptance region of a test
CENTRE = "#8fb8e6"  # the area of an interval or a probability
TAIL = "#f3c4c6"    # the tails of an interval
CURVE = "#1a1a1a"
EDGE = 3            # white pixels at least between a graph's labels and its frame
LINE_GAP = 2        # white pixels at least between the glyphs of a symbol's line and the next


# --------------------------------------------------------------------------- typesetting

def render_line(tex, size):
    """One line of text at size points: (grey array cropped to its ink, baseline row)."""
    w, h, base = 2400, 400, 260
    fig = Figure(figsize=(w / 100, h / 100), dpi=100)
    FigureCanvasAgg(fig)
    fig.text(20 / w, 1 - base / h, tex, fontsize=size, ha="left", va="baseline",
             color=(INK / 255,) * 3)
    fig.canvas.draw()
    grey = np.asarray(fig.canvas.buffer_rgba())[:, :, :3].min(axis=2)
    rows = np.where(grey.min(axis=1) < 250)[0]
    cols = np.where(grey.min(axis=0) < 250)[0]
    if len(rows) == 0:
        raise ValueError(f"nothing drawn for {tex!r}")
    crop = grey[rows[0]:rows[-1] + 1, cols[0]:cols[-1] + 1]
    return crop, base - rows[0]


def stack(lines, gap, align="center", margin=3):
    """Lines (grey arrays) one under the other, gap pixels of white between them."""
    width = max(a.shape[1] for a in lines) + 2 * margin
    height = sum(a.shape[0] for a in lines) + gap * (len(lines) - 1) + 2 * margin
    out = np.full((height, width), 255, np.uint8)
    y = margin
    for a in lines:
        x = margin if align == "left" else (width - a.shape[1]) // 2
        out[y:y + a.shape[0], x:x + a.shape[1]] = a
        y += a.shape[0] + gap
    return out


def formula_image(p, size):
    gap = max(4, int(round(size * 0.55)))
    # Fractions in display style: text-style ones are set too small to read on screen.
    lines = [render_line(t.replace(r"\frac", r"\dfrac"), size)[0] for t in p.lines]
    if p.side_by_side:
        # The model on the left, vertically centred on the block of equations at its right.
        right = stack(lines[1:], max(2, gap // 2), "left", margin=0)
        left = lines[0]
        h = max(right.shape[0], left.shape[0])
        space = int(round(size * 1.1))
        out = np.full((h, left.shape[1] + space + right.shape[1]), 255, np.uint8)
        y = (h - left.shape[0]) // 2
        out[y:y + left.shape[0], :left.shape[1]] = left
        y = (h - right.shape[0]) // 2
        out[y:y + right.shape[0], left.shape[1] + space:] = right
        return stack([out], 0)
    align = "left" if p.family in ("sheet",) else "center"
    return stack(lines, gap, align)


def fits(img, p):
    return img.shape[1] <= p.width and img.shape[0] <= p.hmax


def formula_size(p):
    size = p.size
    while size >= MIN_SIZE:
        if fits(formula_image(p, size), p):
            return size
        size -= 0.25
    raise SystemExit(f"{p.name}: does not fit {p.width}x{p.hmax} even at {MIN_SIZE} pt")


def symbol_layout(group):
    """One font size and one baseline for a family of symbols, so that they line up."""
    size = max(p.size for p in group)
    while size >= MIN_SIZE:
        ok, layout = True, {}
        for p in group:
            parts = [render_line(t, size) for t in p.lines]
            for (a, base), slot in zip(parts, p.slots):
                if a.shape[0] > slot:
                    ok = False
            if max(a.shape[1] for a, _ in parts) > p.width - 4:
                ok = False
            layout[p.name] = parts
        if ok:
            return size, layout
        size -= 0.25
    raise SystemExit(f"symbols {group[0].family}: no size fits")


def baseline_align(group, layout):
    """Re-centre single-line symbols of a family on one baseline where the slot allows.

    Returns the pictures and, for each, the box (left, top, width, height) of every line's
    glyphs as typeset: the panels fix a symbol's height, and its glyphs may fill it to the
    edge, so the manifest keeps these boxes for a test to find each glyph whole."""
    asc = max(b for p in group for a, b in layout[p.name])
    desc = max(a.shape[0] - b for p in group for a, b in layout[p.name])
    images, glyphs = {}, {}
    for p in group:
        parts = layout[p.name]
        width = max(a.shape[1] for a, _ in parts) + 4
        out = np.full((p.hmax, width), 255, np.uint8)
        top = 0
        boxes = []
        for (a, b), slot in zip(parts, p.slots):
            if asc + desc <= slot:
                y = top + (slot - asc - desc) // 2 + asc - b
            else:
                y = top + (slot - a.shape[0]) // 2
            out[y:y + a.shape[0], 2:2 + a.shape[1]] = a
            boxes.append((2, y, a.shape[1], a.shape[0]))
            top += slot + p.gap
        images[p.name] = out
        glyphs[p.name] = boxes
    return images, glyphs


# --------------------------------------------------------------------------- graphs

def distribution(name, params):
    return {"norm": lambda: stats.norm(), "t": lambda: stats.t(*params),
            "chi2": lambda: stats.chi2(*params), "f": lambda: stats.f(*params),
            "binom": lambda: stats.binom(*params),
            "poisson": lambda: stats.poisson(*params)}[name]()


def new_figure(w, h):
    fig = Figure(figsize=(w / 100, h / 100), dpi=100)
    FigureCanvasAgg(fig)
    ax = fig.add_axes([0.04, 0.22, 0.92, 0.64])
    for s in ("left", "right", "top"):
        ax.spines[s].set_visible(False)
    ax.spines["bottom"].set_color(CURVE)
    ax.set_yticks([])
    ax.tick_params(axis="x", length=4, width=0.8, labelsize=13, colors=CURVE, pad=3)
    return fig, ax


def area_label(ax, text, xy, xytext):
    ax.annotate(text, xy=xy, xytext=xytext, fontsize=12, ha="center", va="center",
                color=CURVE, arrowprops=dict(arrowstyle="-", lw=0.7, color=CURVE,
                                             shrinkA=1, shrinkB=0))


def tail_label(ax, d, text, edge, tail_end, lo, hi, peak):
    """Labels the area of a tail from above the curve, with a leader line into the tail.

    edge is the critical point, tail_end the far end of the tail (lo or hi)."""
    span = hi - lo
    direction = -1 if tail_end < edge else 1
    px = edge + direction * min(abs(tail_end - edge) * 0.35, 0.08 * span)
    py = d.pdf(px) * 0.35
    lx = edge + direction * 0.12 * span
    lx = min(max(lx, lo + 0.05 * span), hi - 0.05 * span)
    near = np.linspace(lx - 0.06 * span, lx + 0.06 * span, 50)
    ly = max(d.pdf(np.clip(near, lo + 1e-9, hi)).max() + 0.2 * peak, 0.35 * peak)
    area_label(ax, text, (px, py), (lx, min(ly, 1.2 * peak)))


def continuous_graph(g, w, h):
    d = distribution(g["dist"], g["params"])
    purpose, side = g["purpose"], g["side"]
    lo, hi = d.ppf(0.0015), d.ppf(0.9975)
    if g["dist"] in ("chi2", "f"):
        lo = 0.0
    if g["dist"] == "norm":
        lo, hi = -3.5, 3.5
    if g["dist"] == "t":
        lo, hi = -4.2, 4.2
    x = np.linspace(lo, hi, 800)
    y = d.pdf(x)
    if g["dist"] == "f":
        y[0] = 0.0
    peak = y.max()
    fig, ax = new_figure(w, h)
    ax.set_xlim(lo, hi)
    ax.set_ylim(0, peak * 1.32)

    def shade(a, b, colour):
        m = (x >= a) & (x <= b)
        ax.fill_between(x[m], 0, y[m], color=colour, lw=0)

    def mark(c):
        ax.plot([c, c], [0, d.pdf(c)], color=CURVE, lw=0.9)

    if purpose in ("test", "interval"):
        alpha = 0.10 if side == "B" else 0.08
        if side == "B":
            c = [d.ppf(alpha / 2), d.ppf(1 - alpha / 2)]
            inner = (c[0], c[1])
        elif side == "L":
            c = [d.ppf(alpha)]
            inner = (c[0], hi)
        else:
            c = [d.ppf(1 - alpha)]
            inner = (lo, c[0])
        outside = REJECT if purpose == "test" else TAIL
        inside = ACCEPT if purpose == "test" else CENTRE
        shade(lo, hi, outside)
        shade(inner[0], inner[1], inside)
        for v in c:
            mark(v)
        tail = r"$\alpha/2$" if side == "B" else r"$\alpha$"
        mid = d.ppf(0.5) if side == "B" else (inner[0] + inner[1]) / 2
        if g["dist"] in ("chi2", "f") and side != "B":
            mid = d.ppf(0.5)
        ax.text(mid, d.pdf(mid) * 0.42, r"$1-\alpha$", fontsize=13, ha="center",
                va="center", color=CURVE)
        if side in ("B", "L"):
            tail_label(ax, d, tail, c[0], lo, lo, hi, peak)
        if side in ("B", "R"):
            tail_label(ax, d, tail, c[-1], hi, lo, hi, peak)
    else:
        mode = side
        if mode == "L":
            c = [d.ppf(0.80)]
            shade(lo, c[0], CENTRE)
        elif mode == "R":
            c = [d.ppf(0.80)]
            shade(c[0], hi, CENTRE)
        elif mode == "I":
            c = [d.ppf(0.22), d.ppf(0.84)]
            shade(c[0], c[1], CENTRE)
        else:
            c = [d.ppf(0.09), d.ppf(0.91)]
            shade(c[0], c[1], CENTRE)
        for v in c:
            mark(v)
        if mode == "L":
            px = d.ppf(0.4)
        elif mode == "R":
            px = d.ppf(0.89)
        else:
            px = d.ppf(0.5)
        ax.text(px, d.pdf(px) * 0.40, r"$p$", fontsize=14, ha="center", va="center",
                color=CURVE)
        if mode == "C":
            tail_label(ax, d, r"$\dfrac{1-p}{2}$", c[0], lo, lo, hi, peak)
            tail_label(ax, d, r"$\dfrac{1-p}{2}$", c[1], hi, lo, hi, peak)
    ax.plot(x, y, color=CURVE, lw=1.5)
    ticks, labels = list(c), list(g["critical"])
    if g["dist"] in ("norm", "t") and purpose == "distribution":
        centre = r"$\mu$" if g["dist"] == "norm" else "$0$"
        if all(abs(v) > 0.6 for v in c):
            ticks.append(0.0)
            labels.append(centre)
    if g["dist"] in ("norm", "t") and purpose != "distribution":
        if all(abs(v) > 0.6 for v in c):
            ticks.append(0.0)
            labels.append("$0$")
    ax.set_xticks(ticks)
    ax.set_xticklabels(labels)
    fig.text(0.97, 0.95, g["title"], fontsize=13, ha="right", va="top", color=CURVE)
    return fig


def discrete_graph(g, w, h):
    d = distribution(g["dist"], g["params"])
    ks = np.arange(0, 13)
    pk = d.pmf(ks)
    mode = g["side"]
    pts = {"binom": {"L": [4], "R": [7], "I": [3, 6], "P": [5]},
           "poisson": {"L": [3], "R": [6], "I": [2, 5], "P": [4]}}[g["dist"]][mode]
    if mode == "L":
        inside = ks <= pts[0]
    elif mode == "R":
        inside = ks >= pts[0]
    elif mode == "I":
        inside = (ks >= pts[0]) & (ks <= pts[1])
    else:
        inside = ks == pts[0]
    fig, ax = new_figure(w, h)
    ax.bar(ks, pk, width=0.62, color=np.where(inside, CENTRE, "white"), edgecolor=CURVE,
           linewidth=0.9)
    ax.set_xlim(-0.8, 12.8)
    ax.set_ylim(0, pk.max() * 1.22)
    ax.set_xticks(pts)
    ax.set_xticklabels(g["critical"])
    ax.set_xticks(ks, minor=True)
    ax.tick_params(axis="x", which="minor", length=2.5, width=0.6, colors=CURVE)
    fig.text(0.97, 0.95, g["title"], fontsize=13, ha="right", va="top", color=CURVE)
    return fig


def graph_image(p):
    w, h = p.width, p.hmax
    g = p.graph
    fig = (discrete_graph if g["dist"] in ("binom", "poisson") else continuous_graph)(g, w, h)
    keep_labels_inside(fig, w, h)
    return exact_size(fig, w, h)


def keep_labels_inside(fig, w, h):
    """Moves each label that would cross the picture's edge back inside it, EDGE pixels in.

    A point's label is centred under its tick; near the end of the axis a wide one (the
    chi-square point of the lower tail) would lose its first letter to the frame."""
    fig.canvas.draw()
    renderer = fig.canvas.get_renderer()
    texts = list(fig.texts)
    for ax in fig.axes:
        texts += list(ax.texts) + ax.get_xticklabels()
    for t in texts:
        if not t.get_visible() or not t.get_text():
            continue
        box = t.get_window_extent(renderer)
        dx = max(EDGE - box.x0, 0) + min(w - EDGE - box.x1, 0)
        dy = max(EDGE - box.y0, 0) + min(h - EDGE - box.y1, 0)
        if not (dx or dy):
            continue
        if isinstance(t, Annotation):
            # An annotation sets its own transform when drawn: move where its text stands.
            to_data = t.axes.transData
            x, y = to_data.transform(t.xyann)
            t.xyann = tuple(to_data.inverted().transform((x + dx, y + dy)))
        else:
            t.set_transform(t.get_transform() + Affine2D().translate(dx, dy))


def exact_size(fig, w, h):
    """The drawn figure, cut or padded with white to exactly w x h pixels."""
    fig.canvas.draw()
    drawn = np.asarray(fig.canvas.buffer_rgba())[:h, :w, :3]
    out = np.full((h, w, 3), 255, np.uint8)
    out[:drawn.shape[0], :drawn.shape[1]] = drawn
    return out


def venn_image(p):
    w, h = p.width, p.hmax
    fig = Figure(figsize=(w / 100, h / 100), dpi=100)
    FigureCanvasAgg(fig)
    ax = fig.add_axes([0, 0, 1, 1])
    ax.set_xlim(0, w)
    ax.set_ylim(0, h)
    ax.set_aspect("equal")
    ax.axis("off")
    from matplotlib.patches import Circle, Rectangle
    r = h * 0.33
    ca, cb = (w * 0.40, h * 0.47), (w * 0.60, h * 0.47)
    ax.add_patch(Rectangle((4, 4), w - 8, h - 8, fill=False, lw=1.2, ec=CURVE))
    gx, gy = np.meshgrid(np.arange(w) + 0.5, np.arange(h) + 0.5)
    both = (((gx - ca[0]) ** 2 + (gy - ca[1]) ** 2 <= r * r) &
            ((gx - cb[0]) ** 2 + (gy - cb[1]) ** 2 <= r * r))
    rgba = np.zeros((h, w, 4))
    rgba[both] = matplotlib.colors.to_rgba(CENTRE)
    ax.imshow(rgba, extent=(0, w, 0, h), origin="lower", interpolation="nearest")
    for c in (ca, cb):
        ax.add_patch(Circle(c, r, fill=False, lw=1.4, ec=CURVE))
    ax.text(ca[0] - r * 0.95, ca[1] + r * 0.95, "$A$", fontsize=16, ha="center", va="center")
    ax.text(cb[0] + r * 0.95, cb[1] + r * 0.95, "$B$", fontsize=16, ha="center", va="center")
    ax.text(w * 0.5, ca[1], r"$A\cap B$", fontsize=11, ha="center", va="center")
    ax.text(12, h - 12, r"$\Omega$", fontsize=14, ha="left", va="top")
    return exact_size(fig, w, h)


# --------------------------------------------------------------------------- output

def to_gif(pixels, path):
    if pixels.ndim == 2:
        pixels = np.stack([pixels] * 3, axis=2)
    img = Image.fromarray(pixels.astype(np.uint8), "RGB")
    pal = img.quantize(colors=PALETTE, method=Image.Quantize.MEDIANCUT,
                       dither=Image.Dither.NONE)
    # The background must stay pure white whatever the palette averaged it with.
    colours = pal.getpalette()[:PALETTE * 3]
    white = min(range(len(colours) // 3),
                key=lambda i: sum((255 - v) for v in colours[3 * i:3 * i + 3]))
    colours[3 * white:3 * white + 3] = [255, 255, 255]
    pal.putpalette(colours)
    pal.save(path, "GIF", optimize=False)
    return pal


def contact_sheet(entries, path):
    font = ImageFont.load_default()
    pad, width = 10, 1600
    x = y = pad
    row_h = 0
    placed = []
    for name, img in entries:
        w, h = img.size
        cell_w = max(w, 8 * len(name)) + pad
        if x + cell_w > width:
            x, y, row_h = pad, y + row_h + pad, 0
        placed.append((x, y, name, img))
        x += cell_w
        row_h = max(row_h, h + 14)
    sheet = Image.new("RGB", (width, y + row_h + pad), (205, 205, 215))
    draw = ImageDraw.Draw(sheet)
    for x, y, name, img in placed:
        sheet.paste(img.convert("RGB"), (x, y))
        draw.rectangle([x - 1, y - 1, x + img.size[0], y + img.size[1]], outline=(120, 120, 140))
        draw.text((x, y + img.size[1] + 2), name, fill=(0, 0, 0), font=font)
    sheet.save(path)


def write_manifest(pictures, glyphs, path):
    with open(path, "w", encoding="utf-8") as f:
        f.write("# file\tkind\twidth\thmin\thmax\tglyphs\tcontent\n")
        for p in pictures:
            boxes = ";".join(",".join(map(str, b)) for b in glyphs.get(p.name, [])) or "-"
            f.write(f"{p.name}\t{p.kind}\t{p.width}\t{p.hmin}\t{p.hmax}\t{boxes}\t"
                    f"{p.content()}\n")


def check_edges(name, kind, picture, boxes):
    """Refuses a picture whose ink reaches its outermost pixels, or a symbol glyph cut.

    Graphs and formulas keep their ink off all four edges. A symbol's height is the panel's,
    and its glyphs may fill it: each glyph's box must lie inside the picture with ink on all
    four of its sides, nothing may be drawn outside the boxes, and no glyph of a line may
    come nearer a glyph of the next line than LINE_GAP white pixels."""
    ink = np.asarray(picture.convert("L")) < 255
    if kind != "symbol":
        if ink[0].any() or ink[-1].any() or ink[:, 0].any() or ink[:, -1].any():
            raise SystemExit(f"{name}: ink on the picture's edge")
        return
    inside = np.zeros_like(ink)
    for left, top, width, height in boxes:
        if left < 1 or top < 0 or left + width > ink.shape[1] - 1 or top + height > ink.shape[0]:
            raise SystemExit(f"{name}: a glyph does not fit the picture")
        box = ink[top:top + height, left:left + width]
        if not (box[0].any() and box[-1].any() and box[:, 0].any() and box[:, -1].any()):
            raise SystemExit(f"{name}: a glyph lost its edge")
        inside[top:top + height, left:left + width] = True
    if (ink & ~inside).any():
        raise SystemExit(f"{name}: ink outside its glyphs")
    for line, (upper, lower) in enumerate(zip(boxes, boxes[1:]), start=1):
        if lines_touch(ink, upper, lower):
            raise SystemExit(f"{name}: a glyph of line {line} touches one of line {line + 1}")


def lines_touch(ink, upper, lower):
    """Whether ink in the box of one line comes within LINE_GAP pixels of ink in the next.

    Pixels are near when they are within LINE_GAP rows and LINE_GAP columns of each other,
    so a diagonal contact counts; ink where the two boxes overlap belongs to both."""
    def within(box):
        left, top, width, height = box
        mask = np.zeros_like(ink)
        mask[top:top + height, left:left + width] = ink[top:top + height, left:left + width]
        return mask

    near = within(upper)
    h, w = ink.shape
    grown = np.zeros_like(near)
    for dy in range(-LINE_GAP, LINE_GAP + 1):
        for dx in range(-LINE_GAP, LINE_GAP + 1):
            grown[max(dy, 0):h + min(dy, 0), max(dx, 0):w + min(dx, 0)] |= \
                near[max(-dy, 0):h + min(-dy, 0), max(-dx, 0):w + min(-dx, 0)]
    return bool((grown & within(lower)).any())


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--sheet", default=os.path.join(HERE, "contact_sheet.png"))
    ap.add_argument("--only", default="", help="draw only names containing this text")
    args = ap.parse_args()
    pictures = catalogue.catalogue()
    os.makedirs(IMAGES, exist_ok=True)
    if not args.only:
        for f in os.listdir(IMAGES):
            if f.lower().endswith(".gif"):
                os.remove(os.path.join(IMAGES, f))
    images = {}
    glyphs = {}
    families = {}
    for p in pictures:
        families.setdefault((p.kind, p.family), []).append(p)
    for (kind, fam), group in families.items():
        if kind == "symbol":
            # Every symbol's glyph boxes go into the manifest, drawn this time or not.
            size, layout = symbol_layout(group)
            drawn, boxes = baseline_align(group, layout)
            glyphs.update(boxes)
        if args.only and not any(args.only in p.name for p in group):
            continue
        if kind == "formula":
            size = min(formula_size(p) for p in group)
            for p in group:
                images[p.name] = formula_image(p, size)
        elif kind == "symbol":
            images.update(drawn)
        elif kind == "graph":
            for p in group:
                images[p.name] = graph_image(p)
        elif kind == "venn":
            for p in group:
                images[p.name] = venn_image(p)
    entries = []
    for p in pictures:
        if p.name not in images:
            continue
        a = images[p.name]
        h, w = a.shape[:2]
        if not (w <= p.width and p.hmin <= h <= p.hmax):
            raise SystemExit(f"{p.name}: {w}x{h} does not fit {p.width}x{p.hmin}-{p.hmax}")
        gif = to_gif(a, os.path.join(IMAGES, p.name))
        check_edges(p.name, p.kind, gif, glyphs.get(p.name, []))
        entries.append((p.name, gif))
    write_manifest(pictures, glyphs, os.path.join(HERE, "manifest.tsv"))
    contact_sheet(entries, args.sheet)
    print(f"{len(entries)} pictures in {IMAGES}; contact sheet {args.sheet}")


if __name__ == "__main__":
    main()
