// Entities as the file states them: what the reader keeps of every entity
// kind it understands, in the entity's own coordinates (world or object
// coordinates, see isObjectCoordinates), together with the tables and the
// block definitions.
#pragma once

#include "geom.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dxf {

enum class Kind : uint8_t {
    Line,
    Arc,
    Circle,
    Ellipse,
    LwPolyline,
    Polyline, // 2D or 3D POLYLINE with its vertices
    Insert,   // INSERT or MINSERT
    Text,
    MText,
    Attrib,
    Spline,    // SPLINE and HELIX
    Dimension, // every DIMENSION kind: its block holds the graphics
    Solid,     // SOLID and TRACE
    Face3d,
    Leader,
    Other, // a type that is not drawn; text holds its name
};

// Type codes of the entity walk.
inline constexpr int kTypeLine = 2;
inline constexpr int kTypePolyline = 3;
inline constexpr int kTypeArc = 4;
inline constexpr int kTypeInsert = 6;
inline constexpr int kTypeText = 14;
inline constexpr int kTypeOutline = 18;
// Arc kinds: a circular arc or circle, and an elliptical one that must be
// exploded.
inline constexpr int kArcCircular = 0;
inline constexpr int kArcElliptical = 3;

int typeCode(Kind kind);
// True for entities whose coordinates are object coordinates of their
// extrusion direction; false for those in world (or block) coordinates.
bool isObjectCoordinates(Kind kind);
const char* kindName(Kind kind);

struct Vertex {
    double x = 0, y = 0, z = 0;
    double bulge = 0;
    int32_t flags = 0;
};

// POLYLINE flags (group 70).
inline constexpr int32_t kPolyClosed = 1;
inline constexpr int32_t kPolyCurveFit = 2;
inline constexpr int32_t kPolySplineFit = 4;
inline constexpr int32_t kPoly3d = 8;
inline constexpr int32_t kPolyMesh = 16;
inline constexpr int32_t kPolyFaceMesh = 64;
// VERTEX flags.
inline constexpr int32_t kVertexSplineFrame = 16;
inline constexpr int32_t kVertexFaceRecord = 128;

struct Source {
    Kind kind = Kind::Line;
    bool invisible = false; // group 60 = 1, or an ATTRIB's invisible flag
    std::string layer = "0";
    Vec3 extrusion{0, 0, 1}; // 210/220/230
    // Points 10, 11, 12, 13 (their meaning depends on the kind).
    Vec3 p[4];
    bool has11 = false;
    uint8_t pointMask = 0;     // bit i: x and y of point 1i were given
    double radius = 0;         // 40 (ARC, CIRCLE)
    double start = 0, end = 0; // ARC angles (degrees); ELLIPSE parameters (radians)
    double ratio = 1;          // ELLIPSE
    double height = 0;         // text height
    double rotation = 0;       // degrees (INSERT, TEXT, MTEXT)
    double widthFactor = 1;    // TEXT 41
    double oblique = 0;        // TEXT 51, degrees
    double lineSpacing = 1;    // MTEXT 44
    int32_t halign = 0, valign = 0;
    int32_t generation = 0; // TEXT 71: 2 backward, 4 upside down
    int32_t attachment = 1; // MTEXT 71
    double scale[3] = {1, 1, 1};
    int32_t columns = 1, rows = 1;
    double columnSpacing = 0, rowSpacing = 0;
    double elevation = 0; // LWPOLYLINE 38
    int32_t flags = 0;    // 70
    int32_t degree = 3;   // SPLINE 71
    std::vector<Vertex> vertices;
    std::vector<double> knots, weights;
    std::vector<Vec3> control, fit;
    Vec3 startTangent, endTangent;
    bool hasStartTangent = false, hasEndTangent = false;
    std::string text;  // TEXT value, MTEXT chunks joined
    std::string style; // 7
    std::string block; // 2 (INSERT, DIMENSION)
};

struct LayerDef {
    std::string name;
    bool off = false;    // negative colour
    bool frozen = false; // flag 1
};

struct StyleDef {
    std::string name;
    std::string font;   // font file (3)
    std::string family; // the true type family from the extended data
    double height = 0;  // fixed height (40)
};

struct Block {
    std::string name;
    Vec3 base;
    int32_t flags = 0; // 4: external reference
    std::vector<Source> entities;
};

} // namespace dxf
