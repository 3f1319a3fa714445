#include "document.h"

#include "flatten.h"
#include "model/tolerances.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace dxf {

namespace {

std::string upper(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

bool finiteAll(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// Degrees into 0 .. 360.
double normalisedDegrees(double a) {
    if (a >= 0 && a < 360) return a;
    a = std::fmod(a, 360.0);
    if (a < 0) a += 360;
    return a >= 360 ? 0 : a;
}

constexpr double kTwoPi = 2 * kPi;
const std::string kNoName;

} // namespace

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::Line: return "LINE";
        case Kind::Arc: return "ARC";
        case Kind::Circle: return "CIRCLE";
        case Kind::Ellipse: return "ELLIPSE";
        case Kind::LwPolyline: return "LWPOLYLINE";
        case Kind::Polyline: return "POLYLINE";
        case Kind::Insert: return "INSERT";
        case Kind::Text: return "TEXT";
        case Kind::MText: return "MTEXT";
        case Kind::Attrib: return "ATTRIB";
        case Kind::Spline: return "SPLINE";
        case Kind::Dimension: return "DIMENSION";
        case Kind::Solid: return "SOLID";
        case Kind::Face3d: return "3DFACE";
        case Kind::Leader: return "LEADER";
        case Kind::Other: return "?";
    }
    return "?";
}

int typeCode(Kind kind) {
    switch (kind) {
        case Kind::Line: return kTypeLine;
        case Kind::Arc:
        case Kind::Circle:
        case Kind::Ellipse: return kTypeArc;
        case Kind::LwPolyline:
        case Kind::Polyline: return kTypePolyline;
        case Kind::Insert: return kTypeInsert;
        case Kind::Text:
        case Kind::MText:
        case Kind::Attrib: return kTypeText;
        case Kind::Spline:
        case Kind::Dimension:
        case Kind::Solid:
        case Kind::Face3d:
        case Kind::Leader: return kTypeOutline;
        case Kind::Other: return 0;
    }
    return 0;
}

bool isObjectCoordinates(Kind kind) {
    switch (kind) {
        case Kind::Arc:
        case Kind::Circle:
        case Kind::LwPolyline:
        case Kind::Insert:
        case Kind::Text:
        case Kind::Attrib:
        case Kind::Solid: return true;
        default: return false; // a 2D POLYLINE decides by its flags
    }
}

// 56 bytes: lines and arcs keep their data here, compound entities their
// file data and map, elliptical arcs an index into the table of ellipses.
struct Document::Entity {
    uint8_t type = 0;
    uint8_t kind = 0; // arc kind
    bool erased = false;
    bool selected = false;
    bool invisible = false;
    int32_t layer = 0;
    int32_t pos = 0; // position in its layer's list
    struct Compound {
        const Source* source;
        int32_t matrix;
    };
    union {
        double g[5] = {}; // line: x1 y1 x2 y2; arc: cx cy r start sweep
        Compound compound;
        size_t ellipse;
    };
};
static_assert(sizeof(Document::Entity) <= 56);

struct Document::Layer {
    std::string name;
    bool off = false;
    bool frozen = false;
    bool inTable = false;
    bool ordered = false;
    int32_t orderPos = 0;
    std::vector<int32_t> entities;
};

Document::Document() : out_(&order_) { matrices_.emplace_back(); }
Document::~Document() = default;

void Document::setCurveQuality(int32_t quality) {
    // More than this many lines per turn is no finer on any machine.
    constexpr int32_t kMaxQuality = 10000;
    quality_ = std::clamp(quality, 0, kMaxQuality);
}

// ---------------------------------------------------------------- reading

bool Document::open(const std::string& path, const ReadProgress& progress) {
    // The file is mapped, not copied: large drawings are read in place.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxFileBytes) {
        ::close(fd);
        return false;
    }
    const size_t size = static_cast<size_t>(st.st_size);
    if (size == 0) {
        ::close(fd);
        return read(std::string_view(), progress);
    }
    void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    ::close(fd);
    if (data == MAP_FAILED) return false;
    const bool ok = read(std::string_view(static_cast<const char*>(data), size), progress);
    ::munmap(data, size);
    return ok;
}

bool Document::read(std::string_view bytes, const ReadProgress& progress) {
    out_ = &order_;
    // A LINE takes some 80 bytes of a file: room for as many entities as the
    // file can hold of them, so that the tables are not copied while growing.
    const size_t expected = std::min<size_t>(bytes.size() / 64 + 16, kMaxEntities);
    entities_.reserve(expected);
    order_.reserve(expected);
    const bool ok = readDxf(bytes, *this, progress);
    finishReading();
    return ok;
}

