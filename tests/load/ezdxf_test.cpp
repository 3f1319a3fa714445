// Drawings made by ezdxf, an independent DXF library, imported and compared
// with the geometry that ezdxf derives from them (make_fixtures.py):
// inserts nested, mirrored, rotated, scaled without uniformity and arrayed,
// object coordinate systems, ellipses and splines.
#include "load_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace vectrim {
namespace {

using test::Imported;
using test::Record;

constexpr double kSame = 1e-6;  // coordinates of the same point by two libraries
constexpr double kChord = 0.01; // the flattening's chord deviation

struct Expected {
    char kind;
    std::vector<double> v;
};

class EzdxfFixtures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir;
        const std::string command = "/usr/bin/python3 " VECTRIM_SOURCE_DIR "/tests/load/make_fixtures.py '" +
                                    dir_->folder() + "' 2>&1";
        available_ = std::system(command.c_str()) == 0;
    }
    static void TearDownTestSuite() { delete dir_; }

    void SetUp() override {
        if (!available_) GTEST_SKIP() << "python3-ezdxf is not installed";
    }

    static std::vector<Expected> expected(const std::string& name) {
        std::ifstream in(dir_->file(name + ".expected"));
        std::vector<Expected> out;
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream s(line);
            Expected e{};
            s >> e.kind;
            double v = 0;
            while (s >> v) e.v.push_back(v);
            out.push_back(e);
        }
        return out;
    }

    static Imported imported(const std::string& name) {
        return test::importDxfText(dir_->read(name + ".dxf"));
    }

    static test::TempDir* dir_;
    static bool available_;
};

test::TempDir* EzdxfFixtures::dir_ = nullptr;
bool EzdxfFixtures::available_ = false;

double angleGap(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360 - d);
}

bool sameArc(const Record& r, const Expected& e) {
    if (std::fabs(r.v[0] - e.v[0]) > kSame || std::fabs(r.v[1] - e.v[1]) > kSame ||
        std::fabs(r.v[2] - e.v[2]) > kSame)
        return false;
    const bool fullR = r.v[3] == 0 && r.v[4] == 360;
    const bool fullE = e.v[3] == 0 && e.v[4] == 360;
    if (fullR || fullE) return fullR == fullE;
    return angleGap(r.v[3], e.v[3]) < 1e-6 && angleGap(r.v[4], e.v[4]) < 1e-6;
}

// The parameter of a point on the elliptical arc, or nothing when the point
// is not on the ellipse.
std::optional<double> onEllipse(const Expected& e, double x, double y) {
    const double cx = e.v[0], cy = e.v[1], px = e.v[2], py = e.v[3], qx = e.v[4], qy = e.v[5];
    const double det = px * qy - py * qx;
    if (std::fabs(det) < 1e-12) return std::nullopt;
    const double c = ((x - cx) * qy - (y - cy) * qx) / det;
    const double s = (px * (y - cy) - py * (x - cx)) / det;
    if (std::fabs(std::hypot(c, s) - 1) > 1e-7) return std::nullopt;
    return std::atan2(s, c);
}

double distanceToPolyline(const std::vector<double>& pts, double x, double y) {
    double best = 1e300;
    for (size_t i = 2; i + 1 < pts.size(); i += 2) {
        const double ax = pts[i - 2], ay = pts[i - 1], bx = pts[i], by = pts[i + 1];
        const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
        double t = len2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        best = std::min(best, std::hypot(ax + t * dx - x, ay + t * dy - y));
    }
    return best;
}

