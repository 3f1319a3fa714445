"""DXF fixtures made by ezdxf, an independent DXF library, with the geometry
that ezdxf itself derives from them: make_fixtures.py OUTDIR writes
NAME.dxf and NAME.expected for every fixture.

Expected records, one a line (world coordinates, projected onto XY):
  L x1 y1 x2 y2                 a line
  A cx cy r a1 a2               a circular arc, counter-clockwise, degrees
                                (a full circle 0 360)
  E cx cy px py qx qy t0 t1     an elliptical arc c + p cos t + q sin t
  S x y x y ...                 a curve, densely sampled
  F x y                         a point the drawing passes through
"""
import math
import os
import sys

import ezdxf
from ezdxf.math import OCS, Vec3

OUT = sys.argv[1]


def fmt(*values):
    return " ".join(repr(float(v)) for v in values)


def arc_record(center, radius, start, end, extrusion):
    """An ARC or CIRCLE of an OCS, as a record in world coordinates."""
    ex = Vec3(extrusion)
    full = end is None
    if abs(ex.x) < 1e-12 and abs(ex.y) < 1e-12:
        c = OCS(ex).to_wcs(Vec3(center))
        if full:
            return "A " + fmt(c.x, c.y, radius, 0, 360)
        if ex.z < 0:  # x mirrored: the angles turn round
            start, end = 180 - end, 180 - start
        return "A " + fmt(c.x, c.y, radius, start % 360, end % 360)
    # A tilted plane: the projection is an ellipse.
    ocs = OCS(ex)
    c = ocs.to_wcs(Vec3(center))
    p = ocs.to_wcs(Vec3(radius, 0, 0)) - ocs.to_wcs(Vec3(0, 0, 0))
    q = ocs.to_wcs(Vec3(0, radius, 0)) - ocs.to_wcs(Vec3(0, 0, 0))
    if full:
        t0, t1 = 0.0, 2 * math.pi
    else:
        t0 = math.radians(start)
        t1 = math.radians(end)
        while t1 <= t0:
            t1 += 2 * math.pi
    return "E " + fmt(c.x, c.y, p.x, p.y, q.x, q.y, t0, t1)


def ellipse_record(e):
    c = Vec3(e.dxf.center)
    major = Vec3(e.dxf.major_axis)
    minor = Vec3(e.dxf.extrusion).normalize().cross(major) * e.dxf.ratio
    t0, t1 = e.dxf.start_param, e.dxf.end_param
    while t1 <= t0:
        t1 += 2 * math.pi
    return "E " + fmt(c.x, c.y, major.x, major.y, minor.x, minor.y, t0, t1)


def primitives(entity, depth=0):
    """ezdxf's own decomposition into lines, arcs, circles and ellipses."""
    kind = entity.dxftype()
    if kind == "INSERT":
        inserts = list(entity.multi_insert()) if entity.mcount > 1 else [entity]
        for ins in inserts:
            for part in ins.virtual_entities():
                yield from primitives(part, depth + 1)
    elif kind in ("LWPOLYLINE", "POLYLINE"):
        for part in entity.virtual_entities():
            yield from primitives(part, depth + 1)
    else:
        yield entity


def records(entity):
    kind = entity.dxftype()
    if kind == "LINE":
        s, e = entity.dxf.start, entity.dxf.end
        return ["L " + fmt(s.x, s.y, e.x, e.y)]
    if kind == "ARC":
        return [arc_record(entity.dxf.center, entity.dxf.radius, entity.dxf.start_angle,
                           entity.dxf.end_angle, entity.dxf.extrusion)]
    if kind == "CIRCLE":
        return [arc_record(entity.dxf.center, entity.dxf.radius, 0, None, entity.dxf.extrusion)]
    if kind == "ELLIPSE":
        if abs(entity.dxf.ratio - 1) < 1e-12:
            raise SystemExit("fixtures keep ellipses elliptical")
        return [ellipse_record(entity)]
    if kind == "SPLINE":
        tool = entity.construction_tool()
        n = 5000
        pts = [tool.point(tool.max_t * i / n) for i in range(n + 1)]
        out = ["S " + " ".join(fmt(p.x, p.y) for p in pts)]
        for fp in entity.fit_points:
            out.append("F " + fmt(fp[0], fp[1]))
        return out
    raise SystemExit("unexpected " + kind)


def save(doc, name):
    doc.saveas(os.path.join(OUT, name + ".dxf"))
    with open(os.path.join(OUT, name + ".expected"), "w") as f:
        for entity in doc.modelspace():
            for part in primitives(entity):
                for r in records(part):
                    f.write(r + "\n")


