#!/usr/bin/python3
"""Turns a DXF file into an entity exchange file (tempd.dat layout) with
ezdxf, for the smoothing survey: lines and arcs as they are, polylines and
block references exploded, ellipses and splines flattened into lines.

    dxf_to_exchange.py input.dxf output.dat

Prints how many lines and arcs were written and how many entities of other
kinds were left out.
"""
import math
import sys
from collections import Counter

import ezdxf
from ezdxf import recover


def number(v):
    return repr(float(v))


class Out:
    def __init__(self):
        self.records = []
        self.lines = 0
        self.arcs = 0

    def line(self, a, b):
        if math.hypot(b[0] - a[0], b[1] - a[1]) <= 0.00001:
            return
        self.records += ["1", number(a[0]), number(a[1]), number(b[0]), number(b[1])]
        self.lines += 1

    def arc(self, cx, cy, r, start, end):
        if not (r > 0):
            return
        start %= 360.0
        end %= 360.0
        if abs(end - start) < 1e-12:
            start, end = 0.0, 360.0
        self.records += ["2", number(cx), number(cy), number(r), number(start), number(end)]
        self.arcs += 1


def walk(entities, out, skipped, depth=0):
    for e in entities:
        kind = e.dxftype()
        try:
            if kind == "LINE":
                out.line(e.dxf.start, e.dxf.end)
            elif kind in ("ARC", "CIRCLE"):
                c = e.dxf.center
                start = e.dxf.start_angle if kind == "ARC" else 0.0
                end = e.dxf.end_angle if kind == "ARC" else 360.0
                if e.dxf.extrusion.z < 0:  # mirrored object coordinate system
                    c = (-c[0], c[1])
                    start, end = 180.0 - end, 180.0 - start
                out.arc(c[0], c[1], e.dxf.radius, start, end)
            elif kind in ("LWPOLYLINE", "POLYLINE") or (kind == "INSERT" and depth < 8):
                walk(e.virtual_entities(), out, skipped, depth + 1)
            elif kind in ("ELLIPSE", "SPLINE"):
                points = [(p[0], p[1]) for p in e.flattening(0.01)]
                for a, b in zip(points, points[1:]):
                    out.line(a, b)
            else:
                skipped[kind] += 1
        except Exception:  # an entity that ezdxf cannot explode
            skipped[kind] += 1


def main():
    source, target = sys.argv[1], sys.argv[2]
    try:
        doc = ezdxf.readfile(source)
    except Exception:
        doc, _ = recover.readfile(source)
    out = Out()
    skipped = Counter()
    walk(doc.modelspace(), out, skipped)
    with open(target, "w", newline="") as f:
        f.write("\r\n".join(out.records + ["e"]) + "\r\n")
    left = ", ".join(f"{n} {k}" for k, n in sorted(skipped.items()))
    print(f"{out.lines} lines, {out.arcs} arcs" + (f"; left out: {left}" if left else ""))


if __name__ == "__main__":
    main()
