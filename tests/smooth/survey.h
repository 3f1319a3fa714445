// Measuring what the smoothing block does to a drawing: its junctions before
// and after (which corners went, which junctions were changed and how
// tangent they are) and how far the result strays from the drawing before.
#pragma once

#include "model/session.h"

#include <string>
#include <vector>

namespace vectrim::survey {

// The smoothing block of a processing run, in the run's order, with the
// line-to-line rounding switched on. `stages` picks stages by bit, in that
// order (1 smootharcline, 2 smootharcarc, 4 roundlinecorners, 8
// roundarcline, 16 roundarcarc).
void smoothingBlock(Session& s, unsigned stages = 31);

// The used part of a drawing's line and arc tables.
struct Elements {
    std::vector<Line> lines;
    std::vector<Arc> arcs;
    int32_t linecount = 0, arccount = 0;
    int32_t elementCount() const { return linecount + arccount; }
};
Elements elementsOf(const Drawing& d);

// One junction: two element ends that meet (0.001 per axis), nothing else
// meeting there.
struct Junction {
    Point p, q;            // the end of a and the end of b
    int32_t a = 0, b = 0;  // element references, a < b
    double deflection = 0; // radians: 0 straight on, π reversal
    // The way the path turns there. The path runs the way the first arc of
    // the pair is stored (counter-clockwise), between two lines the way the
    // first line is stored.
    bool right = false;
};

// Kinds of junction: two lines, a line and an arc, two arcs.
enum JunctionKind { LineLine, LineArc, ArcArc, kJunctionKinds };
JunctionKind kindOf(const Junction& j);
// Kinks and corners (as in Figures) of one kind and turn, and how many of
// them were handled.
struct Tally {
    int32_t kinks = 0, kinksHandled = 0, corners = 0, cornersHandled = 0;
    void add(const Tally& t) {
        kinks += t.kinks, kinksHandled += t.kinksHandled;
        corners += t.corners, cornersHandled += t.cornersHandled;
    }
};
// The junctions of the drawing (two ends meeting alone lie in one contour).
std::vector<Junction> junctions(const Elements& d);

struct Figures {
    int32_t elementsBefore = 0, elementsAfter = 0, filletsAdded = 0;
    // Junctions before, by deflection: kinks (1.74e-5 .. 0.4 rad) and
    // corners (0.4 rad .. 179.9°); and how many of each are gone or tangent
    // (within 1e-6 rad) afterwards.
    int32_t kinks = 0, kinksHandled = 0, corners = 0, cornersHandled = 0;
    // The same by kind of junction and turn (0 left, 1 right).
    Tally byTurn[kJunctionKinds][2];
    // Junctions afterwards where an element end moved or a fillet joins.
    int32_t changed = 0, changedNotTangent = 0;
    double worstChangedDeflection = 0;
    // Junctions whose ends stayed but whose deflection grew by over 0.01.
    int32_t keptButWorse = 0;
    // Largest sampled distance of the result from the drawing before, and of
    // the drawing before from the result.
    double outward = 0, inward = 0;
    double seconds = 0;
};

// Runs the block on the session's drawing (with the session's smoothtol) and
// measures it.
Figures measure(Session& s, unsigned stages = 31);

// A whole processing run (bearbeitungeinfach) with the given field texts and
// "Runde Linie-Linie" ticked: the smoothing block is measured between its
// first and last stage (as measure() does), and the final drawing for the
// junctions the block made.
struct RunFigures {
    bool blockRan = false;
    Figures block;
    // Junctions of the final drawing where the block made a junction.
    int32_t finalChanged = 0, finalNotTangent = 0;
    double finalWorst = 0;
    // Largest sampled distance of the final drawing from the one before the
    // smoothing block.
    double finalOutward = 0;
    double runSeconds = 0;
};
RunFigures measureRun(Session& s, const std::string& reduce, const std::string& gap,
                      const std::string& smooth);

// Largest distance of points sampled along `from` (every `step` mm, at
// least 16 per element) to the nearest element of `to`.
double sampledDistance(const Elements& from, const Elements& to, double step);

// Mirrors a drawing in the y axis (x becomes -x): every turn of a path
// becomes the opposite turn, and every arc runs the other way round its
// centre (so it is stored from the mirror of its end to that of its start).
void mirror(Drawing& d);

// Generated drawings in the manner of polygonised input: curves as chains of
// short lines, the same kind of curves fitted piecewise with arcs and lines
// (small kinks at every junction), and parts with sharp corners between
// lines and arcs. `scale` multiplies all lengths.
int generatedCount();
const char* generatedName(int which);
void addGenerated(Drawing& d, int which, double scale);

} // namespace vectrim::survey
