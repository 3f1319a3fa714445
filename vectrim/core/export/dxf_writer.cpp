#include "export/dxf_writer.h"

#include "view/extents.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace vectrim {

std::string dxfNumber(double v) {
    if (v == 0) return "0"; // also -0
    const double m = std::fabs(v);
    const auto format =
        m >= kDxfPlainMin && m < kDxfPlainMax ? std::chars_format::fixed : std::chars_format::scientific;
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, format);
    return std::string(buf, r.ptr);
}

std::vector<ElementRef> writeOrder(const Drawing& d) {
    const int32_t n = d.elementCount();
    std::vector<ElementRef> order;
    order.reserve(static_cast<size_t>(n));
    std::vector<char> seen(static_cast<size_t>(n), 0);
    bool valid = true;
    for (int32_t k = 0; k < n && valid; ++k) {
        const ElementRef ref = d.order[k];
        if (!d.holds(ref)) {
            valid = false;
            break;
        }
        const size_t slot = static_cast<size_t>(d.denseIndex(ref));
        valid = !seen[slot];
        seen[slot] = 1;
        order.push_back(ref);
    }
    if (valid) return order;
    order.clear();
    for (int32_t i = 0; i < d.linecount; ++i) order.push_back(ElementRef::line(i));
    for (int32_t i = 0; i < d.arccount; ++i) order.push_back(ElementRef::arc(i));
    return order;
}

bool allFinite(const Drawing& d) {
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        if (!std::isfinite(l.x1) || !std::isfinite(l.y1) || !std::isfinite(l.x2) || !std::isfinite(l.y2))
            return false;
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Arc& a = d.arcs[i];
        if (!std::isfinite(a.cx) || !std::isfinite(a.cy) || !std::isfinite(a.r) || !std::isfinite(a.a1) ||
            !std::isfinite(a.a2))
            return false;
    }
    return true;
}

namespace {

// Group code and value pairs, CR LF after each line. A value that is not
// finite spoils the whole output.
class DxfOut {
public:
    explicit DxfOut(std::string& out) : out_(out) {}
    bool ok() const { return ok_; }

    void text(int code, std::string_view value) {
        codeLine(code);
        out_.append(value);
        out_ += "\r\n";
    }
    void number(int code, double v) {
        if (!std::isfinite(v)) ok_ = false;
        text(code, ok_ ? dxfNumber(v) : std::string("0"));
    }
    void integer(int code, long long v) { text(code, std::to_string(v)); }
    void handle(int code, uint32_t h) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%X", h);
        text(code, buf);
    }
    void point(int code, double x, double y) {
        number(code, x);
        number(code + 10, y);
    }
    void point3(int code, double x, double y, double z) {
        point(code, x, y);
        number(code + 20, z);
    }
    void headerVar(std::string_view name) { text(9, name); }
    void beginSection(std::string_view name) {
        text(0, "SECTION");
        text(2, name);
    }
    void endSection() { text(0, "ENDSEC"); }

private:
    void codeLine(int code) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%3d\r\n", code);
        out_ += buf;
    }
    std::string& out_;
    bool ok_ = true;
};

// The extents of the cut geometry (degenerate elements left out); all 0 for
// an empty drawing.
Box drawingBox(const Drawing& d) {
    Box b{0, 0, 0, 0};
    bool any = false;
    auto grow = [&](const Box& e) {
        if (!any) {
            b = e;
            any = true;
            return;
        }
        b.xmin = std::min(b.xmin, e.xmin);
        b.ymin = std::min(b.ymin, e.ymin);
        b.xmax = std::max(b.xmax, e.xmax);
        b.ymax = std::max(b.ymax, e.ymax);
    };
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        if (isDegenerate(l)) continue;
        grow({std::min(l.x1, l.x2), std::min(l.y1, l.y2), std::max(l.x1, l.x2), std::max(l.y1, l.y2)});
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Arc& a = d.arcs[i];
        if (isDegenerate(a)) continue;
        grow(arcbox(a.cx, a.cy, a.r, normalisedAngle(a.a1) * kDegToRad, normalisedAngle(a.a2) * kDegToRad)
                 .box);
    }
    return b;
}

