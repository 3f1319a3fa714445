"""The files the build puts into the program folder beside the programs: the
demo drawings in millimetres and in inches and the results of a default
processing run on four of them (read with ezdxf, an independent DXF
reader), the default profiles and the manuals info.pdf and info-e.pdf.
Usage: check_program_folder.py <program folder>"""
import math
import os
import subprocess
import sys
from collections import Counter

SKIP = 77
folder = sys.argv[1]
failures = []


def check(condition, text):
    if not condition:
        failures.append(text)


try:
    import ezdxf
    from ezdxf import bbox
except ImportError:
    print("ezdxf is not installed")
    sys.exit(SKIP)

NAMES = ["flower", "dragon", "deer", "ornament", "cloverleaf", "curve1", "double", "text", "woman",
         "youngwoman", "horse"]
CONVERTED = ["curve1", "dragon", "flower", "text"]
ALLOWED = {"LINE", "ARC", "CIRCLE", "LWPOLYLINE"}


def read(name):
    path = os.path.join(folder, name)
    data = open(path, "rb").read()
    check(all(b < 128 for b in data), f"{name}: not plain ASCII")
    doc = ezdxf.readfile(path)
    check(not doc.audit().has_errors, f"{name}: ezdxf audit reports errors")
    types = Counter(e.dxftype() for e in doc.modelspace())
    check(set(types) <= ALLOWED, f"{name}: unexpected entities {set(types) - ALLOWED}")
    return doc


def size(doc):
    box = bbox.extents(doc.modelspace())
    return box.size.x, box.size.y


def vertices(e):
    if e.dxftype() == "LINE":
        return [(e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y)]
    if e.dxftype() == "LWPOLYLINE":
        return [(x, y) for x, y in e.get_points("xy")]
    return []


def gaps(entities):
    """For each end of a line or open polyline that no other end meets, the
    distance to the nearest vertex of another entity."""
    count = Counter()
    for e in entities:
        if e.dxftype() == "LINE" or (e.dxftype() == "LWPOLYLINE" and not e.closed):
            v = vertices(e)
            for p in (v[0], v[-1]):
                count[(round(p[0], 5), round(p[1], 5))] += 1
    out = []
    for i, e in enumerate(entities):
        if e.dxftype() == "LINE" or (e.dxftype() == "LWPOLYLINE" and not e.closed):
            v = vertices(e)
            for p in (v[0], v[-1]):
                if count[(round(p[0], 5), round(p[1], 5))] == 1:
                    out.append(min(math.dist(p, q) for j, o in enumerate(entities) if j != i for q in vertices(o)))
    return out


def doubled(entities):
    seen = Counter()
    for e in entities:
        if e.dxftype() == "LINE":
            a = (round(e.dxf.start.x, 6), round(e.dxf.start.y, 6))
            b = (round(e.dxf.end.x, 6), round(e.dxf.end.y, 6))
            seen[tuple(sorted((a, b)))] += 1
    return sum(1 for n in seen.values() if n > 1)


drawings = {}
for name in NAMES:
    mm, inch = read(name + ".dxf"), read("i" + name + ".dxf")
    drawings[name] = list(mm.modelspace())
    check(mm.header.get("$INSUNITS") == 4 and mm.header.get("$MEASUREMENT") == 1, f"{name}.dxf: not in mm")
    check(inch.header.get("$INSUNITS") == 1 and inch.header.get("$MEASUREMENT") == 0, f"i{name}.dxf: not in inch")
    check(len(mm.modelspace()) == len(inch.modelspace()), f"i{name}.dxf: not the same entities as {name}.dxf")
    (w, h), (wi, hi) = size(mm), size(inch)
    check(abs(wi * 25.4 - w) < 1e-4 and abs(hi * 25.4 - h) < 1e-4, f"i{name}.dxf: not {name}.dxf in inches")
    check(40 < max(w, h) < 300, f"{name}.dxf: {w:.1f} x {h:.1f} mm is no size for a demo")

