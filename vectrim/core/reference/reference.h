// The literal implementation of every stage, check and contour operation,
// kept as the measure of the fast one: each function does exactly what its
// namesake in vectrim/core/pipeline and vectrim/core/examine did before they
// were made fast (full scans, restarts and all), and the fast ones must give
// the same tables. Linked only by the tests, the benchmarks, the fuzzer and
// vectrim-cli (`vectrim-cli --reference COMMAND ...`), never by the programs.
// Inside this namespace every call to a function of the set is qualified
// with reference::, so that it never reaches the fast namesake.
#pragma once

#include "model/drawing.h"
#include "model/host.h"
#include "model/run_settings.h"
#include "pipeline/contours.h"
#include "pipeline/line_run_walk.h"
#include "pipeline/stage_set.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace vectrim::reference {

// The set of these functions, for useStageSet.
const StageSet& referenceStageSet();

// Junction splitting.
void splitatjunctions(Drawing& d, Host& host, int16_t& full);
void splitelementsat(Drawing& d, Host& host, double x, double y, int32_t index, ElementKind kind,
                     int16_t& full);

// Duplicate removal.
void removeduplicates(Drawing& d, Host& host);

// Small-element deletion.
void deletesmallelements(Drawing& d, const RunSettings& t, Host& host);
void reattachend(Drawing& d, double px, double py, double qx, double qy, int32_t index, ElementKind kind,
                 int16_t& found);

// Gap closing.
void closegaps(Drawing& d, Host& host, double& t);
void moveendto(Drawing& d, double px, double py, double qx, double qy, int16_t& found);

// The two element scans the deletion stages share: the first end at P moved
// to Q, and the first element in order-table order shorter than a length.
bool moveFirstEndAt(Drawing& d, Point p, Point q, std::optional<ElementRef> skip);
bool deleteFirstShorterThan(Drawing& d, double length);

// Line-to-arc conversion and tiny-element cleanup.
void convertlines(Drawing& d, const RunSettings& t, Host& host);
void fitarcs(Drawing& d, const RunSettings& t, Host& host, int32_t first, int32_t last,
             std::span<const Point> points, AppendedLines& lines);
void segmentonarc(double px, double py, double qx, double qy, double cx, double cy, double r, double a1,
                  double a2, int16_t& ok, double tolerance);
void deletetinyelements(Drawing& d);

// Reduction of arcs and line runs.
void arcstolines(Drawing& d, const RunSettings& t);
void reducelines(Drawing& d, const RunSettings& t, Host& host);
void simplifyrun(Drawing& d, std::span<const Point> points, int32_t m, double r, AppendedLines& lines);
bool nearsegment(Point q, Point a, Point b, double r);

// Element joining.
void joinarcs(Drawing& d);
void joinlines(Drawing& d);

// Contour building, free ends, the element at a point.
void findfreeends(Drawing& d);
ElementAt findelementat(const Drawing& d, double px, double py);
void buildcontours(Drawing& d, Host& host);
std::unique_ptr<Drawing> contoursOnCopy(const Drawing& d, Host& host);
bool anyFreeEnd(Drawing& d);

// Smoothing.
void roundlinecorners(Drawing& d, const RunSettings& t, Host& host);
void smootharcline(Drawing& d, const RunSettings& t, Host& host);
void roundarcline(Drawing& d, const RunSettings& t, Host& host);
void smootharcarc(Drawing& d, const RunSettings& t, Host& host);
void roundarcarc(Drawing& d, const RunSettings& t, Host& host);

// The checks of "Kontrolle".
void eck3(Drawing& d);
void eck2(Drawing& d);
void eck1(Drawing& d);
int16_t countendsat(const Drawing& d, double x, double y);
void findjunctions(Drawing& d);
void findsmallelements(Drawing& d);

// Contour picking.
std::vector<ElementRef> contourOf(const Drawing& d, Host& host, ElementRef ref);

} // namespace vectrim::reference
