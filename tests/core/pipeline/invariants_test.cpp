// Invariants of the drawing after every stage of whole runs on random
// drawings: counts within the tables, finite numbers, positive radii, and
// after contour building every element exactly once in the order table.
#include "drawings.h"
#include "pipeline/run.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace vectrim {
namespace {

using test::Fixture;

// Checks the drawing each time a stage has finished.
class CheckingFrame : public BatchRunFrame {
public:
    explicit CheckingFrame(const Drawing& d) : d_(d) {}
    int checked = 0;

    void stageFinished(std::string_view name) override {
        ++checked;
        SCOPED_TRACE(std::string(name));
        ASSERT_GE(d_.linecount, 0);
        ASSERT_LE(d_.linecount, kMaxElements);
        ASSERT_GE(d_.arccount, 0);
        ASSERT_LE(d_.arccount, kMaxElements);
        for (int32_t i = 0; i < d_.linecount; ++i) {
            const Line& l = d_.lines[i];
            ASSERT_TRUE(std::isfinite(l.x1) && std::isfinite(l.y1) && std::isfinite(l.x2) &&
                        std::isfinite(l.y2))
                << "line " << i;
        }
        for (int32_t i = 0; i < d_.arccount; ++i) {
            const Arc& a = d_.arcs[i];
            ASSERT_TRUE(std::isfinite(a.cx) && std::isfinite(a.cy) && std::isfinite(a.r) &&
                        std::isfinite(a.a1) && std::isfinite(a.a2))
                << "arc " << i;
            ASSERT_GT(a.r, 0) << "arc " << i;
        }
        // Contour building, the line-run reduction (which ends with it) and
        // the joining after it leave every element once in the order table.
        if (name == "buildcontours" || name == "reducelines" || name == "joinarcs" || name == "joinlines") {
            const std::vector<int32_t> order = test::orderOf(d_);
            const std::set<int32_t> seen(order.begin(), order.end());
            ASSERT_EQ(seen.size(), order.size());
            for (const int32_t ref : order) ASSERT_TRUE(d_.holds(ElementRef::fromRaw(ref))) << ref;
        }
    }

private:
    const Drawing& d_;
};

// A drawing of the kind that comes out of CAD programs, with faults: curves
// as polygons, edges cut into pieces, small gaps, T-junctions, duplicates,
// tiny pieces and arcs of every kind.
void randomDrawing(Fixture& f, unsigned seed) {
    std::mt19937 rng(seed);
    auto u = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); };
    auto n = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); };
    for (int shape = 0; shape < 14; ++shape) {
        const double x = u(0, 300), y = u(0, 300);
        switch (n(0, 6)) {
            case 0: // polygonised circle, sometimes with a gap
                test::polygon(f, x, y, u(0.5, 30), n(8, 48), u(0, 360));
                if (n(0, 1)) f.d.linecount -= 1;
                break;
            case 1: { // rectangle of subdivided edges with a small gap at one corner
                const double w = u(2, 60), h = u(2, 60), gap = u(0.01, 0.5);
                test::subdividedEdge(f, x, y, x + w, y, n(1, 5));
                test::subdividedEdge(f, x + w, y, x + w, y + h, n(1, 5));
                test::subdividedEdge(f, x + w, y + h, x, y + h, n(1, 5));
                test::subdividedEdge(f, x, y + h, x, y + gap, n(1, 5));
                f.line(x + w / 2, y, x + w / 2, y - u(1, 10)); // a T-junction
                break;
            }
            case 2: // arcs meeting lines
                f.arc(x, y, u(0.2, 40), u(0, 360), u(0, 360));
                f.arc(x, y, u(0.2, 40), 0, 360);
                break;
            case 3: { // duplicates and reversed copies
                const double x2 = x + u(-20, 20), y2 = y + u(-20, 20);
                f.line(x, y, x2, y2);
                f.line(x2, y2, x, y);
                f.line(x, y, x2 + u(-0.0005, 0.0005), y2);
                f.arc(x, y, 5, 10, 80);
                f.arc(x, y, 5, 10, 80);
                break;
            }
            case 4: // tiny and short elements in a chain
                f.line(x, y, x + 10, y);
                f.line(x + 10, y, x + 10 + u(0, 0.12), y + u(0, 0.05));
                f.line(x, y, x + u(-0.00005, 0.00005), y);
                f.arc(x - 1, y, 1, 0, u(0.1, 8));
                break;
            case 5: // a nearly straight arc and a nearly closed one
                f.arc(x, y - 20000, 20000, 90 - u(0, 1), 90 + u(0, 1));
                f.arc(x, y, u(1, 5), u(0.5, 3), 360 - u(0.5, 3));
                break;
            default: // a rounded slot: two half circles as polygons and two lines
            {
                const double r = u(1, 10), len = u(5, 40);
                const int k = n(4, 18);
                for (int i = 0; i < k; ++i) {
                    const double a = kPi / 2 + kPi * i / k, b = kPi / 2 + kPi * (i + 1) / k;
                    f.line(x + r * std::cos(a), y + r * std::sin(a), x + r * std::cos(b),
                           y + r * std::sin(b));
                    f.line(x + len - r * std::cos(a), y - r * std::sin(a), x + len - r * std::cos(b),
                           y - r * std::sin(b));
                }
                f.line(x, y - r, x + len, y - r);
                f.line(x + len, y + r, x, y + r);
            }
        }
    }
    for (int32_t i = 0; i < f.d.arccount; ++i) {
        f.d.arcs[i].a1 = normalisedAngle(f.d.arcs[i].a1);
        f.d.arcs[i].a2 = normalisedAngle(f.d.arcs[i].a2);
    }
}

struct Tolerances {
    const char *reduce, *gap, *smooth;
};

TEST(Invariants, HoldAfterEveryStageOfRandomRuns) {
    const Tolerances sets[] = {{"0.3", "0.2", "0.2"}, {"0", "0", "0"}, {"5", "5", "2"}, {"0.01", "0.5", "0"}};
    for (unsigned seed = 1; seed <= 8; ++seed) {
        for (const Tolerances& t : sets) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " tolerances " + t.reduce + " " + t.gap + " " +
                         t.smooth);
            Fixture f;
            randomDrawing(f, seed);
            CheckingFrame fr(f.d);
            fr.reduceText = t.reduce;
            fr.gapText = t.gap;
            fr.smoothText = t.smooth;
            fr.roundLineLine = seed % 2 == 0;
            ASSERT_EQ(bearbeitungeinfach(*f.session, fr), RunOutcome::Finished);
            EXPECT_GE(fr.checked, 11);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

TEST(Invariants, SecondRunFindsLittleLeftToDo) {
    // A processed drawing run again keeps its closed contours closed: no
    // element count grows.
    for (unsigned seed = 11; seed <= 14; ++seed) {
        Fixture f;
        randomDrawing(f, seed);
        BatchRunFrame fr;
        bearbeitungeinfach(*f.session, fr);
        const int32_t total = f.d.elementCount();
        bearbeitungeinfach(*f.session, fr);
        EXPECT_LE(f.d.elementCount(), total) << seed;
    }
}

} // namespace
} // namespace vectrim