void unitVars(DxfOut& o, DxfUnit unit) {
    o.headerVar("$INSUNITS");
    o.integer(70, unit == DxfUnit::Inch ? 1 : 4);
    o.headerVar("$MEASUREMENT");
    o.integer(70, unit == DxfUnit::Inch ? 0 : 1);
}

void extentVars(DxfOut& o, const Box& b) {
    o.headerVar("$INSBASE");
    o.point3(10, 0, 0, 0);
    o.headerVar("$EXTMIN");
    o.point3(10, b.xmin, b.ymin, 0);
    o.headerVar("$EXTMAX");
    o.point3(10, b.xmax, b.ymax, 0);
}

// ---- R12: LINE, ARC, CIRCLE ----

void r12Tables(DxfOut& o) {
    o.beginSection("TABLES");
    o.text(0, "TABLE");
    o.text(2, "LTYPE");
    o.integer(70, 1);
    o.text(0, "LTYPE");
    o.text(2, "CONTINUOUS");
    o.integer(70, 0);
    o.text(3, "Solid line");
    o.integer(72, 65);
    o.integer(73, 0);
    o.number(40, 0);
    o.text(0, "ENDTAB");
    o.text(0, "TABLE");
    o.text(2, "LAYER");
    o.integer(70, 1);
    o.text(0, "LAYER");
    o.text(2, "0");
    o.integer(70, 0);
    o.integer(62, 7);
    o.text(6, "CONTINUOUS");
    o.text(0, "ENDTAB");
    o.endSection();
}

} // namespace

bool dxfLinesArcs(const Drawing& d, DxfUnit unit, std::string& out, DxfContent& content) {
    content = {};
    out.clear();
    if (!allFinite(d)) return false;
    out.reserve(static_cast<size_t>(d.elementCount()) * 110 + 600);
    DxfOut o(out);
    o.beginSection("HEADER");
    o.headerVar("$ACADVER");
    o.text(1, "AC1009");
    extentVars(o, drawingBox(d));
    unitVars(o, unit);
    o.endSection();
    r12Tables(o);
    o.beginSection("BLOCKS");
    o.endSection();
    o.beginSection("ENTITIES");
    for (const ElementRef ref : writeOrder(d)) {
        if (ref.isLine()) {
            const Line& l = d.lines[ref.index()];
            if (isDegenerate(l)) {
                ++content.skipped;
                continue;
            }
            o.text(0, "LINE");
            o.text(8, "0");
            o.point(10, l.x1, l.y1);
            o.point(11, l.x2, l.y2);
        } else {
            const Arc& a = d.arcs[ref.index()];
            if (isDegenerate(a)) {
                ++content.skipped;
                continue;
            }
            const bool full = sweepDegrees(a) >= 360;
            o.text(0, full ? "CIRCLE" : "ARC");
            o.text(8, "0");
            o.point(10, a.cx, a.cy);
            o.number(40, a.r);
            if (!full) {
                o.number(50, normalisedAngle(a.a1));
                o.number(51, normalisedAngle(a.a2));
            }
        }
        ++content.entities;
    }
    o.endSection();
    o.text(0, "EOF");
    if (!o.ok()) out.clear();
    return o.ok();
}

// ---- R2000: LWPOLYLINE ----