int32_t Document::layerId(std::string_view name) {
    if (!lastLayerName_.empty() && name == lastLayerName_) return lastLayerId_;
    std::string key = upper(name);
    auto it = layerIds_.find(key);
    int32_t id = 0;
    if (it != layerIds_.end()) {
        id = it->second;
    } else {
        Layer l;
        l.name.assign(name);
        layers_.push_back(std::move(l));
        id = static_cast<int32_t>(layers_.size());
        layerIds_.emplace(std::move(key), id);
    }
    lastLayerName_.assign(name);
    lastLayerId_ = id;
    return id;
}

void Document::layer(const LayerDef& def) {
    const int32_t id = layerId(def.name);
    Layer& l = layers_[static_cast<size_t>(id - 1)];
    if (l.inTable) return; // a second entry of the same name
    l.inTable = true;
    l.off = def.off;
    l.frozen = def.frozen;
    tableLayers_.push_back(id);
}

void Document::style(const StyleDef& def) {
    // The first definition of a name counts.
    if (styleIds_.emplace(upper(def.name), styles_.size()).second) styles_.push_back(def);
}

void Document::block(Block&& b) {
    std::string key = upper(b.name);
    blocks_.push_back(std::move(b));
    // The first definition of a name counts.
    blockIds_.emplace(std::move(key), blocks_.size() - 1);
}

void Document::entity(Source& s) {
    const int32_t layer = layerId(s.layer);
    if (typeCode(s.kind) == kTypeLine || typeCode(s.kind) == kTypeArc || s.kind == Kind::Other) {
        const size_t before = entities_.size();
        place(s, layer, matrices_[0]);
        for (size_t i = before; i < entities_.size(); ++i) entities_[i].invisible = s.invisible;
        return;
    }
    sources_.push_back(std::move(s));
    const size_t before = entities_.size();
    place(sources_.back(), layer, matrices_[0]);
    for (size_t i = before; i < entities_.size(); ++i) entities_[i].invisible = sources_.back().invisible;
}

void Document::skipped(std::string_view what) { skipped_[std::string(what)] += 1; }

void Document::units(int32_t insunits, int32_t measurement) {
    insunits_ = insunits;
    measurement_ = measurement;
}

void Document::finishReading() {
    // Layers of the table in its order, then the others in the order of
    // first use.
    for (int32_t id : tableLayers_) {
        Layer& l = layers_[static_cast<size_t>(id - 1)];
        l.ordered = true;
        l.orderPos = static_cast<int32_t>(layerOrder_.size());
        layerOrder_.push_back(id);
    }
    rebuildLayers();
}

void Document::rebuildLayers() {
    for (Layer& l : layers_) l.entities.clear();
    for (int32_t id : order_) {
        Entity& e = entities_[static_cast<size_t>(id - 1)];
        if (e.erased) continue;
        Layer& l = layers_[static_cast<size_t>(e.layer - 1)];
        if (!l.ordered) {
            l.ordered = true;
            l.orderPos = static_cast<int32_t>(layerOrder_.size());
            layerOrder_.push_back(e.layer);
        }
        e.pos = static_cast<int32_t>(l.entities.size());
        l.entities.push_back(id);
    }
}

// ---------------------------------------------------------------- the walk

int32_t Document::firstLayer() const { return layerOrder_.empty() ? 0 : layerOrder_.front(); }

int32_t Document::nextLayer(int32_t layer) const {
    if (layer < 1 || layer > static_cast<int32_t>(layers_.size())) return 0;
    const Layer& l = layers_[static_cast<size_t>(layer - 1)];
    if (!l.ordered) return 0;
    const size_t next = static_cast<size_t>(l.orderPos) + 1;
    return next < layerOrder_.size() ? layerOrder_[next] : 0;
}

const std::string& Document::layerName(int32_t layer) const {
    if (layer < 1 || layer > static_cast<int32_t>(layers_.size())) return kNoName;
    return layers_[static_cast<size_t>(layer - 1)].name;
}

int32_t Document::firstEntity(int32_t layer) const {
    if (layer < 1 || layer > static_cast<int32_t>(layers_.size())) return 0;
    for (int32_t id : layers_[static_cast<size_t>(layer - 1)].entities)
        if (!entities_[static_cast<size_t>(id - 1)].erased) return id;
    return 0;
}

