// The fixed tolerances and limits of the drawing model and its stages, in
// millimetres (or the unit named), each with where it is used.
#pragma once

#include <cstdint>

namespace vectrim {

// ---- capacities and references ----
inline constexpr int32_t kTableSlots = 100001;    // slots 0 .. 100000 of the line and arc tables
inline constexpr int32_t kMaxElements = 99999;    // at most this many lines, and as many arcs
inline constexpr int32_t kArcRef = 100000;        // element reference of arc i: i + kArcRef
inline constexpr int32_t kOrderSlots = 200002;    // contour order table, slots 0 .. 200001
inline constexpr int32_t kFreeEndSlots = 400001;  // free-end (mark) table, slots 0 .. 400000
inline constexpr int32_t kMarkLimit = 400000;     // inspection checks stop at this mark count

// ---- angles ----
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717959;
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;

// ---- coincidence ----
inline constexpr double kSamePoint = 0.001;       // two ends coincide: |dx| and |dy| below this
inline constexpr double kSplitPoint = 0.0001;     // junction splitting: a cut point must differ from the ends by this
inline constexpr double kArcJoinAngle = 0.01;     // arc joining: end and start angle agree (degrees)

// ---- element sizes ----
inline constexpr double kMinLength = 0.1;         // elements shorter than this are small (small-element deletion)
inline constexpr double kMinRadius = 0.15;        // smallest radius an arc fit or fillet may have
inline constexpr double kMaxRadius = 10000;       // larger radii count as straight
inline constexpr double kTinyLength = 0.01;       // tiny-element cleanup removes shorter elements
inline constexpr double kNullLength = 0.0001;     // deleted unconditionally by small-element deletion
inline constexpr double kImportMinLength = 0.00001; // the import drops lines of this length or less

// ---- DXF export ----
inline constexpr double kPolylineMaxSweep = 180;  // degrees: longer arcs become two bulge segments of a polyline

// ---- corners ----
inline constexpr double kCornerMinAngle = 0.11;   // degrees: smaller deflections are no corner
inline constexpr double kCornerMaxAngle = 179.9;  // degrees: larger deflections are reversals

// ---- inspection, analysis and editing ----
inline constexpr int32_t kLongCheckElements = 5000; // longer checks ask first above this element count
inline constexpr double kDirectionThreshold = 0.47123889803846847 / 180; // radians (0.15 degrees): smaller bends are no corner
inline constexpr double kArcProbe = 0.000009;     // radians: an arc's direction at an end is taken to the point this far inside
inline constexpr double kArcPairMargin = 0.1;     // arc-arc corner check: bounding squares widened by this before the overlap test
inline constexpr double kReversalAngle = 0.1;     // degrees: arc-arc corners below this are reversals, not marked
inline constexpr double kJunctionPoint = 0.0001;  // junction check: ends closer than this per axis meet
inline constexpr double kPickDivisor = 160;       // the view width over this: mouse tolerance of the angle readout and of picking

// ---- scaling ----
inline constexpr double kUniformScale = 0.001;    // factors closer than this count as equal: arcs stay arcs
inline constexpr double kDivisionSagitta = 0.1;   // arcs flatter than this become their chord when divided
inline constexpr double kDivisionStep = 0.5;      // arc length per segment before the 6 .. 30 limits
inline constexpr double kInchToMm = 25.4;
inline constexpr double kMaxScaledSize = 1e9;     // a new drawing size beyond this is refused

} // namespace vectrim
