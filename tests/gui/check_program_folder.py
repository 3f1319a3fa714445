"""The files the build puts into the program folder beside the programs:
the demo drawings (read with ezdxf, an independent DXF reader) and the
manual info.pdf. Usage: check_program_folder.py <program folder>"""
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
except ImportError:
    print("ezdxf is not installed")
    sys.exit(SKIP)

ALLOWED = {"LINE", "ARC", "CIRCLE", "LWPOLYLINE"}
drawings = {}
for name in ("demo-blume.dxf", "demo-teil.dxf", "demo-schrift.dxf"):
    path = os.path.join(folder, name)
    data = open(path, "rb").read()
    check(all(b < 128 for b in data), f"{name}: not plain ASCII")
    doc = ezdxf.readfile(path)
    check(not doc.audit().has_errors, f"{name}: ezdxf audit reports errors")
    types = Counter(e.dxftype() for e in doc.modelspace())
    check(set(types) <= ALLOWED, f"{name}: unexpected entities {set(types) - ALLOWED}")
    drawings[name] = list(doc.modelspace())

flower = drawings["demo-blume.dxf"]
lengths = [math.dist((e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y)) for e in flower]
check(len(flower) >= 1000, "the flower should consist of many lines")
check(sorted(lengths)[len(lengths) // 2] < 1, "the flower's lines should be short")

part = drawings["demo-teil.dxf"]
lines = [(tuple((e.dxf.start.x, e.dxf.start.y)), tuple((e.dxf.end.x, e.dxf.end.y))) for e in part if e.dxftype() == "LINE"]
circles = [((e.dxf.center.x, e.dxf.center.y), e.dxf.radius) for e in part if e.dxftype() == "CIRCLE"]
check(len(lines) != len(set(lines)), "the part should hold a line drawn twice")
check(len(circles) != len(set(circles)), "the part should hold a circle drawn twice")
check(any(math.dist(a, b) < 0.1 for a, b in lines), "the part should hold an element below 0.1")
check(any(e.dxftype() == "LWPOLYLINE" and e.closed for e in part), "the part should hold a polyline")

lettering = drawings["demo-schrift.dxf"]
check(len(lettering) >= 10 and all(e.closed for e in lettering), "lettering as closed outlines")
check(sum(len(e) for e in lettering) >= 500, "the outlines should be finely divided")

manual = os.path.join(folder, "info.pdf")
check(open(manual, "rb").read(5) == b"%PDF-", "info.pdf is no PDF")
try:
    text = subprocess.run(["pdftotext", manual, "-"], capture_output=True, check=True).stdout.decode()
    for word in ("Handbuch", "Toleranzen", "Lücken schließen", "Kontrollen", "Drucken", "vectrim-cli"):
        check(word in text, f"the manual does not mention {word}")
except FileNotFoundError:
    pass

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