int32_t Document::nextEntity(int32_t layer, int32_t entity) const {
    if (layer < 1 || layer > static_cast<int32_t>(layers_.size())) return 0;
    if (entity < 1 || entity > static_cast<int32_t>(entities_.size())) return 0;
    const Entity& e = entities_[static_cast<size_t>(entity - 1)];
    const std::vector<int32_t>& list = layers_[static_cast<size_t>(layer - 1)].entities;
    if (e.layer != layer || static_cast<size_t>(e.pos) >= list.size() ||
        list[static_cast<size_t>(e.pos)] != entity)
        return 0;
    for (size_t i = static_cast<size_t>(e.pos) + 1; i < list.size(); ++i)
        if (!entities_[static_cast<size_t>(list[i] - 1)].erased) return list[i];
    return 0;
}

int Document::entityType(int32_t entity) const {
    if (entity < 1 || entity > static_cast<int32_t>(entities_.size())) return 0;
    return entities_[static_cast<size_t>(entity - 1)].type;
}

int Document::arcKind(int32_t entity) const {
    if (entity < 1 || entity > static_cast<int32_t>(entities_.size())) return 0;
    return entities_[static_cast<size_t>(entity - 1)].kind;
}

bool Document::layerVisible(int32_t layer) const {
    if (layer < 1 || layer > static_cast<int32_t>(layers_.size())) return true;
    const Layer& l = layers_[static_cast<size_t>(layer - 1)];
    return !l.off && !l.frozen;
}

bool Document::visible(int32_t entity) const {
    if (entity < 1 || entity > static_cast<int32_t>(entities_.size())) return false;
    const Entity& e = entities_[static_cast<size_t>(entity - 1)];
    return !e.invisible && layerVisible(e.layer);
}

void Document::erase(int32_t entity) {
    if (entity < 1 || entity > static_cast<int32_t>(entities_.size())) return;
    entities_[static_cast<size_t>(entity - 1)].erased = true;
}

void Document::select(int32_t entity, bool on) {
    if (entity == 0) {
        for (int32_t id : order_) entities_[static_cast<size_t>(id - 1)].selected = on;
        return;
    }
    if (entity < 1 || entity > static_cast<int32_t>(entities_.size())) return;
    entities_[static_cast<size_t>(entity - 1)].selected = on;
}

LineData Document::line(int32_t entity) const {
    if (entity < 1 || entity > static_cast<int32_t>(entities_.size())) return {};
    const Entity& e = entities_[static_cast<size_t>(entity - 1)];
    if (e.type != kTypeLine) return {};
    return {e.g[0], e.g[1], e.g[2], e.g[3]};
}

ArcData Document::arc(int32_t entity) const {
    if (entity < 1 || entity > static_cast<int32_t>(entities_.size())) return {};
    const Entity& e = entities_[static_cast<size_t>(entity - 1)];
    if (e.type != kTypeArc || e.kind != kArcCircular) return {};
    return {e.g[0], e.g[1], e.g[2], e.g[3], e.g[4]};
}

EllipseData Document::ellipse(int32_t entity) const {
    if (entity < 1 || entity > static_cast<int32_t>(entities_.size())) return {};
    const Entity& e = entities_[static_cast<size_t>(entity - 1)];
    if (e.type != kTypeArc || e.kind != kArcElliptical) return {};
    return ellipses_[e.ellipse];
}

// ---------------------------------------------------------------- output

int32_t Document::entityCount() const { return static_cast<int32_t>(entities_.size()); }

bool Document::full() {
    if (entities_.size() < static_cast<size_t>(limit_)) return false;
    if (!limitReached_) countSkipped(vectrim::msg::kSkippedLimit);
    limitReached_ = true;
    return true;
}

void Document::addLine(int32_t layer, Vec2 a, Vec2 b) {
    if (full()) return;
    Entity e;
    e.type = kTypeLine;
    e.layer = layer;
    e.g[0] = a.x, e.g[1] = a.y, e.g[2] = b.x, e.g[3] = b.y;
    entities_.push_back(e);
    out_->push_back(static_cast<int32_t>(entities_.size()));
}

void Document::addArc(int32_t layer, Vec2 c, double r, double start, double sweep) {
    if (full()) return;
    Entity e;
    e.type = kTypeArc;
    e.kind = kArcCircular;
    e.layer = layer;
    e.g[0] = c.x, e.g[1] = c.y, e.g[2] = r, e.g[3] = start, e.g[4] = sweep;
    entities_.push_back(e);
    out_->push_back(static_cast<int32_t>(entities_.size()));
}

