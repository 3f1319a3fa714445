// libFuzzer target: reads any bytes as a small drawing (lines and arcs on a
// coarse grid, moved by the near misses the stages care about, or placed
// freely) and runs every operation of the differential harness on it with
// the fast and the literal stage set: each stage, the checks, the analysis,
// contour picking, the polyline save and the whole run (with the default
// tolerances, and with a combination of the tolerance groups on and off and
// "Runde Linie-Linie" that the first byte chooses; picking and the save on
// every fourth input). It stops on any difference, on a coordinate that is
// not finite and on an arc without a positive radius in what the fast set
// leaves; the sanitizers of the fuzz build stop it on any fault.
#include "model/drawing.h"
#include "operations.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vectrim;

constexpr int kMaxFuzzElements = 96;

// Offsets from the grid points: mostly none, else just inside and outside
// the tolerances of 0.001 and 0.0001 and a few short lengths.
constexpr double kOffsets[16] = {0,      0,       0,          0,         0.0001,     -0.0001,   0.001, -0.001,
                                 0.0005, 0.00001, 0.00099999, 0.0010001, 0.00009999, 0.0001001, 0.01,  0.05};
constexpr double kSteps[4] = {1, 0.5, 2.5, 10};

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : p_(data), n_(size) {}
    bool empty() const { return n_ == 0; }
    uint8_t next() {
        if (n_ == 0) return 0;
        --n_;
        return *p_++;
    }
    double raw() {
        uint8_t b[8];
        for (uint8_t& x : b) x = next();
        double v;
        std::memcpy(&v, b, sizeof v);
        return v;
    }

private:
    const uint8_t* p_;
    size_t n_;
};

class Decoder {
public:
    Decoder(Bytes& b, Drawing& d) : b_(b), d_(d), step_(kSteps[b.next() & 3]) {}

    void element() {
        const uint8_t kind = b_.next();
        switch (kind & 7) {
            case 0:
            case 1:
            case 2: line(); break;
            case 3: chain(1 + (kind >> 3) % 8); break;
            case 4:
            case 5: arc(); break;
            case 6: freeLine(); break;
            default: freeArc(); break;
        }
    }

private:
    Bytes& b_;
    Drawing& d_;
    double step_;

    double coordinate() {
        const uint8_t v = b_.next();
        return (v & 15) * step_ + kOffsets[v >> 4];
    }
    double angle() {
        const uint8_t v = b_.next();
        double a = (v % 24) * 15.0 + kOffsets[(v / 24) % 16] * 100;
        if (a < 0) a += 360;
        if (a > 360) a -= 360;
        return a;
    }
    void line() {
        const double x1 = coordinate(), y1 = coordinate();
        d_.appendLine(x1, y1, coordinate(), coordinate());
    }
    // Lines end to end from a grid point.
    void chain(int n) {
        double x = coordinate(), y = coordinate();
        for (int k = 0; k < n && d_.elementCount() < kMaxFuzzElements; ++k) {
            const double nx = coordinate(), ny = coordinate();
            d_.appendLine(x, y, nx, ny);
            x = nx;
            y = ny;
        }
    }
    void arc() {
        const double cx = coordinate(), cy = coordinate();
        const uint8_t v = b_.next();
        const double radii[8] = {step_, 2 * step_, 0.5 * step_, step_ * std::sqrt(2.0),
                                 0.05,  0.005,     3 * step_,   0.0002};
        const double r = radii[v & 7] + kOffsets[v >> 4] * 0.1;
        double a1 = angle(), a2 = angle();
        if (a1 == a2) { // a full circle
            a1 = 0;
            a2 = 360;
        }
        d_.appendArc(cx, cy, r, a1, a2);
    }
    static bool usable(double v) { return std::isfinite(v) && std::fabs(v) < 1e5; }
    void freeLine() {
        const double x1 = b_.raw(), y1 = b_.raw(), x2 = b_.raw(), y2 = b_.raw();
        if (usable(x1) && usable(y1) && usable(x2) && usable(y2)) d_.appendLine(x1, y1, x2, y2);
    }
    void freeArc() {
        const double cx = b_.raw(), cy = b_.raw(), r = b_.raw(), a1 = b_.raw(), a2 = b_.raw();
        if (usable(cx) && usable(cy) && usable(r) && r > 0 && std::isfinite(a1) && std::isfinite(a2))
            d_.appendArc(cx, cy, r, normalisedAngle(std::fmod(a1, 3600.0)),
                         normalisedAngle(std::fmod(a2, 3600.0)));
    }
};

[[noreturn]] void stop(const std::string& what) {
    std::fprintf(stderr, "differential_fuzzer: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// What every stage promises about the tables it leaves.
std::string unsound(const Drawing& d) {
    for (int32_t i = 0; i < d.linecount; ++i) {
        const Line& l = d.lines[i];
        if (!std::isfinite(l.x1) || !std::isfinite(l.y1) || !std::isfinite(l.x2) || !std::isfinite(l.y2))
            return "line " + std::to_string(i) + " is not finite";
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const Arc& a = d.arcs[i];
        if (!std::isfinite(a.cx) || !std::isfinite(a.cy) || !std::isfinite(a.r) || !std::isfinite(a.a1) ||
            !std::isfinite(a.a2))
            return "arc " + std::to_string(i) + " is not finite";
        if (!(a.r > 0)) return "arc " + std::to_string(i) + " has the radius " + std::to_string(a.r);
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto* differ = new differential::Differ;
    static auto* input = new Drawing;
    Drawing& d = *input;
    d.clear();
    d.freecount = 0;
    Bytes bytes(data, size);
    Decoder decoder(bytes, d);
    while (!bytes.empty() && d.elementCount() < kMaxFuzzElements) decoder.element();

    // Every operation but the runs, then two of the sixteen runs: the one
    // with the default tolerances and one the first byte chooses. Picking
    // and the polyline save, whose literal form copies the whole tables
    // each time, on every fourth input (the second byte chooses).
    const std::vector<const differential::Operation*> runs = differential::operationsNamed("run ");
    const differential::Operation* chosen = runs[(size ? data[0] : 0) % runs.size()];
    const bool withContours = size < 2 || data[1] % 4 == 0;
    for (const differential::Operation& op : differential::allOperations()) {
        if (op.name.rfind("run ", 0) == 0 && op.name != "run 0.3 0.2 0.2" && &op != chosen) continue;
        if ((op.name == "pick" || op.name == "polylines") && !withContours) continue;
        const std::string diff = differ->compare(d, op);
        if (!diff.empty()) stop(diff);
        const std::string bad = unsound(differ->fastDrawing());
        if (!bad.empty()) stop(op.name + ": " + bad);
    }
    return 0;
}
