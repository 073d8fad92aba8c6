#!/usr/bin/env python3
"""Prints the benchmark table: each case, its median, its plain public-API twin's median, the ratio of the
two medians, the target ratio and whether it is met. Reads the JSON files the benchmark executables
wrote with --benchmark_repetitions and --benchmark_report_aggregates_only."""

import argparse
import json

# (case, benchmark, twin, twin benchmark, target ratio)
PAIRS = [
    ("rebuild drawing bitmap, big (1,000 figures)", "rebuild/big",
     "same strokes, texts and fills, bare QPainter", "rebuild/big/bare_qpainter", 1.5),
    ("finish a width-50 bond, extent recorded", "finish/bond_w50",
     "render the same bond, no recording", "finish/bond_w50/render_only", 3.0),
    ("undo push, big, unchanged", "undo_push/big/unchanged",
     "memcpy + memcmp of the snapshot's size", "undo_push/big/memcpy_memcmp", 4.0),
    ("undo push, big, changed", "undo_push/big/changed",
     "memcpy + memcmp of the snapshot's size", "undo_push/big/memcpy_memcmp", 4.0),
    ("write .fga, huge (10,000 figures)", "fga/huge/write",
     "the same fields from plain structs through QDataStream", "fga/huge/write/qdatastream", 1.5),
    ("read .fga, huge (freeing not timed)", "fga/huge/read",
     "the same fields into plain structs through QDataStream", "fga/huge/read/qdatastream", 1.5),
    ("flood fill, empty 1500 x 1000", "flood_fill/1500x1000",
     "textbook 4-connected scanline fill on QImage::scanLine", "flood_fill/1500x1000/textbook_scanline", 1.2),
    ("picture editor re-render, 2000 x 1500, 500 strokes and 20 fills", "paint_rerender/500",
     "the same pens, shapes and fills by bare QPainter and the surface fill", "paint_rerender/500/bare_qpainter", 1.5),
    ("open a 2000 x 1500 JPEG in the picture editor, enclosed white converted", "picture_open/2000x1500",
     "libjpeg decoding alone plus one QImage::fill of the enlarged picture", "picture_open/2000x1500/libjpeg_and_fill", 1.5),
    ("enclosed-white conversion, 2000 x 1500", "enclosed_white/2000x1500",
     "textbook scanline fill of the enlarged picture from its corner", "enclosed_white/2000x1500/textbook_scanline", 1.3),
    ("import: adjustment recompute, 2000 x 1500", "picture_adjust/2000x1500",
     "plain per-pixel loop over QImage::scanLine, same arithmetic", "picture_adjust/2000x1500/plain_loop", 1.5),
    ("import: cut-out along a free line of 2000 points, 2000 x 1500", "cut_out/free_2000",
     "the same mask drawn and combined with QPainter composition modes", "cut_out/free_2000/qpainter_composition", 1.5),
    ("rebuild drawing bitmap, big, 1500 x 1000 background", "rebuild/big_background",
     "same calls by bare QPainter after one drawImage", "rebuild/big_background/bare_qpainter_draw_image", 1.5),
    ("view paint with a 1500 x 1000 sample at 25 %", "view_paint_sample/25",
     "two drawImage calls of prescaled images", "view_paint_sample/two_prescaled_draw_image/25", 1.5),
    ("view paint 1600 x 900 with the sample at 100 %", "view_paint_sample/100",
     "two drawImage calls of prescaled images", "view_paint_sample/two_prescaled_draw_image/100", 1.5),
    ("view paint 1600 x 900 with the sample at 500 %", "view_paint_sample/500",
     "two drawImage calls of prescaled images", "view_paint_sample/two_prescaled_draw_image/500", 1.5),
    ("picture editor: turn a 1000 x 1000 picture by 37 degrees", "rotate/1000x1000_37",
     "QImage::transformed, Qt::FastTransformation", "rotate/1000x1000_37/qimage_transformed", 1.5),
    ("view paint at 25 % (all of the 500 x 375 view)", "view_paint/25",
     "one drawImage of a prescaled image", "view_paint/prescaled_draw_image/25", 1.5),
    ("view paint 1600 x 900 at 100 %", "view_paint/100",
     "one drawImage of a prescaled image", "view_paint/prescaled_draw_image/100", 1.5),
    ("view paint 1600 x 900 at 500 %", "view_paint/500",
     "one drawImage of a prescaled image", "view_paint/prescaled_draw_image/500", 1.5),
    ("rubber band, one mouse move drawing a bond on big, 100 %", "rubber_band/big/move/100",
     "update of the band's rectangles from a cached view, band by QPainter", "rubber_band/big/move/cached_view/100", 1.5),
    ("rubber band, one mouse move drawing a bond on big, 500 %", "rubber_band/big/move/500",
     "update of the band's rectangles from a cached view, band by QPainter", "rubber_band/big/move/cached_view/500", 1.5),
    ("picture editor pen, one mouse move at 800 % on 2000 x 1500", "paint_pen/800/move",
     "update of the new piece's rectangle from a cached view, piece by QPainter", "paint_pen/800/move/cached_view_update", 1.5),
    ("picture editor: lift a 1000 x 1000 range and put it down, 200 strokes", "paint_range/lift_drop_1000",
     "the pixel copies, one full re-render and one snapshot done directly", "paint_range/lift_drop_1000/copies_render_snapshot", 2.0),
    ("picture editor: one mouse move dragging a lifted 1000 x 1000 piece", "paint_range/drag_1000/move",
     "update of the old and new rectangles from a cached view, cached piece drawn", "paint_range/drag_1000/move/cached_view_update", 1.5),
    ("picture editor: one mouse move turning a floating 1000 x 1000 picture", "paint_turn/1000/move",
     "the same turn plus one drawImage of it", "paint_turn/1000/move/turn_draw_image", 1.5),
    ("drag of all 10,000 figures of huge, one mouse move", "drag/huge/all",
     "one pre-rendered drag image moved, old and new rectangles updated", "drag/huge/all/one_image", 2.0),
    ("JPEG write 1500 x 1000, quality 100", "jpeg/1500x1000/q100",
     "libjpeg alone on the same rows", "jpeg/1500x1000/q100/libjpeg", 1.1),
    ("picture export, whole big canvas to BMP bytes", "export/big/bmp",
     "QImage::save to BMP into a QBuffer", "export/big/bmp/qimage_save", 1.3),
    ("picture export, whole big canvas to JPEG, quality 100", "export/big/jpeg",
     "libjpeg alone on the same rows", "jpeg/1500x1000/q100/libjpeg", 1.1),
    ("SVG export, big", "export/big/svg",
     "same paths, texts and ready fill outlines through QPainter on QSvgGenerator", "export/big/svg/qsvggenerator", 2.0),
    ("PNG at 4 times, big", "export/big/png_x4",
     "recorded calls through a scaled QPainter, QImage::save", "export/big/png_x4/qpainter_qimage_save", 1.5),
    ("lasso picture, 1,000-point outline over 1500 x 1000", "export/lasso_1000",
     "white, QPainter::setClipPath and drawImage of the range", "export/lasso_1000/qpainter_clip", 1.5),
    ("picture editor snapshot, ten 2000 x 1500 picture strokes", "paint_snapshot/ten_pictures",
     "memcpy + memcmp of the snapshot's bytes", "paint_snapshot/ten_pictures/memcpy_memcmp", 4.0),
]

