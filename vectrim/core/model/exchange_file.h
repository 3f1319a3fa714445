// The entity exchange file tempd.dat: the drawing as lines and arcs, written
// by the import and read (then deleted) by the main program.
//
//   line: "1", X1, Y1, X2, Y2     arc: "2", centre X, centre Y, radius,
//   start angle, end angle (degrees, counter-clockwise)     end: "e"
#pragma once

#include "drawing.h"
#include "host.h"
#include "textfile.h"

#include <cstdint>
#include <string>

namespace vectrim {

// Writes tempd.dat the way the import does: an existing non-empty file is
// deleted first; the records go to a temporary file that becomes the target
// only when finish() succeeds.
class ExchangeWriter {
public:
    explicit ExchangeWriter(const std::string& path);

    bool ok() const { return out_.ok(); }
    // A line record, unless the line is 0.00001 long or shorter.
    void line(double x1, double y1, double x2, double y2);
    // An arc record from a start angle and a signed sweep (degrees); a sweep
    // of 0 is a full circle. The angles are brought into 0 .. 360.
    void arc(double cx, double cy, double r, double start, double sweep);
    // Writes the end marker and puts the file in place.
    bool finish();

    int64_t lines() const { return lines_; }
    int64_t arcs() const { return arcs_; }
    // Records left out because a value was not finite or the radius not
    // positive.
    int64_t rejected() const { return rejected_; }

private:
    AtomicTextFile out_;
    int64_t lines_ = 0, arcs_ = 0, rejected_ = 0;
};

// The angles of an arc record for a start angle and signed sweep.
struct ArcAngles {
    double start, end;
};
ArcAngles exchangeArcAngles(double start, double sweep);

enum class ExchangeRead { Ok, TooLarge, ReadFailure };

// Reads tempd.dat into the drawing (counts set to 0 first) and deletes the
// file after a complete read. A drawing too large for the tables and a file
// that is missing, ends early or holds a number that does not fit are
// reported to the user; the drawing is then empty. Arc records with a radius
// that is not positive are skipped.
ExchangeRead readExchangeFile(const std::string& path, Drawing& drawing, Host& host);

// Writes the drawing as an exchange file: every line in index order, then
// every arc in index order, then "e".
bool writeExchangeFile(const std::string& path, const Drawing& drawing);

} // namespace vectrim
