// The lettering demo: words as the closed outlines of a font's glyphs.
#include "drawings.h"

#include <QFont>
#include <QPainterPath>
#include <QTransform>

#include <cmath>

namespace demos {

// The word "Vectrim" and below it "CNC" as glyph outlines: every closed
// contour of the font becomes one closed polyline of short lines.
void text(DemoDxf& d) {
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
}

} // namespace demos