void Document::addEllipse(int32_t layer, Vec2 c, Vec2 p, Vec2 q, double t0, double t1) {
    if (!finiteAll({c.x, c.y, p.x, p.y, q.x, q.y, t0, t1})) {
        countSkipped(vectrim::msg::kSkippedInvalid);
        return;
    }
    if (full()) return;
    Entity e;
    e.type = kTypeArc;
    e.kind = kArcElliptical;
    e.layer = layer;
    e.ellipse = ellipses_.size();
    ellipses_.push_back({c, p, q, t0, t1});
    entities_.push_back(e);
    out_->push_back(static_cast<int32_t>(entities_.size()));
}

void Document::addCompound(int32_t layer, const Source* s, const Matrix& m) {
    if (full()) return;
    int32_t index = 0;
    if (!m.isIdentity()) {
        // Parts of one block share their map: keep it once.
        if (matrices_.size() < 2 || std::memcmp(&matrices_.back(), &m, sizeof m) != 0) matrices_.push_back(m);
        index = static_cast<int32_t>(matrices_.size() - 1);
    }
    Entity e;
    e.type = static_cast<uint8_t>(typeCode(s->kind));
    e.layer = layer;
    e.compound = {s, index};
    entities_.push_back(e);
    out_->push_back(static_cast<int32_t>(entities_.size()));
}

void Document::addPolyline(int32_t layer, const std::vector<Vec2>& points) {
    for (size_t i = 1; i < points.size() && !full(); ++i) addLine(layer, points[i - 1], points[i]);
}

void Document::placeConic(int32_t layer, Vec2 c, Vec2 p, Vec2 q, double t0, double t1, bool whole) {
    const double pp = dot(p, p), qq = dot(q, q), pq = dot(p, q);
    const double tol = vectrim::kSimilarityRel * (pp + qq);
    if (std::fabs(pp - qq) <= tol && std::fabs(pq) <= tol) {
        // A circle: the image of angle t is at phi + o t.
        const double r = std::hypot(p.x, p.y);
        if (whole) {
            addArc(layer, c, r, 0, 0);
            return;
        }
        const double o = cross(p, q) >= 0 ? 1.0 : -1.0;
        const double phi = toDegrees(std::atan2(p.y, p.x));
        double start = phi + o * toDegrees(t0);
        double sweep = o * toDegrees(t1 - t0);
        if (sweep < 0) {
            start += sweep;
            sweep = -sweep;
        }
        addArc(layer, c, r, normalisedDegrees(start), sweep);
        return;
    }
    if (whole) t0 = 0, t1 = kTwoPi;
    addEllipse(layer, c, p, q, t0, t1);
}

void Document::placeCircle(int32_t layer, const Matrix& m, Vec3 centre, double r, double start, double sweep,
                           bool whole) {
    if (!(r > 0) || !std::isfinite(r)) {
        countSkipped(vectrim::msg::kSkippedInvalid);
        return;
    }
    const Vec2 c = m.point2(centre);
    const Vec2 p = m.vector2({r, 0, 0});
    const Vec2 q = m.vector2({0, r, 0});
    const double pp = dot(p, p), qq = dot(q, q), pq = dot(p, q);
    const double tol = vectrim::kSimilarityRel * (pp + qq);
    if (std::fabs(pp - qq) <= tol && std::fabs(pq) <= tol) {
        // Kept in degrees so that unrotated arcs keep their angles exactly.
        const double radius = std::hypot(p.x, p.y);
        if (whole) {
            addArc(layer, c, radius, 0, 0);
            return;
        }
        const double o = cross(p, q) >= 0 ? 1.0 : -1.0;
        const double phi = toDegrees(std::atan2(p.y, p.x));
        double s = phi + o * start;
        double w = o * sweep;
        if (w < 0) {
            s += w;
            w = -w;
        }
        addArc(layer, c, radius, normalisedDegrees(s), w);
        return;
    }
    placeConic(layer, c, p, q, toRadians(start), toRadians(start + sweep), whole);
}

