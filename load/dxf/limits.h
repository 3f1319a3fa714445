// Caps on what a DXF file may ask of the import. Whatever lies beyond them
// is absurd for a drawing that the main program can hold (99999 lines and
// 99999 arcs); it is cut off and counted, so that no file can make the
// import allocate without bound or run for hours.
#pragma once

#include <cstddef>
#include <cstdint>

namespace dxf {

// Entities of the drawing, parts of exploded ones included (about 100 bytes
// each).
inline constexpr int32_t kMaxEntities = 2'000'000;
// Lines of one flattened curve.
inline constexpr int32_t kMaxCurveSegments = 100'000;
// Copies of one MINSERT (rows times columns).
inline constexpr int64_t kMaxArrayCopies = 1'000'000;
// Splines of a higher degree are not used.
inline constexpr int32_t kMaxSplineDegree = 15;
// Bytes of one entity's text.
inline constexpr size_t kMaxTextBytes = size_t(1) << 20;
// Files larger than this are not read.
inline constexpr int64_t kMaxFileBytes = int64_t(1) << 31;

} // namespace dxf
