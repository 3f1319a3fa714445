// A DXF drawing as the import walks it: layers in order, the entities of
// each layer in order, each with a type code, a visibility and its data; and
// the operations that the import performs on it: erase, select, and explode
// the selected compound entities one level.
//
// Handles of layers and entities are positive; 0 ends a walk. Lines, arcs
// and elliptical arcs are held in world coordinates (projected onto XY);
// compound entities refer to their file data and the map that places them.
#pragma once

#include "geom.h"
#include "limits.h"
#include "reader.h"
#include "source.h"
#include "text.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace dxf {

struct LineData {
    double x1, y1, x2, y2;
};
// A circular arc: counter-clockwise from start over sweep (degrees, sweep 0
// for a full circle).
struct ArcData {
    double cx, cy, r, start, sweep;
};
// An elliptical arc: centre + P cos t + Q sin t for t from t0 to t1
// (radians, t0 < t1).
struct EllipseData {
    Vec2 centre, p, q;
    double t0, t1;
};

class Document : private ReadSink {
public:
    struct Entity;

    Document();
    ~Document() override;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Curves are flattened with at least this many lines per full turn.
    void setCurveQuality(int32_t quality);
    // Texts are exploded into the outlines of their glyphs by this outliner;
    // without one they are skipped and counted.
    void setOutliner(TextOutliner* outliner) { outliner_ = outliner; }

    // Reads a DXF file; false when it cannot be read or is no DXF.
    bool open(const std::string& path, const ReadProgress& progress = {});
    bool read(std::string_view bytes, const ReadProgress& progress = {});

    // ---- the walk ----
    int32_t firstLayer() const;
    int32_t nextLayer(int32_t layer) const;
    int32_t firstEntity(int32_t layer) const;
    int32_t nextEntity(int32_t layer, int32_t entity) const;
    const std::string& layerName(int32_t layer) const;

    // ---- one entity ----
    int entityType(int32_t entity) const;
    int arcKind(int32_t entity) const;
    // False for an entity that is invisible itself (group 60) or lies on a
    // layer that is off or frozen.
    bool visible(int32_t entity) const;
    void erase(int32_t entity);
    // Entity 0 with true selects every entity; an entity with false
    // deselects it.
    void select(int32_t entity, bool on);
    LineData line(int32_t entity) const;
    ArcData arc(int32_t entity) const;
    EllipseData ellipse(int32_t entity) const;

    // Explodes every selected compound entity (and elliptical arc) one level:
    // its parts take its place in the walk.
    void explodeSelected();

    // What was left out, by type name or reason, with counts.
    const std::map<std::string, int64_t>& skipped() const { return skipped_; }
    // What was flattened into lines (splines, ellipses, texts), by type
    // name, with counts.
    const std::map<std::string, int64_t>& approximated() const { return approximated_; }
    // The units the header declares; -1 when it does not.
    int32_t insunits() const { return insunits_; }
    int32_t measurement() const { return measurement_; }
    void countSkipped(const std::string& what, int64_t n = 1) { skipped_[what] += n; }
    int32_t entityCount() const;
    // No more than this many entities are made (kMaxEntities unless set).
    void setEntityLimit(int32_t limit) { limit_ = limit; }

private:
    struct Layer;

    // ReadSink
    void layer(const LayerDef& layer) override;
    void style(const StyleDef& style) override;
    void block(Block&& block) override;
    void entity(Source& entity) override;
    void skipped(std::string_view what) override;
    void units(int32_t insunits, int32_t measurement) override;

    int32_t layerId(std::string_view name);
    bool layerVisible(int32_t layer) const;
    void finishReading();
    void rebuildLayers();
    bool full();

    // Output of reading and exploding: appended to the walk in order.
    void addLine(int32_t layer, Vec2 a, Vec2 b);
    void addArc(int32_t layer, Vec2 centre, double r, double start, double sweep);
    void addEllipse(int32_t layer, Vec2 centre, Vec2 p, Vec2 q, double t0, double t1);
    void addCompound(int32_t layer, const Source* source, const Matrix& m);
    // Places a file entity with the map from its parent's coordinates.
    void place(const Source& s, int32_t layer, const Matrix& parent);
    void placeCircle(int32_t layer, const Matrix& m, Vec3 centre, double r, double start, double sweep,
                     bool full);
    void placeConic(int32_t layer, Vec2 c, Vec2 p, Vec2 q, double t0, double t1, bool full);

    void explode(int32_t id);
    void explodeEllipse(const Entity& e);
    void explodePolyline(const Entity& e, const Source& s, const Matrix& m);
    struct Part {
        const Source* source;
        int32_t layer;
    };
    // The parts of a block that are drawn, with their layers; the types
    // that are not drawn are counted for every copy.
    std::vector<Part> blockParts(const Entity& e, const Block& block, int64_t copies);
    void explodeBlock(const Entity& e, const Block& block, const Matrix& m);
    void explodeInsert(const Entity& e, const Source& s, const Matrix& m);
    void explodeText(const Entity& e, const Source& s, const Matrix& m);
    void explodeSpline(const Entity& e, const Source& s, const Matrix& m);
    void explodeOutline(const Entity& e, const Source& s, const Matrix& m);
    void addPolyline(int32_t layer, const std::vector<Vec2>& points);
    const Block* findBlock(const std::string& name) const;
    const StyleDef* findStyle(const std::string& name) const;

    std::vector<Entity> entities_;                      // by handle - 1
    std::vector<int32_t> order_;                        // the walk over all layers, in drawing order
    std::vector<int32_t>* out_ = nullptr;               // where new entities are appended
    std::vector<Layer> layers_;                         // by handle - 1
    std::vector<int32_t> layerOrder_;                   // handles in walk order
    std::unordered_map<std::string, int32_t> layerIds_; // upper-case name
    std::vector<int32_t> tableLayers_;                  // in table order
    std::string lastLayerName_;
    int32_t lastLayerId_ = 0;
    std::vector<Matrix> matrices_; // index 0: identity
    std::vector<EllipseData> ellipses_;
    std::deque<Source> sources_; // model space compound entities
    std::deque<Block> blocks_;
    std::unordered_map<std::string, size_t> blockIds_; // upper-case name
    std::vector<StyleDef> styles_;
    std::unordered_map<std::string, size_t> styleIds_; // upper-case name
    std::map<std::string, int64_t> skipped_;
    std::map<std::string, int64_t> approximated_;
    int32_t insunits_ = -1, measurement_ = -1;
    TextOutliner* outliner_ = nullptr;
    int32_t quality_ = 0;
    bool limitReached_ = false;
    int32_t limit_ = kMaxEntities;
};

} // namespace dxf