void Document::place(const Source& s, int32_t layer, const Matrix& parent) {
    switch (s.kind) {
        case Kind::Line: addLine(layer, parent.point2(s.p[0]), parent.point2(s.p[1])); return;
        case Kind::Arc: {
            if (!finiteAll({s.start, s.end})) {
                countSkipped(vectrim::msg::kSkippedInvalid);
                return;
            }
            double sweep = s.end - s.start;
            if (sweep <= 0 || sweep > 360) sweep = std::fmod(sweep, 360.0);
            if (sweep <= 0) sweep += 360;
            const Matrix m = parent * ocsMatrix(s.extrusion);
            placeCircle(layer, m, s.p[0], s.radius, s.start, sweep, sweep >= 360);
            return;
        }
        case Kind::Circle:
            placeCircle(layer, parent * ocsMatrix(s.extrusion), s.p[0], s.radius, 0, 360, true);
            return;
        case Kind::Ellipse: {
            if (!finiteAll({s.start, s.end, s.ratio})) {
                countSkipped(vectrim::msg::kSkippedInvalid);
                return;
            }
            Vec3 n = s.extrusion;
            const double len = norm(n);
            n = len > 0 && std::isfinite(len) ? (1.0 / len) * n : Vec3{0, 0, 1};
            const Vec3 minor = s.ratio * cross(n, s.p[1]);
            double t0 = s.start, t1 = s.end;
            double span = t1 - t0;
            if (span <= 0 || span > kTwoPi) span = std::fmod(span, kTwoPi);
            if (span <= 0) span += kTwoPi;
            const bool whole = span >= kTwoPi - 1e-12;
            t1 = t0 + span;
            placeConic(layer, parent.point2(s.p[0]), parent.vector2(s.p[1]), parent.vector2(minor), t0, t1,
                       whole);
            return;
        }
        case Kind::Other: countSkipped(s.text); return;
        case Kind::Polyline: {
            // A 2D polyline lies in object coordinates, a 3D one in the world.
            const bool objectCoordinates = (s.flags & (kPoly3d | kPolyMesh | kPolyFaceMesh)) == 0;
            addCompound(layer, &s, objectCoordinates ? parent * ocsMatrix(s.extrusion) : parent);
            return;
        }
        default:
            addCompound(layer, &s, isObjectCoordinates(s.kind) ? parent * ocsMatrix(s.extrusion) : parent);
            return;
    }
}

// ---------------------------------------------------------------- explode

void Document::explodeSelected() {
    // Room for the parts that can be foreseen (a polyline's segments), so
    // that the table is not copied while it grows.
    size_t foreseen = entities_.size();
    for (int32_t id : order_) {
        const Entity& e = entities_[static_cast<size_t>(id - 1)];
        if (!e.erased && e.selected && e.type == kTypePolyline)
            foreseen += e.compound.source->vertices.size();
    }
    entities_.reserve(std::min<size_t>(foreseen, static_cast<size_t>(limit_)));
    std::vector<int32_t> next;
    next.reserve(order_.size());
    out_ = &next;
    for (size_t i = 0; i < order_.size(); ++i) {
        const int32_t id = order_[i];
        const Entity& e = entities_[static_cast<size_t>(id - 1)];
        if (e.erased) continue;
        const bool compound = e.type == kTypePolyline || e.type == kTypeInsert || e.type == kTypeText ||
                              e.type == kTypeOutline || (e.type == kTypeArc && e.kind == kArcElliptical);
        if (!e.selected || !compound || limitReached_) {
            next.push_back(id);
            continue;
        }
        explode(id);
    }
    order_.swap(next);
    out_ = &order_;
    rebuildLayers();
}

void Document::explode(int32_t id) {
    const Entity e = entities_[static_cast<size_t>(id - 1)];
    entities_[static_cast<size_t>(id - 1)].erased = true;
    if (e.type == kTypeArc) {
        explodeEllipse(e);
        approximated_["ELLIPSE"] += 1;
        return;
    }
    const Source& s = *e.compound.source;
    const Matrix m = matrices_[static_cast<size_t>(e.compound.matrix)]; // a copy: parts add maps
    switch (s.kind) {
        case Kind::LwPolyline:
        case Kind::Polyline: explodePolyline(e, s, m); return;
        case Kind::Insert: explodeInsert(e, s, m); return;
        case Kind::Text:
        case Kind::MText:
        case Kind::Attrib: explodeText(e, s, m); return;
        case Kind::Spline: explodeSpline(e, s, m); return;
        default: explodeOutline(e, s, m); return;
    }
}

void Document::explodeEllipse(const Entity& e) {
    std::vector<Vec2> points;
    const EllipseData d = ellipses_[e.ellipse];
    flattenEllipse(d.centre, d.p, d.q, d.t0, d.t1, quality_, points);
    addPolyline(e.layer, points);
}

