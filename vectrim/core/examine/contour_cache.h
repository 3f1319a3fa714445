// The contours of the drawing as it is, built once per drawing state and
// kept for contour picking ("Kontur löschen") and the polyline save, so
// that a click or a save does not build every contour again. The kept
// contours belong to the used tables they were built from (counts, lines,
// arcs and contour order table, compared bit for bit); any change of them,
// by whatever command, makes the next call build again. Building shows its
// progress texts as contour building does; a call that finds the contours
// kept shows none.
#pragma once

#include "model/drawing.h"
#include "model/host.h"

#include <memory>

namespace vectrim {

// The contours built on a copy of the drawing (see contoursOnCopy), kept
// from an earlier call while the drawing's used tables are the same.
std::shared_ptr<const Drawing> keptContours(const Drawing& d, Host& host);

// contoursOnCopy through the kept contours: a copy the caller owns.
std::unique_ptr<Drawing> keptContoursOnCopy(const Drawing& d, Host& host);

// Drops the kept contours (their memory, and the next call builds).
void forgetKeptContours();

} // namespace vectrim