namespace {

// Handles of the fixed structure; entities are numbered from kFirstEntity.
enum Handle : uint32_t {
    kBlockRecordTable = 0x1,
    kLayerTable = 0x2,
    kStyleTable = 0x3,
    kLtypeTable = 0x5,
    kViewTable = 0x6,
    kUcsTable = 0x7,
    kVportTable = 0x8,
    kAppidTable = 0x9,
    kDimstyleTable = 0xA,
    kRootDictionary = 0xC,
    kGroupDictionary = 0xD,
    kLayer0 = 0x10,
    kStyleStandard = 0x11,
    kAppidAcad = 0x12,
    kLtypeByBlock = 0x14,
    kLtypeByLayer = 0x15,
    kLtypeContinuous = 0x16,
    kPaperSpaceRecord = 0x1B,
    kPaperSpaceBlock = 0x1C,
    kPaperSpaceEnd = 0x1D,
    kModelSpaceRecord = 0x1F,
    kModelSpaceBlock = 0x20,
    kModelSpaceEnd = 0x21,
    kDimstyleStandard = 0x27,
    kVportActive = 0x29,
    kFirstEntity = 0x100,
};

void beginTable(DxfOut& o, std::string_view name, uint32_t handle, int entries) {
    o.text(0, "TABLE");
    o.text(2, name);
    o.handle(5, handle);
    o.handle(330, 0);
    o.text(100, "AcDbSymbolTable");
    o.integer(70, entries);
}

void beginRecord(DxfOut& o, std::string_view type, uint32_t handle, uint32_t table, std::string_view subclass,
                 std::string_view name) {
    o.text(0, type);
    o.handle(type == "DIMSTYLE" ? 105 : 5, handle);
    o.handle(330, table);
    o.text(100, "AcDbSymbolTableRecord");
    o.text(100, subclass);
    o.text(2, name);
    o.integer(70, 0);
}

void ltype(DxfOut& o, uint32_t handle, std::string_view name, std::string_view description) {
    beginRecord(o, "LTYPE", handle, kLtypeTable, "AcDbLinetypeTableRecord", name);
    o.text(3, description);
    o.integer(72, 65);
    o.integer(73, 0);
    o.number(40, 0);
}

void r2000Tables(DxfOut& o, const Box& b) {
    o.beginSection("TABLES");

    beginTable(o, "VPORT", kVportTable, 1);
    beginRecord(o, "VPORT", kVportActive, kVportTable, "AcDbViewportTableRecord", "*ACTIVE");
    o.point(10, 0, 0);
    o.point(11, 1, 1);
    // The first view shows the whole drawing.
    const double w = b.xmax - b.xmin, h = b.ymax - b.ymin;
    o.point(12, b.xmin + w / 2, b.ymin + h / 2);
    o.number(40, std::max({h, w * 0.75, 1.0}) * 1.1);
    o.number(41, 4.0 / 3.0);
    o.text(0, "ENDTAB");

    beginTable(o, "LTYPE", kLtypeTable, 3);
    ltype(o, kLtypeByBlock, "ByBlock", "");
    ltype(o, kLtypeByLayer, "ByLayer", "");
    ltype(o, kLtypeContinuous, "Continuous", "Solid line");
    o.text(0, "ENDTAB");

    beginTable(o, "LAYER", kLayerTable, 1);
    beginRecord(o, "LAYER", kLayer0, kLayerTable, "AcDbLayerTableRecord", "0");
    o.integer(62, 7);
    o.text(6, "Continuous");
    o.text(0, "ENDTAB");

    beginTable(o, "STYLE", kStyleTable, 1);
    beginRecord(o, "STYLE", kStyleStandard, kStyleTable, "AcDbTextStyleTableRecord", "Standard");
    o.number(40, 0);
    o.number(41, 1);
    o.number(50, 0);
    o.integer(71, 0);
    o.number(42, 2.5);
    o.text(3, "txt");
    o.text(4, "");
    o.text(0, "ENDTAB");

    beginTable(o, "VIEW", kViewTable, 0);
    o.text(0, "ENDTAB");
    beginTable(o, "UCS", kUcsTable, 0);
    o.text(0, "ENDTAB");

    beginTable(o, "APPID", kAppidTable, 1);
    beginRecord(o, "APPID", kAppidAcad, kAppidTable, "AcDbRegAppTableRecord", "ACAD");
    o.text(0, "ENDTAB");

    beginTable(o, "DIMSTYLE", kDimstyleTable, 1);
    o.text(100, "AcDbDimStyleTable");
    beginRecord(o, "DIMSTYLE", kDimstyleStandard, kDimstyleTable, "AcDbDimStyleTableRecord", "Standard");
    o.text(0, "ENDTAB");

    beginTable(o, "BLOCK_RECORD", kBlockRecordTable, 2);
    beginRecord(o, "BLOCK_RECORD", kModelSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord",
                "*Model_Space");
    beginRecord(o, "BLOCK_RECORD", kPaperSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord",
                "*Paper_Space");
    o.text(0, "ENDTAB");

    o.endSection();
}

void block(DxfOut& o, std::string_view name, uint32_t begin, uint32_t end, uint32_t record, bool paper) {
    o.text(0, "BLOCK");
    o.handle(5, begin);
    o.handle(330, record);
    o.text(100, "AcDbEntity");
    if (paper) o.integer(67, 1);
    o.text(8, "0");
    o.text(100, "AcDbBlockBegin");
    o.text(2, name);
    o.integer(70, 0);
    o.point3(10, 0, 0, 0);
    o.text(3, name);
    o.text(1, "");
    o.text(0, "ENDBLK");
    o.handle(5, end);
    o.handle(330, record);
    o.text(100, "AcDbEntity");
    if (paper) o.integer(67, 1);
    o.text(8, "0");
    o.text(100, "AcDbBlockEnd");
}

void r2000Objects(DxfOut& o) {
    o.beginSection("OBJECTS");
    o.text(0, "DICTIONARY");
    o.handle(5, kRootDictionary);
    o.handle(330, 0);
    o.text(100, "AcDbDictionary");
    o.integer(281, 1);
    o.text(3, "ACAD_GROUP");
    o.handle(350, kGroupDictionary);
    o.text(0, "DICTIONARY");
    o.handle(5, kGroupDictionary);
    o.handle(330, kRootDictionary);
    o.text(100, "AcDbDictionary");
    o.integer(281, 1);
    o.endSection();
}

} // namespace