void Document::explodePolyline(const Entity& e, const Source& s, const Matrix& m) {
    if (s.kind == Kind::Polyline && (s.flags & (kPolyMesh | kPolyFaceMesh))) {
        countSkipped(vectrim::msg::kSkippedMesh);
        return;
    }
    const bool threeD = s.kind == Kind::Polyline && (s.flags & kPoly3d);
    const double elevation = s.kind == Kind::LwPolyline ? s.elevation : s.p[0].z;
    // Spline-fit polylines keep their control frame among the vertices.
    const bool splineFit = s.kind == Kind::Polyline && (s.flags & kPolySplineFit);
    std::vector<Vertex> v;
    v.reserve(s.vertices.size());
    for (const Vertex& x : s.vertices) {
        if (x.flags & kVertexFaceRecord) continue;
        if (splineFit && (x.flags & kVertexSplineFrame)) continue;
        v.push_back(x);
    }
    const size_t n = v.size();
    if (n < 2) return;
    const bool closed = (s.flags & kPolyClosed) != 0;
    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments && !full(); ++i) {
        const Vertex& a = v[i];
        const Vertex& b = v[(i + 1) % n];
        if (threeD) {
            addLine(e.layer, m.point2({a.x, a.y, a.z}), m.point2({b.x, b.y, b.z}));
            continue;
        }
        const Vec3 a3{a.x, a.y, elevation}, b3{b.x, b.y, elevation};
        const double bulge = a.bulge;
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double d = std::hypot(dx, dy);
        if (!(std::fabs(bulge) > 1e-10) || !std::isfinite(bulge) || !(d > 0)) {
            addLine(e.layer, m.point2(a3), m.point2(b3));
            continue;
        }
        // The arc through a and b that turns by 4 atan(bulge).
        const double offset = d * (1 - bulge * bulge) / (4 * bulge);
        const double cx = 0.5 * (a.x + b.x) - dy / d * offset;
        const double cy = 0.5 * (a.y + b.y) + dx / d * offset;
        const double r = d * (1 + bulge * bulge) / (4 * std::fabs(bulge));
        const double start = toDegrees(std::atan2(a.y - cy, a.x - cx));
        const double sweep = toDegrees(4 * std::atan(bulge));
        if (!finiteAll({cx, cy, r, start, sweep})) {
            countSkipped(vectrim::msg::kSkippedInvalid);
            continue;
        }
        placeCircle(e.layer, m, {cx, cy, elevation}, r, start, sweep, false);
    }
}

const Block* Document::findBlock(const std::string& name) const {
    auto it = blockIds_.find(upper(name));
    return it == blockIds_.end() ? nullptr : &blocks_[it->second];
}

const StyleDef* Document::findStyle(const std::string& name) const {
    auto it = styleIds_.find(upper(name));
    return it == styleIds_.end() ? nullptr : &styles_[it->second];
}

std::vector<Document::Part> Document::blockParts(const Entity& e, const Block& block, int64_t copies) {
    std::vector<Part> parts;
    std::map<std::string, int64_t> others;
    for (const Source& s : block.entities) {
        if (s.kind == Kind::Other) {
            others[s.text] += copies;
            continue;
        }
        if (s.invisible) continue;
        // Parts on layer 0 take the layer of the reference.
        const int32_t layer = s.layer == "0" ? e.layer : layerId(s.layer);
        if (!layerVisible(layer)) continue;
        parts.push_back({&s, layer});
    }
    for (const auto& [name, n] : others) countSkipped(name, n);
    return parts;
}

void Document::explodeBlock(const Entity& e, const Block& block, const Matrix& m) {
    for (const Part& p : blockParts(e, block, 1)) {
        if (full()) return;
        place(*p.source, p.layer, m);
    }
}

void Document::explodeInsert(const Entity& e, const Source& s, const Matrix& m) {
    const Block* block = findBlock(s.block);
    if (!block) {
        countSkipped(vectrim::msg::kSkippedNoBlock);
        return;
    }
    if (block->flags & 4) {
        countSkipped(vectrim::msg::kSkippedXref);
        return;
    }
    if (!finiteAll({s.scale[0], s.scale[1], s.scale[2], s.rotation, s.columnSpacing, s.rowSpacing})) {
        countSkipped(vectrim::msg::kSkippedInvalid);
        return;
    }
    const int64_t columns = std::max<int32_t>(s.columns, 1);
    const int64_t rows = std::max<int32_t>(s.rows, 1);
    int64_t copies = rows * columns;
    if (copies > kMaxArrayCopies) {
        countSkipped(vectrim::msg::kSkippedArrayLimit);
        copies = kMaxArrayCopies;
    }
    const std::vector<Part> parts = blockParts(e, *block, copies);
    if (parts.empty()) return;
    const Matrix place = m * translation(s.p[0]) * rotationZDegrees(s.rotation);
    const Matrix local = scaling(s.scale[0], s.scale[1], s.scale[2]) * translation(-1.0 * block->base);
    for (int64_t k = 0; k < copies; ++k) {
        const int64_t r = k / columns, c = k % columns;
        const Vec3 offset{static_cast<double>(c) * s.columnSpacing, static_cast<double>(r) * s.rowSpacing, 0};
        const Matrix copy = place * translation(offset) * local;
        for (const Part& p : parts) {
            if (full()) return;
            this->place(*p.source, p.layer, copy);
        }
    }
}