// Every expected line and arc is written once; every other line lies on an
// expected ellipse or curve, deviating at most by the chord tolerance.
void compare(const Imported& r, const std::vector<Expected>& expected) {
    ASSERT_TRUE(r.ok);
    std::vector<bool> used(r.records.size(), false);
    for (const Expected& e : expected) {
        if (e.kind != 'L' && e.kind != 'A') continue;
        bool found = false;
        for (size_t i = 0; i < r.records.size() && !found; ++i) {
            const Record& rec = r.records[i];
            if (used[i]) continue;
            if (e.kind == 'L' && rec.kind == '1') {
                found = std::fabs(rec.v[0] - e.v[0]) < kSame && std::fabs(rec.v[1] - e.v[1]) < kSame &&
                        std::fabs(rec.v[2] - e.v[2]) < kSame && std::fabs(rec.v[3] - e.v[3]) < kSame;
            } else if (e.kind == 'A' && rec.kind == '2') {
                found = sameArc(rec, e);
            }
            if (found) used[i] = true;
        }
        EXPECT_TRUE(found) << e.kind << " " << e.v[0] << " " << e.v[1] << " " << e.v[2] << " " << e.v[3];
    }
    std::vector<int> linesOn(expected.size(), 0);
    for (size_t i = 0; i < r.records.size(); ++i) {
        if (used[i]) continue;
        const Record& rec = r.records[i];
        ASSERT_EQ(rec.kind, '1') << "an arc that ezdxf does not know: " << rec.v[0] << " " << rec.v[1];
        bool placed = false;
        for (size_t k = 0; k < expected.size() && !placed; ++k) {
            const Expected& e = expected[k];
            if (e.kind == 'E') {
                const auto t0 = onEllipse(e, rec.v[0], rec.v[1]);
                const auto t1 = onEllipse(e, rec.v[2], rec.v[3]);
                if (!t0 || !t1) continue;
                placed = true;
                double dt = *t1 - *t0;
                if (dt < 0) dt += 2 * M_PI;
                // The chord's middle against the curve's middle.
                const double tm = *t0 + dt / 2;
                const double ex = e.v[0] + e.v[2] * std::cos(tm) + e.v[4] * std::sin(tm);
                const double ey = e.v[1] + e.v[3] * std::cos(tm) + e.v[5] * std::sin(tm);
                EXPECT_LE(std::hypot(ex - 0.5 * (rec.v[0] + rec.v[2]), ey - 0.5 * (rec.v[1] + rec.v[3])),
                          kChord + 1e-9);
            } else if (e.kind == 'S') {
                if (distanceToPolyline(e.v, rec.v[0], rec.v[1]) > 1e-4 ||
                    distanceToPolyline(e.v, rec.v[2], rec.v[3]) > 1e-4)
                    continue;
                placed = true;
                EXPECT_LE(distanceToPolyline(e.v, 0.5 * (rec.v[0] + rec.v[2]), 0.5 * (rec.v[1] + rec.v[3])),
                          kChord + 1e-4);
            }
            if (placed) ++linesOn[k];
        }
        EXPECT_TRUE(placed) << "a line that ezdxf does not know: " << rec.v[0] << " " << rec.v[1] << " "
                            << rec.v[2] << " " << rec.v[3];
    }
    for (size_t k = 0; k < expected.size(); ++k) {
        if (expected[k].kind == 'E') {
            const double sweep = expected[k].v[7] - expected[k].v[6];
            EXPECT_GE(linesOn[k], static_cast<int>(std::ceil(30 * sweep / (2 * M_PI) - 1e-9)))
                << "ellipse " << k;
        } else if (expected[k].kind == 'S') {
            EXPECT_GE(linesOn[k], 30) << "spline " << k;
        }
    }
}

TEST_F(EzdxfFixtures, InsertsNestedMirroredRotatedScaledAndArrayed) {
    const auto e = expected("inserts");
    ASSERT_GT(e.size(), 60u);
    compare(imported("inserts"), e);
}

TEST_F(EzdxfFixtures, NonUniformScaleMakesEllipses) {
    compare(imported("nonuniform"), expected("nonuniform"));
}

TEST_F(EzdxfFixtures, ObjectCoordinateSystems) { compare(imported("ocs"), expected("ocs")); }

TEST_F(EzdxfFixtures, Ellipses) { compare(imported("ellipses"), expected("ellipses")); }

TEST_F(EzdxfFixtures, Splines) { compare(imported("splines"), expected("splines")); }

} // namespace
} // namespace vectrim
