// libFuzzer target: reads any bytes as DXF, runs the import's passes over
// them (texts through the box outliner) and walks the result as the writer
// does.
#include "dxf/document.h"
#include "model/exchange_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace dxf;

template <typename F>
void walk(Document& doc, F&& f) {
    for (int32_t layer = doc.firstLayer(); layer > 0; layer = doc.nextLayer(layer))
        for (int32_t e = doc.firstEntity(layer); e > 0; e = doc.nextEntity(layer, e)) f(e);
}

bool compound(const Document& doc, int32_t e) {
    const int t = doc.entityType(e);
    return t == kTypePolyline || t == kTypeInsert || t == kTypeText || t == kTypeOutline ||
           (t == kTypeArc && doc.arcKind(e) == kArcElliptical);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    BoxOutliner outliner;
    Document doc;
    doc.setOutliner(&outliner);
    doc.setCurveQuality(30);
    // The cap takes the same path at any size; a small one keeps every run
    // short.
    doc.setEntityLimit(200'000);
    if (!doc.read(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
    walk(doc, [&](int32_t e) {
        if (!doc.visible(e)) doc.erase(e);
    });
    for (int pass = 0; pass < 5; ++pass) {
        doc.select(0, true);
        walk(doc, [&](int32_t e) {
            if (doc.entityType(e) == kTypeArc && doc.arcKind(e) != kArcElliptical) doc.select(e, false);
        });
        doc.explodeSelected();
        bool more = false;
        walk(doc, [&](int32_t e) { more = more || compound(doc, e); });
        if (!more) break;
    }
    volatile double sink = 0;
    walk(doc, [&](int32_t e) {
        if (doc.entityType(e) == kTypeLine) {
            const LineData l = doc.line(e);
            sink = sink + l.x1 + l.y2;
        } else if (doc.entityType(e) == kTypeArc && doc.arcKind(e) == kArcCircular) {
            const ArcData a = doc.arc(e);
            if (std::isfinite(a.start) && std::isfinite(a.sweep)) {
                const vectrim::ArcAngles angles = vectrim::exchangeArcAngles(a.start, a.sweep);
                sink = sink + angles.start + angles.end;
            }
        }
    });
    return 0;
}