def block_parts(block):
    block.add_line((1, 0), (3, 1))
    block.add_arc((1, 0), 2, 10, 120)
    block.add_circle((4, 4), 0.5)
    block.add_lwpolyline([(0, 0, 0, 0, 0.5), (2, 0, 0, 0, -1), (2, 2)], format="xyseb")


def inserts():
    doc = ezdxf.new("R2010")
    b = doc.blocks.new("B", base_point=(1, 1))
    block_parts(b)
    n = doc.blocks.new("N")
    n.add_blockref("B", (5, 0), dxfattribs={"rotation": 30})
    n.add_blockref("B", (0, 5), dxfattribs={"xscale": -1, "rotation": 200})
    n.add_line((0, 0), (1, 1))
    msp = doc.modelspace()
    msp.add_blockref("B", (10, 20))
    msp.add_blockref("B", (30, 20), dxfattribs={"rotation": 37.5, "xscale": 2, "yscale": 2})
    msp.add_blockref("B", (50, 20), dxfattribs={"xscale": -1.5, "yscale": 1.5, "rotation": 10})
    msp.add_blockref("B", (70, 20), dxfattribs={"xscale": 1, "yscale": -1})
    msp.add_blockref("N", (0, 60), dxfattribs={"rotation": 45, "xscale": 0.5, "yscale": 0.5})
    msp.add_blockref("N", (40, 60), dxfattribs={"xscale": -1, "yscale": -1, "rotation": 90})
    m = msp.add_blockref("B", (0, 100), dxfattribs={"rotation": 15})
    m.grid(size=(2, 3), spacing=(7, 9))
    msp.add_blockref("B", (100, 0), dxfattribs={"extrusion": (0, 0, -1), "rotation": 20})
    save(doc, "inserts")


def nonuniform():
    doc = ezdxf.new("R2010")
    b = doc.blocks.new("C")
    b.add_circle((0, 0), 2)
    b.add_arc((1, 1), 3, 20, 160)
    b.add_line((0, 0), (5, 5))
    msp = doc.modelspace()
    msp.add_blockref("C", (0, 0), dxfattribs={"xscale": 3, "yscale": 1})
    msp.add_blockref("C", (40, 0), dxfattribs={"xscale": 1, "yscale": 2.5, "rotation": 30})
    msp.add_blockref("C", (80, 0), dxfattribs={"xscale": -2, "yscale": 0.5, "rotation": -45})
    save(doc, "nonuniform")


def ocs_entities():
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    msp.add_arc((10, 5), 3, 30, 100, dxfattribs={"extrusion": (0, 0, -1)})
    msp.add_circle((10, 5), 2, dxfattribs={"extrusion": (0, 0, -1)})
    msp.add_arc((0, 0), 4, 0, 270, dxfattribs={"extrusion": (0.3, 0.4, math.sqrt(0.75))})
    msp.add_circle((1, 2), 5, dxfattribs={"extrusion": (0.6, 0, 0.8)})
    msp.add_lwpolyline([(0, 0, 0, 0, 0.4), (5, 0, 0, 0, 0), (5, 5)], format="xyseb",
                       dxfattribs={"extrusion": (0, 0, -1), "elevation": 2})
    save(doc, "ocs")


def ellipses():
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    msp.add_ellipse((0, 0), (10, 0), 0.5)
    msp.add_ellipse((30, 0), (3, 4), 0.3, 0.5, 4.0)
    msp.add_ellipse((60, 0), (0, 8), 0.25, 5.5, 1.0)  # through the parameter 0
    e = msp.add_ellipse((90, 0), (6, 0), 0.6, 0, 3)
    e.dxf.extrusion = (0, 0, -1)
    save(doc, "ellipses")


def splines():
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    msp.add_open_spline([(0, 0), (10, 10), (20, -5), (30, 10), (40, 0)], degree=3)
    msp.add_open_spline([(0, 20), (10, 40), (20, 20)], degree=2)
    msp.add_rational_spline([(50, 0), (60, 10), (70, 0), (80, 10)], [1, 3, 0.5, 1], degree=3)
    # a closed periodic cubic: the first three control points repeat
    pts = [(100 + 10 * math.cos(a), 10 * math.sin(a)) for a in
           [i * 2 * math.pi / 6 for i in range(6)]]
    pts = pts + pts[:3]
    n = len(pts)
    s = msp.add_spline(dxfattribs={"degree": 3})
    s.control_points = pts
    s.knots = list(range(n + 4))
    s.closed = False
    save(doc, "splines")


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    inserts()
    nonuniform()
    ocs_entities()
    ellipses()
    splines()