flower = drawings["flower"]
lengths = [math.dist(e.dxf.start, e.dxf.end) for e in flower]
check(len(flower) >= 1000, "the flower should consist of many lines")
check(sorted(lengths)[len(lengths) // 2] < 1, "the flower's lines should be short")

part = drawings["double"]
lines = [e for e in part if e.dxftype() == "LINE"]
circles = [((e.dxf.center.x, e.dxf.center.y), e.dxf.radius) for e in part if e.dxftype() == "CIRCLE"]
check(doubled(lines) >= 3, "the part should hold lines drawn twice")
check(len(circles) != len(set(circles)), "the part should hold a circle drawn twice")
check(any(math.dist(e.dxf.start, e.dxf.end) < 0.1 for e in lines), "the part should hold an element below 0.1")
check(any(e.dxftype() == "LWPOLYLINE" and e.closed for e in part), "the part should hold a polyline")

lettering = drawings["text"]
check(len(lettering) >= 10 and all(e.closed for e in lettering), "lettering as closed outlines")
check(sum(len(e) for e in lettering) >= 500, "the outlines should be finely divided")

# The figures: polygonised into short pieces, with small gaps and lines drawn twice.
for name in ("dragon", "deer", "horse", "woman"):
    entities = drawings[name]
    pieces = sum(len(e) - 1 if e.dxftype() == "LWPOLYLINE" else 1 for e in entities if e.dxftype() != "CIRCLE")
    check(pieces >= 500, f"{name}: should be polygonised into many short pieces")
    widths = gaps(entities)
    check(sum(1 for g in widths if g > 1e-6) >= 2, f"{name}: should have small gaps")
    check(all(g < 0.5 for g in widths), f"{name}: the gaps should be small: {max(widths):.3f}")
for name in ("deer", "horse", "woman"):
    check(doubled(drawings[name]) >= 3, f"{name}: should hold lines drawn twice")
check(all(e.dxftype() == "ARC" for e in drawings["ornament"] if e.dxftype() not in ("LINE", "CIRCLE", "LWPOLYLINE")),
      "the ornament's arcs")
check(any(e.dxftype() == "LWPOLYLINE" and e.has_arc for e in drawings["cloverleaf"]), "the clover's arcs")

# The results of a default processing run: lines and arcs only, fewer
# elements, the size and the unit of the drawing they come from.
for name in CONVERTED:
    for prefix in ("", "i"):
        source = read(prefix + name + ".dxf")
        result = read(prefix + name + "converts.dxf")
        types = Counter(e.dxftype() for e in result.modelspace())
        check(set(types) <= {"LINE", "ARC", "CIRCLE"} and types["ARC"] + types["CIRCLE"] > 0,
              f"{prefix}{name}converts.dxf: should be lines and arcs, is {dict(types)}")
        flat = sum(len(e) if e.dxftype() == "LWPOLYLINE" else 1 for e in source.modelspace())
        check(sum(types.values()) < flat / 4, f"{prefix}{name}converts.dxf: hardly reduced")
        (w, h), (wr, hr) = size(source), size(result)
        unit = 1 / 25.4 if prefix else 1.0
        check(abs(w - wr) < unit and abs(h - hr) < unit, f"{prefix}{name}converts.dxf: another size")
        check(result.header.get("$INSUNITS") == source.header.get("$INSUNITS"),
              f"{prefix}{name}converts.dxf: another unit")

# The default profiles: the ten lines of the working file, CR LF.
profiles = {}
for name in ("default.pro", "defaulti.pro"):
    data = open(os.path.join(folder, name), "rb").read()
    lines = data.split(b"\r\n")
    check(len(lines) == 11 and lines[-1] == b"" and b"\n" not in data.replace(b"\r\n", b""),
          f"{name}: not ten CR LF lines")
    check(lines[:3] == [b" 0", b"-1", b" 0"] and lines[6:8] == [b"30", b"1"], f"{name}: not a profile")
    profiles[name] = [float(v) for v in lines[3:6]]
check(profiles["default.pro"] == [0.3, 0.2, 0.2], "default.pro: not the tolerances the main window starts with")
check(all(abs(i * 25.4 - m) / m < 0.05 for i, m in zip(profiles["defaulti.pro"], profiles["default.pro"])),
      "defaulti.pro: not the millimetre tolerances in inches")

# The manuals.
for name, words in (("info.pdf", ("Handbuch", "Toleranzen", "Lücken schließen", "Kontrollen", "Drucken",
                                  "vectrim-cli", "DXF speichern", "load 43", "defaulti.pro")),
                    ("info-e.pdf", ("Manual", "tolerances", "Close gaps", "The checks", "Printing", "vectrim-cli",
                                    "Save DXF", "load 43", "defaulti.pro"))):
    manual = os.path.join(folder, name)
    check(open(manual, "rb").read(5) == b"%PDF-", f"{name} is no PDF")
    try:
        text = subprocess.run(["pdftotext", manual, "-"], capture_output=True, check=True).stdout.decode()
        text = " ".join(text.split())
        for word in words:
            check(word in text, f"{name} does not mention {word}")
    except FileNotFoundError:
        pass

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