bool dxfPolylines(const Drawing& d, const Polylines& p, DxfUnit unit, std::string& out, DxfContent& content) {
    content = {};
    content.skipped = p.skipped;
    out.clear();
    out.reserve(p.vertices.size() * 60 + p.runs.size() * 120 + 6000);
    const uint32_t seed = kFirstEntity + static_cast<uint32_t>(p.runs.size());
    const Box box = drawingBox(d);
    DxfOut o(out);

    o.beginSection("HEADER");
    o.headerVar("$ACADVER");
    o.text(1, "AC1015");
    o.headerVar("$DWGCODEPAGE");
    o.text(3, "ANSI_1252");
    extentVars(o, box);
    unitVars(o, unit);
    o.headerVar("$HANDSEED");
    o.handle(5, seed);
    o.endSection();

    o.beginSection("CLASSES");
    o.endSection();
    r2000Tables(o, box);

    o.beginSection("BLOCKS");
    block(o, "*Model_Space", kModelSpaceBlock, kModelSpaceEnd, kModelSpaceRecord, false);
    block(o, "*Paper_Space", kPaperSpaceBlock, kPaperSpaceEnd, kPaperSpaceRecord, true);
    o.endSection();

    o.beginSection("ENTITIES");
    uint32_t handle = kFirstEntity;
    for (const PolyRun& run : p.runs) {
        o.text(0, "LWPOLYLINE");
        o.handle(5, handle++);
        o.handle(330, kModelSpaceRecord);
        o.text(100, "AcDbEntity");
        o.text(8, "0");
        o.text(100, "AcDbPolyline");
        o.integer(90, run.count);
        o.integer(70, run.closed ? 1 : 0);
        for (int32_t k = run.first; k < run.first + run.count; ++k) {
            const PolyVertex& v = p.vertices[static_cast<size_t>(k)];
            o.point(10, v.x, v.y);
            if (v.bulge != 0) o.number(42, v.bulge);
        }
        ++content.entities;
    }
    o.endSection();

    r2000Objects(o);
    o.text(0, "EOF");
    if (!o.ok()) out.clear();
    return o.ok();
}

} // namespace vectrim