void Document::explodeSpline(const Entity& e, const Source& s, const Matrix& m) {
    std::vector<Vec2> points;
    if (!flattenSpline(s, m, quality_, points)) {
        countSkipped(kSkippedBad.data());
        return;
    }
    addPolyline(e.layer, points);
    approximated_[kindName(s.kind)] += 1;
}

void Document::explodeOutline(const Entity& e, const Source& s, const Matrix& m) {
    switch (s.kind) {
        case Kind::Dimension: {
            const Block* block = findBlock(s.block);
            if (!block) {
                countSkipped(vectrim::msg::kSkippedNoBlock);
                return;
            }
            // The block holds the graphics in place; a clone is moved to its
            // insertion point.
            explodeBlock(e, *block, m * translation(ocsMatrix(s.extrusion).point(s.p[2])));
            return;
        }
        case Kind::Solid: {
            // Corners 1, 2, 4, 3 in this order; a triangle repeats corner 3.
            const Vec3 p3 = (s.pointMask & 8) ? s.p[3] : s.p[2];
            std::vector<Vec2> pts{m.point2(s.p[0]), m.point2(s.p[1]), m.point2(p3), m.point2(s.p[2]),
                                  m.point2(s.p[0])};
            addPolyline(e.layer, pts);
            return;
        }
        case Kind::Face3d: {
            const Vec3 p3 = (s.pointMask & 8) ? s.p[3] : s.p[2];
            const Vec3 corners[4] = {s.p[0], s.p[1], s.p[2], p3};
            for (int i = 0; i < 4; ++i)
                if (!(s.flags & (1 << i)))
                    addLine(e.layer, m.point2(corners[i]), m.point2(corners[(i + 1) % 4]));
            return;
        }
        case Kind::Leader: {
            std::vector<Vec2> pts;
            for (const Vertex& v : s.vertices) pts.push_back(m.point2({v.x, v.y, v.z}));
            addPolyline(e.layer, pts);
            return;
        }
        default: return;
    }
}

