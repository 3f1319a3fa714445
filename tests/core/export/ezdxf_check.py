"""Reads DXF files with ezdxf, strictly, and lists what it found in each.

Strict: decoding errors raise, every warning ezdxf logs while loading counts,
and the audit must find nothing to fix. Output, one record per line, numbers
in Python's shortest round-trip form, for each file given:

    file PATH
    unreadable REASON     (when the file cannot be read; nothing else follows)
    version AC1009
    insunits 4            (or: insunits none)
    measurement 1
    warnings N            (log records of level WARNING or above while loading)
    errors N              (audit errors)
    fixes N               (audit fixes)
    LINE x1 y1 x2 y2
    ARC cx cy r a1 a2
    CIRCLE cx cy r
    LWPOLYLINE closed n   followed by n lines: V x y bulge
    OTHER type

Exit code 77 when ezdxf is not installed.
"""
import logging
import sys

try:
    import ezdxf
except ImportError:
    print("python3-ezdxf is not installed", file=sys.stderr)
    sys.exit(77)


class Count(logging.Handler):
    def __init__(self):
        super().__init__(logging.WARNING)
        self.records = []

    def emit(self, record):
        self.records.append(record.getMessage())


def check(path):
    count = Count()
    logger = logging.getLogger("ezdxf")
    logger.addHandler(count)
    try:
        doc = ezdxf.readfile(path, errors="strict")
    except Exception as e:  # noqa: BLE001 - any failure is a failed read
        return [f"file {path}", f"unreadable {type(e).__name__}: {e}".replace("\n", " ")]
    finally:
        logger.removeHandler(count)
    out = [f"file {path}"]
    for message in count.records:
        out.append(f"# warning: {message}")
    auditor = doc.audit()
    for e in auditor.errors:
        out.append(f"# audit error: {e.message}")
    for f in auditor.fixes:
        out.append(f"# audit fix: {f.message}")
    out.append(f"version {doc.dxfversion}")
    hdr = doc.header
    out.append(f"insunits {hdr['$INSUNITS'] if '$INSUNITS' in hdr else 'none'}")
    out.append(f"measurement {hdr['$MEASUREMENT'] if '$MEASUREMENT' in hdr else 'none'}")
    out.append(f"warnings {len(count.records)}")
    out.append(f"errors {len(auditor.errors)}")
    out.append(f"fixes {len(auditor.fixes)}")
    for e in doc.modelspace():
        t = e.dxftype()
        d = e.dxf
        if t == "LINE":
            out.append(f"LINE {d.start.x!r} {d.start.y!r} {d.end.x!r} {d.end.y!r}")
        elif t == "ARC":
            out.append(f"ARC {d.center.x!r} {d.center.y!r} {d.radius!r} {d.start_angle!r} {d.end_angle!r}")
        elif t == "CIRCLE":
            out.append(f"CIRCLE {d.center.x!r} {d.center.y!r} {d.radius!r}")
        elif t == "LWPOLYLINE":
            points = e.get_points("xyb")
            out.append(f"LWPOLYLINE {1 if e.closed else 0} {len(points)}")
            for x, y, b in points:
                out.append(f"V {x!r} {y!r} {b!r}")
        else:
            out.append(f"OTHER {t}")
    return out


if __name__ == "__main__":
    for name in sys.argv[1:]:
        print("\n".join(check(name)))
