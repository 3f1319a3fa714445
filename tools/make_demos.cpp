// Writes the demo drawings of the program folder: plain ASCII DXF files made
// of LINE, ARC, CIRCLE and LWPOLYLINE entities.
//   demo-blume.dxf    a flower polygonised into many short lines
//   demo-teil.dxf     a flange plate with small gaps, duplicates and a tiny element
//   demo-schrift.dxf  lettering as closed outlines (from a font's glyphs)
//
// usage: make_demos <folder>
#include <QFont>
#include <QGuiApplication>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

// A DXF file of one ENTITIES section in millimetres.
class Dxf {
public:
    explicit Dxf(const std::string& path) : path_(path) {}

    void line(double x1, double y1, double x2, double y2, const char* layer = "KONTUR") {
        entity("LINE", layer, "AcDbLine");
        point(10, x1, y1);
        point(11, x2, y2);
    }
    void arc(double cx, double cy, double r, double a1, double a2, const char* layer = "KONTUR") {
        entity("ARC", layer, "AcDbCircle");
        point(10, cx, cy);
        real(40, r);
        code(100, "AcDbArc");
        real(50, a1);
        real(51, a2);
    }
    void circle(double cx, double cy, double r, const char* layer = "KONTUR") {
        entity("CIRCLE", layer, "AcDbCircle");
        point(10, cx, cy);
        real(40, r);
    }
    void polyline(const std::vector<std::pair<double, double>>& pts, bool closed,
                  const char* layer = "KONTUR") {
        entity("LWPOLYLINE", layer, "AcDbPolyline");
        code(90, std::to_string(pts.size()));
        code(70, closed ? "1" : "0");
        for (const auto& [x, y] : pts) {
            real(10, x);
            real(20, y);
        }
    }
    // Straight pieces between consecutive points.
    void lines(const std::vector<std::pair<double, double>>& pts, const char* layer = "KONTUR") {
        for (size_t i = 1; i < pts.size(); ++i)
            line(pts[i - 1].first, pts[i - 1].second, pts[i].first, pts[i].second, layer);
    }

    bool write() const {
        std::string all;
        auto add = [&](int c, const std::string& v) { all += std::to_string(c) + "\n" + v + "\n"; };
        add(999, "Vectrim demo drawing");
        add(0, "SECTION");
        add(2, "HEADER");
        add(9, "$ACADVER");
        add(1, "AC1015");
        add(9, "$INSUNITS");
        add(70, "4");
        add(0, "ENDSEC");
        add(0, "SECTION");
        add(2, "ENTITIES");
        all += body_;
        add(0, "ENDSEC");
        add(0, "EOF");
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (!f) return false;
        const bool ok = std::fwrite(all.data(), 1, all.size(), f) == all.size();
        return std::fclose(f) == 0 && ok;
    }

private:
    void code(int c, const std::string& value) { body_ += std::to_string(c) + "\n" + value + "\n"; }
    void real(int c, double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.6f", std::fabs(v) < 5e-7 ? 0.0 : v);
        std::string s(buf);
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
        code(c, s);
    }
    void point(int c, double x, double y) {
        real(c, x);
        real(c + 10, y);
        real(c + 20, 0);
    }
    // An entity's type, its layer and its subclass markers.
    void entity(const char* type, const char* layer, const char* subclass) {
        code(0, type);
        code(100, "AcDbEntity");
        code(8, layer);
        code(100, subclass);
    }

    std::string path_;
    std::string body_;
};

using Points = std::vector<std::pair<double, double>>;

Points polar(double cx, double cy, int n, double from, double to, auto radius) {
    Points p;
    for (int i = 0; i <= n; ++i) {
        const double t = from + (to - from) * i / n;
        const double r = radius(t);
        p.emplace_back(cx + r * std::cos(t), cy + r * std::sin(t));
    }
    return p;
}

// A six-petalled flower with a ringed centre, a stem and two leaves, all as
// short lines: material for the reduction and the line-to-arc conversion.
bool flower(const std::string& path) {
    Dxf d(path);
    const double cx = 100, cy = 130;
    d.lines(polar(cx, cy, 720, 0, 2 * kPi, [](double t) { return 40 + 22 * std::cos(6 * t); }));
    d.lines(polar(cx, cy, 360, 0, 2 * kPi, [](double t) { return 17 + 2.2 * std::cos(12 * t + kPi / 12); }));
    d.lines(polar(cx, cy, 120, 0, 2 * kPi, [](double) { return 9.0; }));
    // the stem: two gently curved sides
    Points left, right;
    for (int i = 0; i <= 60; ++i) {
        const double y = cy - 60 - 90.0 * i / 60;
        const double bend = 6 * std::sin(kPi * i / 60);
        left.emplace_back(cx - 2.5 + bend, y);
        right.emplace_back(cx + 2.5 + bend, y);
    }
    d.lines(left);
    d.lines(right);
    d.line(left.back().first, left.back().second, right.back().first, right.back().second);
    // two leaves, each two circular flanks sampled into lines
    for (int side : {-1, 1}) {
        const double bx = cx + 5 * side, by = cy - 105;
        const double tx = cx + 48 * side, ty = cy - 78;
        Points upper, lower;
        for (int i = 0; i <= 80; ++i) {
            const double u = static_cast<double>(i) / 80;
            const double x = bx + (tx - bx) * u, y = by + (ty - by) * u;
            const double bulge = 11 * std::sin(kPi * u);
            upper.emplace_back(x - 0.5 * bulge * side, y + bulge);
            lower.emplace_back(x + 0.5 * bulge * side, y - bulge);
        }
        d.lines(upper);
        d.lines(lower);
    }
    return d.write();
}