void Document::explodeText(const Entity& e, const Source& s, const Matrix& m) {
    if (!outliner_) {
        countSkipped(kindName(s.kind));
        return;
    }
    const StyleDef* style = findStyle(s.style.empty() ? std::string("STANDARD") : s.style);
    const FontRequest font{style ? style->font : std::string(), style ? style->family : std::string()};
    double h = s.height;
    if (!(h > 0) && style) h = style->height;
    if (!(h > 0) || !std::isfinite(h)) {
        countSkipped(kSkippedBad.data());
        return;
    }

    // Each line of text is drawn through a map from glyph units (cap height
    // 1) to the world: world = o + u * ux + v * vy.
    struct GlyphMap {
        Vec2 o, ux, vy;
        Vec2 at(Vec2 g) const { return o + g.x * ux + g.y * vy; }
    };
    std::vector<Vec2> points;
    TextOutline outline;
    auto draw = [&](const GlyphMap& map) {
        Vec2 pen{};
        bool open = false;
        for (const TextOutline::Element& el : outline.path) {
            if (full()) return;
            switch (el.op) {
                case TextOutline::Move:
                    pen = map.at(el.p[0]);
                    open = true;
                    break;
                case TextOutline::Line: {
                    const Vec2 to = map.at(el.p[0]);
                    if (open) addLine(e.layer, pen, to);
                    pen = to;
                    break;
                }
                case TextOutline::Cubic: {
                    const Vec2 c1 = map.at(el.p[0]), c2 = map.at(el.p[1]), to = map.at(el.p[2]);
                    if (open) {
                        points.clear();
                        points.push_back(pen);
                        flattenCubic(pen, c1, c2, to, cubicTurnSegments(pen, c1, c2, to, quality_), points);
                        addPolyline(e.layer, points);
                    }
                    pen = to;
                    break;
                }
            }
        }
    };

    if (s.kind == Kind::MText) {
        // The text's plane: x along its direction, z along its extrusion.
        const Matrix ocs = ocsMatrix(s.extrusion);
        Vec3 z = ocs.vector({0, 0, 1});
        Vec3 x = s.has11 ? s.p[1]
                         : ocs.vector({std::cos(toRadians(s.rotation)), std::sin(toRadians(s.rotation)), 0});
        x = x - dot(x, z) * z;
        if (!(norm(x) > 0) || !finite(x)) x = ocs.vector({1, 0, 0});
        x = (1.0 / norm(x)) * x;
        const Vec3 y = cross(z, x);
        const std::vector<std::u32string> lines = mtextLines(s.text);
        const double spacing =
            h * 5.0 / 3.0 * std::clamp(std::isfinite(s.lineSpacing) ? s.lineSpacing : 1.0, 0.25, 4.0);
        const int a = s.attachment >= 1 && s.attachment <= 9 ? s.attachment : 1;
        const int column = (a - 1) % 3, row = (a - 1) / 3;
        const double total = h + static_cast<double>(lines.size() - 1) * spacing;
        const double dy = row == 0 ? 0 : row == 1 ? total / 2 : total;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].empty()) continue;
            if (!outliner_->outline(lines[i], font, outline)) {
                countSkipped(vectrim::msg::kSkippedNoFont);
                return;
            }
            const double w = outline.advance * h;
            const double dx = column == 0 ? 0 : column == 1 ? -w / 2 : -w;
            const double baseline = -h - static_cast<double>(i) * spacing + dy;
            const Vec3 origin = s.p[0] + dx * x + baseline * y;
            const GlyphMap map{m.point2(origin), m.vector2(h * x), m.vector2(h * y)};
            draw(map);
        }
        approximated_[kindName(s.kind)] += 1;
        return;
    }

    // TEXT and ATTRIB
    if (!outliner_->outline(decodeText(s.text), font, outline)) {
        countSkipped(vectrim::msg::kSkippedNoFont);
        return;
    }
    if (outline.path.empty()) return;
    double wf = std::isfinite(s.widthFactor) && s.widthFactor > 0 ? s.widthFactor : 1.0;
    const double oblique = std::isfinite(s.oblique) && std::fabs(normalisedDegrees(s.oblique + 90) - 90) < 85
                               ? std::tan(toRadians(normalisedDegrees(s.oblique + 90) - 90))
                               : 0.0;
    double sx = h * wf, sy = h;
    double rotation = toRadians(std::isfinite(s.rotation) ? normalisedDegrees(s.rotation) : 0.0);
    const double width = outline.advance;
    Vec3 anchor = s.p[0];
    double ox = 0, oy = 0;
    const int ha = s.halign, va = s.valign;
    const Vec2 dir{s.p[1].x - s.p[0].x, s.p[1].y - s.p[0].y};
    if ((ha == 3 || ha == 5) && s.has11 && norm(dir) > 0 && width > 0) {
        // Aligned: scaled to fit between the two points; fit: only stretched.
        rotation = std::atan2(dir.y, dir.x);
        const double k = norm(dir) / (width * sx);
        sx *= k;
        if (ha == 3) sy *= k;
    } else {
        if ((ha != 0 || va != 0) && s.has11) anchor = s.p[1];
        if (ha == 1 || ha == 4) ox = width * sx / 2;
        if (ha == 2) ox = width * sx;
        if (ha == 4)
            oy = sy / 2;
        else if (va == 1)
            oy = -outline.descent * sy;
        else if (va == 2)
            oy = sy / 2;
        else if (va == 3)
            oy = sy;
    }
    const double mx = (s.generation & 2) ? -1 : 1; // backward
    const double my = (s.generation & 4) ? -1 : 1; // upside down
    const double c = std::cos(rotation), sn = std::sin(rotation);
    // Glyph (u, v) -> text plane: X = mx (sx u + sy oblique v - ox), Y = my (sy v - oy).
    auto plane = [&](double u, double v) {
        const double X = mx * (sx * u + sy * oblique * v - ox);
        const double Y = my * (sy * v - oy);
        return Vec3{anchor.x + X * c - Y * sn, anchor.y + X * sn + Y * c, anchor.z};
    };
    const Vec2 o = m.point2(plane(0, 0));
    const GlyphMap map{o, m.point2(plane(1, 0)) - o, m.point2(plane(0, 1)) - o};
    draw(map);
    approximated_[kindName(s.kind)] += 1;
}

} // namespace dxf
