// The fixed tolerances and limits of the drawing model and its stages, in
// millimetres (or the unit named), each with where it is used.
#pragma once

#include <cstdint>

namespace vectrim {

// ---- capacities and references ----
inline constexpr int32_t kTableSlots = 100001;   // slots 0 .. 100000 of the line and arc tables
inline constexpr int32_t kMaxElements = 99999;   // at most this many lines, and as many arcs
inline constexpr int32_t kArcRef = 100000;       // element reference of arc i: i + kArcRef
inline constexpr int32_t kOrderSlots = 200002;   // contour order table, slots 0 .. 200001
inline constexpr int32_t kFreeEndSlots = 400001; // free-end (mark) table, slots 0 .. 400000
inline constexpr int32_t kMarkLimit = 400000;    // the checks stop at this mark count

// ---- angles ----
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717959;
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kRadToDeg = 57.2957795130823;

// ---- coincidence ----
inline constexpr double kSamePoint = 0.001; // two ends coincide: |dx| and |dy| below this
inline constexpr double kSplitPoint =
    0.0001; // junction splitting: a cut point must differ from the ends by this
inline constexpr double kArcJoinAngle = 0.01; // arc joining: end and start angle agree (degrees)

// ---- element sizes ----
inline constexpr double kMinLength = 0.1;     // elements shorter than this are small (small-element deletion)
inline constexpr double kMinRadius = 0.15;    // smallest radius an arc fit or fillet may have
inline constexpr double kMaxRadius = 10000;   // larger radii count as straight
inline constexpr double kTinyLength = 0.01;   // tiny-element cleanup removes shorter elements
inline constexpr double kNullLength = 0.0001; // deleted unconditionally by small-element deletion
inline constexpr double kImportMinLength = 0.00001; // the import drops lines of this length or less
inline constexpr double kCurveDeviation =
    0.01; // drawing units: the import flattens curves into lines no farther than this from the curve
inline constexpr double kSimilarityRel =
    1e-9; // the import keeps an arc circular when its two axes agree to this fraction

// ---- factors written with fewer digits by some stages ----
inline constexpr double kDegToRadShort = 0.01745329251994; // junction splitting, duplicates, joining
inline constexpr double kRadToDegShort =
    57.29577951;                                   // arcs refitted by small-element deletion and gap closing
inline constexpr double kPiShort = 3.141592654;    // arccos of the line joining
inline constexpr double kTwoPiShort = 6.283185307; // sweeps in arc fitting and chord conversion

// ---- junction splitting ----
inline constexpr double kSplitSearchMargin = 0.1; // a cut point lies within the element's box widened by this
inline constexpr double kTinyCircleLength = 0.1;  // closed arcs up to this length cut nothing

// ---- duplicate removal ----
inline constexpr int kDuplicateArcSamples = 20; // arc i is sampled at 21 points (20 steps)

// ---- stretching ends (small elements, gaps) ----
inline constexpr double kArcEndMatch = 0.0001; // an arc's end point (not its start) must match this closely

// ---- gap closing ----
inline constexpr double kGapUsed = -10000;       // x and y of a free end that has been dealt with
inline constexpr double kGapRadiusWhenOff = 0.1; // the gap radius of a run whose gap field is 0
inline constexpr double kNoGap = 1000000;        // nearest-partner search: larger than any gap

// ---- arc fitting ----
inline constexpr double kMaxFitSweep = 3.0;      // radians: a fitted arc sweeps at most this
inline constexpr double kMinSagittaFactor = 0.1; // a fitted arc bulges at least this times minlength
inline constexpr int kSegmentSamples =
    5; // a line is checked against an arc at 0, .2, .4, .6, .8 of its length

// ---- chord conversion and line-run reduction ----
inline constexpr double kChordsPerMm = 0.1; // chords per millimetre of a nearly straight arc
inline constexpr int kMaxChords = 40;       // at most this many chords per arc
inline constexpr double kNearBoxMargin =
    0.00001; // a left-out point lies in the replacing line's box widened by this

// ---- joining ----
inline constexpr double kJoinEndMatch = 0.0001;   // lines join at ends this close
inline constexpr double kJoinDirection = 0.00001; // radians: joined lines differ in direction by at most this
inline constexpr double kJoinDeviation = 0.001;   // the shared point lies this close to the joined line
inline constexpr double kArcJoinRadius = 0.001;   // arcs join when centres and radii agree within this
inline constexpr double kArcJoinFull = 0.001;     // degrees: an end at 360 continues a start at 0

// ---- processing run ----
inline constexpr int32_t kLineQuestionLimit = 1000; // more lines than this: ask before the gap group

// ---- DXF export ----
inline constexpr double kPolylineMaxSweep =
    180; // degrees: longer arcs become two bulge segments of a polyline

// ---- corners ----
inline constexpr double kCornerMinAngle = 0.11;  // degrees: smaller deflections are no corner
inline constexpr double kCornerMaxAngle = 179.9; // degrees: larger deflections are reversals

// ---- smoothing (kinks and corners between lines and arcs) ----
inline constexpr double kArcMaxSweep = 3.141592654;    // radians: the arc check's largest sweep
inline constexpr double kLineFilletStartRadius = 10.0; // line-line fillets: the first radius tried
inline constexpr double kLineFilletStepShare = 0.02; // line-line fillets: step = (start - minradius) × this
inline constexpr double kKinkMin = 1.74e-05;         // radians: smaller arc-line deflections count as tangent
inline constexpr double kKinkMax = 0.4; // radians: larger arc-line deflections are corners, not kinks
inline constexpr double kTangentTolerance = 0.01; // radians: line and arc tangent must agree after reshaping
inline constexpr double kTangentProbe =
    0.0001; // radians: arc point behind an end from which its tangent is taken
inline constexpr double kLineSampleStep = 0.1;      // mm: spacing of the test points along a reshaped line
inline constexpr double kFilletStepShare = 0.01;    // arc fillets: radius step as a share of the radius range
inline constexpr double kArcArcMinKink = 0.01;      // degrees: smaller arc-arc deflections count as tangent
inline constexpr double kArcArcMinCorner = 0.00174; // radians: arc-arc fillets need at least this deflection
inline constexpr double kArcArcFilletFactor =
    3; // arc-arc fillets: the first radius is this × the larger radius
inline constexpr double kArcArcFilletLowest = 0.1; // mm: arc-arc fillet radii stay above this
inline constexpr double kWithThePath =
    kPi / 2; // radians: a fillet's travel within this of the path's runs with it
inline constexpr double kArcJunctionPoint = 0.01; // arc ends meet for the junction code within this per axis
inline constexpr double kBiarcMaxSweep = 1.5;     // × π: largest sweep of a reshaped arc
inline constexpr double kOppositeGrowth = 1.2;    // arcs in opposite senses may grow in length by this factor

// ---- checks, analysis and editing ----
inline constexpr int32_t kLongCheckElements = 5000; // longer checks ask first above this element count
inline constexpr double kDirectionThreshold =
    0.47123889803846847 / 180; // radians (0.15 degrees): smaller bends are no corner
inline constexpr double kArcProbe =
    0.000009; // radians: an arc's direction at an end is taken to the point this far inside
inline constexpr double kArcPairMargin =
    0.1; // arc-arc corner check: bounding squares widened by this before the overlap test
inline constexpr double kReversalAngle = 0.1; // degrees: arc-arc corners below this are reversals, not marked
inline constexpr double kJunctionPoint = 0.0001; // junction check: ends closer than this per axis meet
inline constexpr double kPickDivisor =
    160; // the view width over this: mouse tolerance of the angle readout and of picking

// ---- scaling ----
inline constexpr double kUniformScale = 0.001;  // factors closer than this count as equal: arcs stay arcs
inline constexpr double kDivisionSagitta = 0.1; // arcs flatter than this become their chord when divided
inline constexpr double kDivisionStep = 0.5;    // arc length per segment before the 6 .. 30 limits
inline constexpr double kInchToMm = 25.4;
inline constexpr double kMaxScaledSize = 1e9; // a new drawing size beyond this is refused

} // namespace vectrim