// A flange plate 160 x 100 with rounded corners, holes, a slot and a
// hexagonal pocket, with the faults of real drawings: two gaps of 0.3 and
// 0.15 mm, a line and a circle drawn twice, and an edge piece 0.05 mm long.
bool part(const std::string& path) {
    Dxf d(path);
    const double w = 160, h = 100, r = 12;
    // outline, counter-clockwise from the bottom edge
    d.line(r, 0, w - r, 0);
    d.arc(w - r, r, r, 270, 360);
    d.line(w, r, w, h - r - 0.3); // a gap of 0.3 below the next corner
    d.arc(w - r, h - r, r, 0, 90);
    d.line(w - r, h, 80.05, h); // the top edge in three pieces ...
    d.line(80.05, h, 80, h);    // ... one of them only 0.05 long
    d.line(80, h, r, h);
    d.arc(r, h - r, r, 90, 180);
    d.line(0, h - r, 0, r);
    d.line(0, h - r, 0, r); // drawn twice
    d.arc(r, r, r, 180, 270);
    // bolt holes
    for (auto [x, y] :
         {std::pair{14.0, 14.0}, std::pair{w - 14, 14.0}, std::pair{w - 14, h - 14}, std::pair{14.0, h - 14}})
        d.circle(x, y, 4.5, "BOHRUNG");
    d.circle(14, 14, 4.5, "BOHRUNG"); // drawn twice
    // the central bore
    d.circle(58, 50, 20, "BOHRUNG");
    // a slot with a gap of 0.15 at one end
    d.line(100, 30, 130, 30, "NUT");
    d.arc(130, 40, 10, 270, 90, "NUT");
    d.line(130, 50, 100, 50, "NUT");
    d.arc(100, 40, 10, 90, 270 - 0.86, "NUT"); // ends 0.15 short of the first line
    // a hexagonal pocket as one closed polyline
    Points hex;
    for (int i = 0; i < 6; ++i) {
        const double t = kPi / 6 + i * kPi / 3;
        hex.emplace_back(115 + 14 * std::cos(t), 75 + 14 * std::sin(t));
    }
    d.polyline(hex, true, "TASCHE");
    return d.write();
}

// The word "Vectrim" and below it "CNC" as glyph outlines: every closed
// contour of the font becomes one closed polyline.
bool lettering(const std::string& path) {
    Dxf d(path);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(1000); // large, so that curves are flattened finely
    const struct {
        const char* text;
        double x, y, mmPerUnit;
    } words[] = {{"Vectrim", 0, 60, 0.05}, {"CNC", 40, 0, 0.05}};
    for (const auto& word : words) {
        QPainterPath glyphs;
        glyphs.addText(0, 0, font, QString::fromLatin1(word.text));
        // font units: y grows downwards; the drawing's y grows upwards
        const QTransform toMm = QTransform::fromScale(word.mmPerUnit, -word.mmPerUnit) *
                                QTransform::fromTranslate(word.x, word.y);
        for (const QPolygonF& outline : glyphs.toSubpathPolygons()) {
            Points pts;
            for (const QPointF& glyphPoint : outline) {
                const QPointF p = toMm.map(glyphPoint);
                if (!pts.empty() && std::hypot(pts.back().first - p.x(), pts.back().second - p.y()) < 1e-6)
                    continue;
                pts.emplace_back(p.x(), p.y());
            }
            if (pts.size() > 2 && std::hypot(pts.front().first - pts.back().first,
                                             pts.front().second - pts.back().second) < 1e-6)
                pts.pop_back();
            if (pts.size() >= 3) d.polyline(pts, true, "SCHRIFT");
        }
    }
    return d.write();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demos <folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string folder = std::string(argv[1]) + "/";
    const bool ok = flower(folder + "demo-blume.dxf") && part(folder + "demo-teil.dxf") &&
                    lettering(folder + "demo-schrift.dxf");
    if (!ok) std::fprintf(stderr, "make_demos: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