TO_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def run_name(b):
    name = b["run_name"]
    return name[: -len("/real_time")] if name.endswith("/real_time") else name


def medians(paths, key):
    """The median of each benchmark; a single run (no aggregates) stands for its own median."""
    found, single = {}, {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        for b in data["benchmarks"]:
            value = None if b.get("error_occurred") else b[key] * TO_NS[b["time_unit"]]
            if b.get("aggregate_name") == "median":
                found[run_name(b)] = value
            elif b.get("run_type", "iteration") == "iteration":
                single.setdefault(run_name(b), []).append(value)
    for name, values in single.items():
        if name not in found and len(values) == 1:
            found[name] = values[0]
    return found


def shown(ns):
    if ns is None:
        return "-"
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("json", nargs="+")
    parser.add_argument("--time", choices=["cpu", "real"], default="real",
                        help="which median to compare (default: wall-clock time, which also counts the work "
                             "Qt hands to its worker threads)")
    args = parser.parse_args()
    m = medians(args.json, "cpu_time" if args.time == "cpu" else "real_time")

    rows = [("case", "median", "twin (plainest public-API way)", "twin median", "ratio", "target", "")]
    missed = 0
    for case, name, twin, twin_name, target in PAIRS:
        a, b = m.get(name), m.get(twin_name)
        if a is None or b is None or b == 0:
            rows.append((case, shown(a), twin, shown(b), "-", f"≤ {target:g}×", "not run"))
            missed += 1
            continue
        ratio = a / b
        ok = ratio <= target
        missed += not ok
        rows.append((case, shown(a), twin, shown(b), f"{ratio:.2f}×", f"≤ {target:g}×", "ok" if ok else "MISS"))
    widths = [max(len(r[i]) for r in rows) for i in range(len(rows[0]))]
    line = lambda r: "| " + " | ".join(c.ljust(w) for c, w in zip(r, widths)) + " |"
    print(line(rows[0]))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for r in rows[1:]:
        print(line(r))
    print(f"\nmedians of {args.time} time; {len(PAIRS) - missed} of {len(PAIRS)} cases within their targets")


if __name__ == "__main__":
    main()
