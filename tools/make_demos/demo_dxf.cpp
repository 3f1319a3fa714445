#include "demo_dxf.h"

#include <cmath>
#include <cstdio>

namespace demos {

namespace {

class Out {
public:
    explicit Out(int digits) : digits_(digits) {}
    void code(int c, const std::string& v) { text += std::to_string(c) + "\n" + v + "\n"; }
    void real(int c, double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*f", digits_, v);
        std::string s(buf);
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
        if (s == "-0") s = "0";
        code(c, s);
    }
    void point(int c, double x, double y) {
        real(c, x);
        real(c + 10, y);
        real(c + 20, 0);
    }
    std::string text;

private:
    int digits_;
};

} // namespace

void DemoDxf::line(Point a, Point b, const char* layer) {
    entities_.push_back({"LINE", layer, {a.first, a.second, b.first, b.second}, {}});
}

void DemoDxf::arc(Point centre, double r, double a1, double a2, const char* layer) {
    entities_.push_back({"ARC", layer, {centre.first, centre.second, r}, {a1, a2}});
}

void DemoDxf::circle(Point centre, double r, const char* layer) {
    entities_.push_back({"CIRCLE", layer, {centre.first, centre.second, r}, {}});
}

void DemoDxf::polyline(const Points& pts, bool closed, const char* layer, const std::vector<double>& bulges) {
    Entity e{"LWPOLYLINE", layer, {}, bulges, closed};
    for (const auto& [x, y] : pts) {
        e.lengths.push_back(x);
        e.lengths.push_back(y);
    }
    if (!e.others.empty()) e.others.resize(pts.size(), 0.0);
    entities_.push_back(std::move(e));
}

void DemoDxf::lines(const Points& pts, const char* layer) {
    for (size_t i = 1; i < pts.size(); ++i) line(pts[i - 1], pts[i], layer);
}

bool DemoDxf::write(const std::string& path, Unit unit) const {
    const bool inch = unit == Unit::Inch;
    const double s = inch ? 1 / 25.4 : 1.0;
    Out o(inch ? 8 : 6);
    o.code(999, "Vectrim demo drawing");
    o.code(0, "SECTION");
    o.code(2, "HEADER");
    o.code(9, "$ACADVER");
    o.code(1, "AC1015");
    o.code(9, "$INSUNITS");
    o.code(70, inch ? "1" : "4");
    o.code(9, "$MEASUREMENT");
    o.code(70, inch ? "0" : "1");
    o.code(0, "ENDSEC");
    o.code(0, "SECTION");
    o.code(2, "ENTITIES");
    for (const Entity& e : entities_) {
        o.code(0, e.type);
        o.code(100, "AcDbEntity");
        o.code(8, e.layer);
        const std::vector<double>& v = e.lengths;
        if (e.type == "LINE") {
            o.code(100, "AcDbLine");
            o.point(10, v[0] * s, v[1] * s);
            o.point(11, v[2] * s, v[3] * s);
        } else if (e.type == "ARC" || e.type == "CIRCLE") {
            o.code(100, "AcDbCircle");
            o.point(10, v[0] * s, v[1] * s);
            o.real(40, v[2] * s);
            if (e.type == "ARC") {
                o.code(100, "AcDbArc");
                o.real(50, e.others[0]);
                o.real(51, e.others[1]);
            }
        } else {
            o.code(100, "AcDbPolyline");
            o.code(90, std::to_string(v.size() / 2));
            o.code(70, e.closed ? "1" : "0");
            for (size_t i = 0; i < v.size() / 2; ++i) {
                o.real(10, v[2 * i] * s);
                o.real(20, v[2 * i + 1] * s);
                if (!e.others.empty() && e.others[i] != 0) o.real(42, e.others[i]);
            }
        }
    }
    o.code(0, "ENDSEC");
    o.code(0, "EOF");
    // Written under a temporary name, so that a failure leaves no half file.
    const std::string temp = path + ".~";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(o.text.data(), 1, o.text.size(), f) == o.text.size();
    ok = std::fclose(f) == 0 && ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

} // namespace demos
