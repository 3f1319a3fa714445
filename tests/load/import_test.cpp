// What the import writes for each kind of entity: the exchange file's records
// checked against the geometry the DXF states.
#include "load_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace vectrim {
namespace {

using test::Dxf;
using test::entitiesFile;
using test::importDxfText;
using test::Imported;
using test::Record;

constexpr double kExact = 1e-9; // coordinates computed without rounding loss
constexpr double kChord = 0.01; // the flattening's chord deviation

void expectLine(const Record& r, double x1, double y1, double x2, double y2, double tol = kExact) {
    ASSERT_EQ(r.kind, '1');
    EXPECT_NEAR(r.v[0], x1, tol);
    EXPECT_NEAR(r.v[1], y1, tol);
    EXPECT_NEAR(r.v[2], x2, tol);
    EXPECT_NEAR(r.v[3], y2, tol);
}

void expectArc(const Record& r, double cx, double cy, double rad, double a1, double a2, double tol = kExact) {
    ASSERT_EQ(r.kind, '2');
    EXPECT_NEAR(r.v[0], cx, tol);
    EXPECT_NEAR(r.v[1], cy, tol);
    EXPECT_NEAR(r.v[2], rad, tol);
    EXPECT_NEAR(r.v[3], a1, 1e-7);
    EXPECT_NEAR(r.v[4], a2, 1e-7);
}

// The largest distance of the curve c(t), t0 .. t1, from the chord between
// its ends.
template <typename Curve>
double chordDeviation(Curve c, double t0, double t1) {
    const auto [ax, ay] = c(t0);
    const auto [bx, by] = c(t1);
    const double len = std::hypot(bx - ax, by - ay);
    double worst = 0;
    for (int i = 1; i < 32; ++i) {
        const auto [px, py] = c(t0 + (t1 - t0) * i / 32);
        worst = std::max(worst, len > 0 ? std::fabs((bx - ax) * (py - ay) - (by - ay) * (px - ax)) / len
                                        : std::hypot(px - ax, py - ay));
    }
    return worst;
}

// Parameter of a point on centre + (a cos t, b sin t) in the frame (u, v).
double ellipseParameter(double u, double v, double a, double b) { return std::atan2(v / b, u / a); }

// The lines form one chain from the first start to the last end.
void expectChain(const std::vector<Record>& lines) {
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_NEAR(lines[i].v[0], lines[i - 1].v[2], 1e-9);
        EXPECT_NEAR(lines[i].v[1], lines[i - 1].v[3], 1e-9);
    }
}

TEST(ImportLines, LengthFilterAndWorldCoordinates) {
    Dxf d;
    d.line(0, 0, 0.00001, 0).line(0, 0, 0.000011, 0);
    // A LINE is in world coordinates whatever its extrusion; z is dropped.
    d(0, "LINE")(8, "0")(10, 1.5)(20, -2.0)(30, 7.0)(11, 3.0)(21, 4.0)(31, -1.0)(210, 0.0)(220, 0.0)(230,
                                                                                                     -1.0);
    const Imported r = importDxfText(entitiesFile(d));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 2u);
    expectLine(r.records[0], 0, 0, 0.000011, 0);
    expectLine(r.records[1], 1.5, -2, 3, 4);
    EXPECT_NE(r.bytes.find("1.1E-05"), std::string::npos);
}

TEST(ImportArcs, AnglesAreNormalisedAndCirclesRunFullTurn) {
    Dxf d;
    d.arc(1, 2, 3, 350, 10); // 350 + 20
    d.circle(5, 6, 7);
    d.arc(0, 0, 1, 30, 30);   // no sweep: a full turn
    d.arc(0, 0, 1, -30, 400); // -30 .. 40 degrees
    const Imported r = importDxfText(entitiesFile(d));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 4u);
    expectArc(r.records[0], 1, 2, 3, 350, 10);
    expectArc(r.records[1], 5, 6, 7, 0, 360);
    expectArc(r.records[2], 0, 0, 1, 0, 360);
    expectArc(r.records[3], 0, 0, 1, 330, 40);
}

TEST(ImportArcs, ObjectCoordinatesOfReversedExtrusionMirrorX) {
    // In the OCS of (0, 0, -1) the x axis points to world -x: an arc from 170
    // to 190 degrees there runs clockwise in the world from 10 to -10, which
    // is written counter-clockwise as 350 .. 10 (start 10, sweep -20).
    Dxf d;
    d(0, "ARC")(8, "0")(10, 4.0)(20, 3.0)(30, 0.0)(40, 2.0)(50, 170.0)(51, 190.0)(210, 0.0)(220, 0.0)(230,
                                                                                                      -1.0);
    d(0, "CIRCLE")(8, "0")(10, 4.0)(20, 3.0)(30, 0.0)(40, 2.0)(210, 0.0)(220, 0.0)(230, -1.0);
    const Imported r = importDxfText(entitiesFile(d));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 2u);
    expectArc(r.records[0], -4, 3, 2, 350, 10);
    expectArc(r.records[1], -4, 3, 2, 0, 360);
}

TEST(ImportArcs, TiltedObjectCoordinatesProjectArcsToEllipses) {
    // A circle in a plane tilted by 60 degrees about the x axis shows as an
    // ellipse of half its height: flattened into lines.
    const double c = std::cos(60 * M_PI / 180), s = std::sin(60 * M_PI / 180);
    Dxf d;
    d(0, "CIRCLE")(8, "0")(10, 0.0)(20, 0.0)(30, 0.0)(40, 10.0)(210, 0.0)(220, -s)(230, c);
    const Imported r = importDxfText(entitiesFile(d));
    ASSERT_TRUE(r.ok);
    const auto lines = r.lines();
    ASSERT_GE(lines.size(), 30u);
    EXPECT_TRUE(r.arcs().empty());
    expectChain(lines);
    double ymax = 0, xmax = 0;
    for (const Record& l : lines) {
        xmax = std::max(xmax, std::fabs(l.v[0]));
        ymax = std::max(ymax, std::fabs(l.v[1]));
    }
    EXPECT_NEAR(xmax, 10, 1e-6);
    EXPECT_NEAR(ymax, 5, kChord);
}

TEST(ImportPolylines, BulgesBecomeExactArcs) {
    Dxf d;
    // (0,0) -> (10,0) -> back, closed, both bulges 1: counter-clockwise half
    // circles, the lower one from 180 to 360 degrees, the upper 0 .. 180.
    d(0, "LWPOLYLINE")(8, "0")(90, 2)(70, 1)(10, 0.0)(20, 0.0)(42, 1.0)(10, 10.0)(20, 0.0)(42, 1.0);
    // Bulge -1: clockwise from (0,0) over the top to (10,0), written 0 .. 180.
    d(0, "LWPOLYLINE")(8, "0")(90, 2)(70, 0)(10, 0.0)(20, 0.0)(42, -1.0)(10, 10.0)(20, 0.0);
    // A quarter circle: bulge tan(90/4); then a straight segment.
    d(0, "LWPOLYLINE")(8, "0")(90, 3)(70, 0)(10, 10.0)(20, 0.0)(42, std::tan(M_PI / 8))(10, 0.0)(20, 10.0)(
        10, 0.0)(20, 20.0);
    const Imported r = importDxfText(entitiesFile(d));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 5u);
    expectArc(r.records[0], 5, 0, 5, 180, 360);
    expectArc(r.records[1], 5, 0, 5, 0, 180);
    expectArc(r.records[2], 5, 0, 5, 0, 180);
    expectArc(r.records[3], 0, 0, 10, 0, 90);
    expectLine(r.records[4], 0, 10, 0, 20);
}

TEST(ImportPolylines, VerticesFitFlagsAndObjectCoordinates) {
    Dxf d;
    // A closed 2D POLYLINE in the OCS of (0, 0, -1): x mirrored.
    d(0, "POLYLINE")(8, "0")(66, 1)(10, 0.0)(20, 0.0)(30, 0.0)(70, 1)(210, 0.0)(220, 0.0)(230, -1.0);
    d(0, "VERTEX")(8, "0")(10, 1.0)(20, 1.0)(30, 0.0);
    d(0, "VERTEX")(8, "0")(10, 3.0)(20, 1.0)(30, 0.0);
    d(0, "VERTEX")(8, "0")(10, 3.0)(20, 2.0)(30, 0.0);
    d(0, "SEQEND")(8, "0");
    // A spline-fit POLYLINE: the frame's control points (flag 16) are not drawn.
    d(0, "POLYLINE")(8, "0")(66, 1)(10, 0.0)(20, 0.0)(30, 0.0)(70, 4);
    d(0, "VERTEX")(8, "0")(10, 0.0)(20, 0.0)(70, 16);
    d(0, "VERTEX")(8, "0")(10, 5.0)(20, 9.0)(70, 16);
    d(0, "VERTEX")(8, "0")(10, 10.0)(20, 0.0)(70, 16);
    d(0, "VERTEX")(8, "0")(10, 0.0)(20, 0.0)(70, 8);
    d(0, "VERTEX")(8, "0")(10, 5.0)(20, 4.0)(70, 8);
    d(0, "VERTEX")(8, "0")(10, 10.0)(20, 0.0)(70, 8);
    d(0, "SEQEND")(8, "0");
    // A curve-fit POLYLINE: the fit vertices (flag 1) with their arcs.
    d(0, "POLYLINE")(8, "0")(66, 1)(10, 0.0)(20, 0.0)(30, 0.0)(70, 2);
    d(0, "VERTEX")(8, "0")(10, 0.0)(20, 0.0)(42, 1.0);
    d(0, "VERTEX")(8, "0")(10, 2.0)(20, 0.0)(70, 1)(42, 1.0);
    d(0, "VERTEX")(8, "0")(10, 4.0)(20, 0.0);
    d(0, "SEQEND")(8, "0");
    // A 3D POLYLINE: its vertices are world points.
    d(0, "POLYLINE")(8, "0")(66, 1)(10, 0.0)(20, 0.0)(30, 0.0)(70, 8);
    d(0, "VERTEX")(8, "0")(10, 1.0)(20, 2.0)(30, 3.0)(70, 32);
    d(0, "VERTEX")(8, "0")(10, 4.0)(20, 5.0)(30, 6.0)(70, 32);
    d(0, "SEQEND")(8, "0");
    const Imported r = importDxfText(entitiesFile(d));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 8u);
    expectLine(r.records[0], -1, 1, -3, 1);
    expectLine(r.records[1], -3, 1, -3, 2);
    expectLine(r.records[2], -3, 2, -1, 1);
    expectLine(r.records[3], 0, 0, 5, 4);
    expectLine(r.records[4], 5, 4, 10, 0);
    expectArc(r.records[5], 1, 0, 1, 180, 360);
    expectArc(r.records[6], 3, 0, 1, 180, 360);
    expectLine(r.records[7], 1, 2, 4, 5);
}

// A block "B" holding a line from (1,0) to (2,0) and a quarter arc at (1,0),
// radius 1, 0 .. 90, with its base point at (1, 0).
Dxf blockB() {
    Dxf d;
    d.block("B", 1, 0).line(1, 0, 2, 0).arc(1, 0, 1, 0, 90).endblk();
    return d;
}

std::string withBlocks(const Dxf& blocks, const Dxf& entities) {
    return "0\nSECTION\n2\nBLOCKS\n" + blocks.str() + "0\nENDSEC\n" + entitiesFile(entities);
}

TEST(ImportInserts, PlacedByBasePointScaleRotationAndPosition) {
    Dxf e;
    e.insert("B", 10, 20, 2, 2, 90);
    const Imported r = importDxfText(withBlocks(blockB(), e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 2u);
    // (1,0) - base -> (0,0) -> *2 -> rotated 90 -> + (10,20)
    expectLine(r.records[0], 10, 20, 10, 22);
    expectArc(r.records[1], 10, 20, 2, 90, 180);
}

TEST(ImportInserts, MirroredInsertKeepsArcsCounterClockwise) {
    Dxf e;
    e.insert("B", 0, 0, -1, 1, 0);
    const Imported r = importDxfText(withBlocks(blockB(), e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 2u);
    expectLine(r.records[0], 0, 0, -1, 0);
    // The quarter 0 .. 90 mirrored in x is 90 .. 180.
    expectArc(r.records[1], 0, 0, 1, 90, 180);
}

TEST(ImportInserts, NestedInsertsCompose) {
    Dxf b = blockB();
    // Block "N" places "B" at (5, 0) rotated by 90; "N" itself is placed at
    // (100, 0) scaled by 3.
    b.block("N").insert("B", 5, 0, 1, 1, 90).endblk();
    Dxf e;
    e.insert("N", 100, 0, 3, 3, 0);
    const Imported r = importDxfText(withBlocks(b, e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 2u);
    expectLine(r.records[0], 115, 0, 115, 3);
    expectArc(r.records[1], 115, 0, 3, 90, 180);
}

TEST(ImportInserts, NonUniformScaleTurnsCirclesIntoEllipses) {
    Dxf b;
    b.block("C").circle(0, 0, 1).endblk();
    Dxf e;
    e.insert("C", 10, 0, 4, 1, 0);
    const Imported r = importDxfText(withBlocks(b, e));
    ASSERT_TRUE(r.ok);
    const auto lines = r.lines();
    EXPECT_TRUE(r.arcs().empty());
    ASSERT_GE(lines.size(), 30u);
    expectChain(lines);
    for (const Record& l : lines) {
        // Every vertex lies on ((x - 10) / 4)^2 + y^2 = 1 ...
        EXPECT_NEAR(std::pow((l.v[0] - 10) / 4, 2) + l.v[1] * l.v[1], 1.0, 1e-9);
        // ... and no chord strays more than the tolerance from it.
        const double t0 = ellipseParameter(l.v[0] - 10, l.v[1], 4, 1);
        double t1 = ellipseParameter(l.v[2] - 10, l.v[3], 4, 1);
        if (t1 < t0) t1 += 2 * M_PI;
        const auto curve = [](double t) { return std::pair{10 + 4 * std::cos(t), std::sin(t)}; };
        EXPECT_LE(chordDeviation(curve, t0, t1), kChord);
    }
}

TEST(ImportInserts, ArraysRepeatInRotatedRowsAndColumns) {
    Dxf b;
    b.block("P").line(0, 0, 1, 0).endblk();
    Dxf e;
    // Two rows 10 apart, three columns 5 apart, the array turned by 90.
    e.insert("P", 0, 0, 1, 1, 90)(70, 3)(71, 2)(44, 5.0)(45, 10.0);
    const Imported r = importDxfText(withBlocks(b, e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 6u);
    int k = 0;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) {
            // Column offset (5 col, 10 row) turned by 90: (-10 row, 5 col).
            const double x = -10.0 * row, y = 5.0 * col;
            expectLine(r.records[static_cast<size_t>(k++)], x, y, x, y + 1);
        }
}

TEST(ImportInserts, LayerZeroPartsTakeTheInsertsLayerAndOthersKeepTheirs) {
    Dxf t;
    t.section("TABLES")(0, "TABLE")(2, "LAYER").layer("0").layer("A").layer("K")(0, "ENDTAB").endsec();
    Dxf b;
    b.block("L").line(0, 0, 1, 0, "0").line(0, 0, 2, 0, "K").endblk();
    Dxf e;
    e.line(0, 0, 3, 0, "0");
    e.insert("L", 0, 10, 1, 1, 0, "A");
    const Imported r = importDxfText(t.str() + withBlocks(b, e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 3u);
    // Layer 0, then A (the block's layer-0 line), then K.
    expectLine(r.records[0], 0, 0, 3, 0);
    expectLine(r.records[1], 0, 10, 1, 10);
    expectLine(r.records[2], 0, 10, 2, 10);
}

// Blocks D1 .. Dn, each inserting the next; Dn holds a line.
std::string nested(int depth) {
    Dxf b;
    for (int i = 1; i < depth; ++i)
        b.block("D" + std::to_string(i)).insert("D" + std::to_string(i + 1), 1, 0).endblk();
    b.block("D" + std::to_string(depth)).line(0, 0, 1, 0).endblk();
    Dxf e;
    e.insert("D1", 0, 0);
    return withBlocks(b, e);
}

TEST(ImportInserts, FivePassesExplodeFiveLevelsAndNoMore) {
    const Imported five = importDxfText(nested(5));
    ASSERT_TRUE(five.ok);
    ASSERT_EQ(five.records.size(), 1u);
    expectLine(five.records[0], 4, 0, 5, 0);
    EXPECT_EQ(five.report, "");

    const Imported six = importDxfText(nested(6));
    ASSERT_TRUE(six.ok);
    EXPECT_TRUE(six.records.empty());
    EXPECT_EQ(six.report, "Nicht übernommen: 1 zu tief verschachtelt");
}

TEST(ImportInserts, BlockInsertingItselfStopsAfterFivePasses) {
    Dxf b;
    b.block("S").line(0, 0, 1, 0).insert("S", 0, 1).endblk();
    Dxf e;
    e.insert("S", 0, 0);
    const Imported r = importDxfText(withBlocks(b, e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        expectLine(r.records[i], 0, static_cast<double>(i), 1, static_cast<double>(i));
    EXPECT_EQ(r.report, "Nicht übernommen: 1 zu tief verschachtelt");
}

TEST(ImportInserts, MissingBlockIsReported) {
    Dxf e;
    e.insert("NIRGENDS", 0, 0);
    const Imported r = importDxfText(entitiesFile(e));
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.records.empty());
    EXPECT_EQ(r.report, "Nicht übernommen: 1 Block fehlt");
}

TEST(ImportVisibility, InvisibleEntitiesAndHiddenLayersAreNotWritten) {
    Dxf t;
    t.section("TABLES")(0, "TABLE")(2, "LAYER");
    t.layer("0").layer("OFF", -7).layer("FROZEN", 7, 1).layer("ON");
    t(0, "ENDTAB").endsec();
    Dxf b;
    b.block("H")
        .line(0, 0, 1, 0, "FROZEN")
        .line(0, 0, 2, 0, "ON")(0, "LINE")(8, "ON")(60, 1)(10, 0.0)(20, 0.0)(11, 9.0)(21, 9.0)
        .endblk();
    Dxf e;
    e.line(0, 0, 5, 0, "OFF").line(0, 0, 6, 0, "FROZEN").line(0, 0, 7, 0, "ON");
    e(0, "LINE")(8, "ON")(60, 1)(10, 0.0)(20, 0.0)(11, 8.0)(21, 0.0);
    e(0, "LINE")(8, "ON")(67, 1)(10, 0.0)(20, 0.0)(11, 9.0)(21, 0.0); // paper space
    e.insert("H", 0, 100, 1, 1, 0, "ON");
    e.insert("H", 0, 200, 1, 1, 0, "OFF");
    const Imported r = importDxfText(t.str() + withBlocks(b, e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 2u);
    expectLine(r.records[0], 0, 0, 7, 0);
    expectLine(r.records[1], 0, 100, 2, 100);
}

TEST(ImportVisibility, AttributesFollowTheirInsert) {
    Dxf b;
    b.block("A").endblk();
    Dxf e;
    auto attrib = [&](const char* value, int flags, double y) {
        e(0, "ATTRIB")(8, "0")(10, 0.0)(20, y)(30, 0.0)(40, 1.0)(1, value)(2, "TAG")(70, flags);
    };
    e.insert("A", 0, 0)(66, 1);
    attrib("X", 0, 0);  // shown
    attrib("Y", 1, 10); // an invisible attribute
    e(0, "SEQEND")(8, "0");
    e.insert("A", 0, 0)(66, 1)(60, 1); // an invisible insert hides its attributes
    attrib("Z", 0, 20);
    e(0, "SEQEND")(8, "0");
    const Imported r = importDxfText(withBlocks(b, e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 4u); // the box of "X"
    expectLine(r.records[0], 0, 0, 0.6, 0);
}

TEST(ImportLayers, TableOrderThenFirstUse) {
    Dxf t;
    t.section("TABLES")(0, "TABLE")(2, "LAYER").layer("Z").layer("A")(0, "ENDTAB").endsec();
    Dxf e;
    e.line(0, 0, 1, 0, "X")
        .line(0, 0, 2, 0, "a")
        .line(0, 0, 3, 0, "Y")
        .line(0, 0, 4, 0, "Z")
        .line(0, 0, 5, 0, "x");
    const Imported r = importDxfText(t.str() + entitiesFile(e));
    ASSERT_TRUE(r.ok);
    std::vector<double> order;
    for (const Record& l : r.records) order.push_back(l.v[2]);
    // Z, A (names without regard to case), then X and Y as first used.
    EXPECT_EQ(order, (std::vector<double>{4, 2, 1, 5, 3}));
}

TEST(ImportEllipses, FlattenedWithinTheChordToleranceAndQuality) {
    Dxf d;
    // Major axis 100 along (1,1)/sqrt2, ratio 0.25, the whole ellipse.
    const double a = 100 / std::sqrt(2.0);
    d(0, "ELLIPSE")(8, "0")(10, 0.0)(20, 0.0)(30, 0.0)(11, a)(21, a)(31, 0.0)(40, 0.25)(41, 0.0)(42,
                                                                                                 2 * M_PI);
    const Imported r = importDxfText(entitiesFile(d));
    ASSERT_TRUE(r.ok);
    const auto lines = r.lines();
    // The chord rule asks for 2 pi / sqrt(8 * 0.01 / 100) = 223 lines.
    EXPECT_GE(lines.size(), 223u);
    EXPECT_LE(lines.size(), 230u);
    expectChain(lines);
    EXPECT_NEAR(lines.front().v[0], a, 1e-9);
    EXPECT_NEAR(lines.back().v[2], a, 1e-9);
    const double r2 = 1 / std::sqrt(2.0);
    for (const Record& l : lines) {
        // In the ellipse's frame: u along the major axis, v along the minor.
        const double u0 = (l.v[0] + l.v[1]) * r2, v0 = (l.v[1] - l.v[0]) * r2;
        const double u1 = (l.v[2] + l.v[3]) * r2, v1 = (l.v[3] - l.v[2]) * r2;
        EXPECT_NEAR(std::pow(u0 / 100, 2) + std::pow(v0 / 25, 2), 1.0, 1e-9);
        const double t0 = ellipseParameter(u0, v0, 100, 25);
        double t1 = ellipseParameter(u1, v1, 100, 25);
        if (t1 < t0) t1 += 2 * M_PI;
        const auto curve = [](double t) { return std::pair{100 * std::cos(t), 25 * std::sin(t)}; };
        EXPECT_LE(chordDeviation(curve, t0, t1), kChord);
    }
}

TEST(ImportEllipses, RatioOneIsAnArcAndSmallEllipsesGetTheQuality) {
    Dxf d;
    d(0, "ELLIPSE")(8, "0")(10, 1.0)(20, 1.0)(30, 0.0)(11, 0.0)(21, 2.0)(31, 0.0)(40, 1.0)(41, 0.0)(42,
                                                                                                    M_PI / 2);
    d(0, "ELLIPSE")(8, "0")(10, 0.0)(20, 0.0)(30, 0.0)(11, 1.0)(21, 0.0)(31, 0.0)(40, 0.5)(41, M_PI)(
        42, 2 * M_PI);
    const Imported r = importDxfText(entitiesFile(d), 30);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.arcs().size(), 1u);
    expectArc(r.arcs()[0], 1, 1, 2, 90, 180);
    // Half an ellipse of quality 30: 15 lines.
    EXPECT_EQ(r.lines().size(), 15u);
    const Imported fine = importDxfText(entitiesFile(d), 100);
    EXPECT_EQ(fine.lines().size(), 50u);
}

TEST(ImportSplines, DegreeOneRationalAndFitPointSplines) {
    Dxf d;
    // Degree 1: the control polygon itself.
    d(0, "SPLINE")(8, "0")(70, 8)(71, 1)(72, 5)(73, 3)(40, 0.0)(40, 0.0)(40, 1.0)(40, 2.0)(40, 2.0)(10, 0.0)(
        20, 0.0)(30, 0.0)(10, 5.0)(20, 5.0)(30, 0.0)(10, 10.0)(20, 0.0)(30, 0.0);
    // A quarter circle of radius 10 as a rational quadratic.
    const double w = std::sqrt(0.5);
    d(0, "SPLINE")(8, "0")(70, 12)(71, 2)(72, 6)(73, 3)(40, 0.0)(40, 0.0)(40, 0.0)(40, 1.0)(40, 1.0)(40, 1.0)(
        41, 1.0)(41, w)(41, 1.0)(10, 10.0)(20, 0.0)(30, 0.0)(10, 10.0)(20, 10.0)(30, 0.0)(10, 0.0)(20, 10.0)(
        30, 0.0);
    // Fit points only.
    d(0, "SPLINE")(8, "0")(70, 8)(71, 3)(74, 4)(11, 0.0)(21, 0.0)(31, 0.0)(11, 10.0)(21, 5.0)(31, 0.0)(
        11, 20.0)(21, 0.0)(31, 0.0)(11, 30.0)(21, 5.0)(31, 0.0);
    // A HELIX: its spline data, then data of its own in the same codes.
    d(0, "HELIX")(8, "0")(100, "AcDbSpline")(70, 0)(71, 1)(72, 4)(73, 2)(40, 0.0)(40, 0.0)(40, 1.0)(40, 1.0)(
        10, 40.0)(20, 0.0)(30, 0.0)(10, 41.0)(20, 1.0)(30, 0.0)(100, "AcDbHelix")(90, 29)(91, 63)(10, 7.0)(
        20, 7.0)(30, 0.0)(40, 3.0)(41, 2.0)(42, 1.0);
    const Imported r = importDxfText(entitiesFile(d));
    ASSERT_TRUE(r.ok);
    auto lines = r.lines();
    expectLine(lines.back(), 40, 0, 41, 1);
    lines.pop_back();
    ASSERT_GE(lines.size(), 2u + 30u + 30u);
    expectLine(lines[0], 0, 0, 5, 5);
    expectLine(lines[1], 5, 5, 10, 0);
    // The quarter circle: from (10, 0) to (0, 10), on the circle, every chord
    // within the tolerance, at least the quality's 30 lines.
    size_t i = 2;
    for (; i < lines.size(); ++i) {
        const Record& l = lines[i];
        EXPECT_NEAR(std::hypot(l.v[2], l.v[3]), 10, 1e-9);
        const auto curve = [](double t) { return std::pair{10 * std::cos(t), 10 * std::sin(t)}; };
        EXPECT_LE(chordDeviation(curve, std::atan2(l.v[1], l.v[0]), std::atan2(l.v[3], l.v[2])), kChord);
        if (std::fabs(l.v[2]) < 1e-9 && std::fabs(l.v[3] - 10) < 1e-9) break;
    }
    ASSERT_LT(i, lines.size());
    EXPECT_EQ(i - 2 + 1, 30u);
    ++i;
    // The fit-point curve passes through its fit points.
    std::vector<std::pair<double, double>> fit{{0, 0}, {10, 5}, {20, 0}, {30, 5}};
    for (auto [fx, fy] : fit) {
        bool found = false;
        for (size_t k = i; k < lines.size(); ++k)
            found = found || (std::fabs(lines[k].v[0] - fx) < 1e-9 && std::fabs(lines[k].v[1] - fy) < 1e-9) ||
                    (std::fabs(lines[k].v[2] - fx) < 1e-9 && std::fabs(lines[k].v[3] - fy) < 1e-9);
        EXPECT_TRUE(found) << fx << "," << fy;
    }
}

TEST(ImportOutlines, SolidsTracesFacesLeadersAndDimensions) {
    Dxf b;
    b.block("*D1").line(0, 0, 10, 0)(0, "LINE")(8, "0")(60, 1)(10, 0.0)(20, 0.0)(11, 0.0)(21, 9.0).endblk();
    Dxf e;
    // SOLID corners 1, 2, 3, 4 are drawn 1-2-4-3.
    e(0, "SOLID")(8, "0")(10, 0.0)(20, 0.0)(11, 4.0)(21, 0.0)(12, 0.0)(22, 3.0)(13, 4.0)(23, 3.0);
    // A TRACE is drawn like a SOLID.
    e(0, "TRACE")(8, "0")(10, 10.0)(20, 0.0)(11, 11.0)(21, 0.0)(12, 10.0)(22, 1.0)(13, 11.0)(23, 1.0);
    e(0, "3DFACE")(8, "0")(10, 0.0)(20, 0.0)(30, 0.0)(11, 1.0)(21, 0.0)(31, 5.0)(12, 1.0)(22, 1.0)(32, 0.0)(
        13, 1.0)(23, 1.0)(33, 0.0)(70, 2);
    e(0, "LEADER")(8, "0")(76, 3)(10, 0.0)(20, 0.0)(30, 0.0)(10, 1.0)(20, 1.0)(30, 0.0)(10, 2.0)(20, 1.0)(
        30, 0.0);
    e(0, "DIMENSION")(8, "0")(2, "*D1")(10, 0.0)(20, 0.0)(70, 0);
    const Imported r = importDxfText(withBlocks(b, e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 4u + 4u + 2u + 2u + 1u);
    expectLine(r.records[0], 0, 0, 4, 0);
    expectLine(r.records[1], 4, 0, 4, 3);
    expectLine(r.records[2], 4, 3, 0, 3);
    expectLine(r.records[3], 0, 3, 0, 0);
    expectLine(r.records[4], 10, 0, 11, 0);
    expectLine(r.records[6], 11, 1, 10, 1);
    expectLine(r.records[8], 0, 0, 1, 0); // edge 2 is invisible, edge 3 has no length
    expectLine(r.records[9], 1, 1, 0, 0);
    expectLine(r.records[10], 0, 0, 1, 1);
    expectLine(r.records[11], 1, 1, 2, 1);
    expectLine(r.records[12], 0, 0, 10, 0);
}

// The box outliner draws each character as a 0.6 x 1 box every 0.8.
TEST(ImportTexts, PlacedByHeightRotationAlignmentAndFlags) {
    Dxf e;
    // "AB" of height 2 at (10, 20), turned by 90.
    e(0, "TEXT")(8, "0")(10, 10.0)(20, 20.0)(30, 0.0)(40, 2.0)(1, "AB")(50, 90.0);
    const Imported r = importDxfText(entitiesFile(e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 8u);
    expectLine(r.records[0], 10, 20, 10, 21.2);   // first box, bottom edge, now vertical
    expectLine(r.records[4], 10, 21.6, 10, 22.8); // second box starts at 0.8 * 2

    Dxf c;
    // Centred on (0, 0) by the alignment point, written backwards.
    c(0, "TEXT")(8, "0")(10, 99.0)(20, 99.0)(30, 0.0)(40, 1.0)(1, "AB")(72, 1)(11, 0.0)(21, 0.0)(31, 0.0)(71,
                                                                                                          2);
    const Imported rc = importDxfText(entitiesFile(c));
    ASSERT_EQ(rc.records.size(), 8u);
    expectLine(rc.records[0], 0.8, 0, 0.2, 0); // the first box right of the centre, mirrored
}

TEST(ImportTexts, MTextLinesAndFormattingCodes) {
    Dxf e;
    // Two lines ("A", "BC") of height 1: the second 5/3 lower.
    e(0, "MTEXT")(8, "0")(10, 0.0)(20, 0.0)(30, 0.0)(40, 1.0)(71, 1)(1, "{\\fArial|b1;A}\\PB\\LC");
    const Imported r = importDxfText(entitiesFile(e));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.records.size(), 12u);
    expectLine(r.records[0], 0, -1, 0.6, -1); // top attachment: the first baseline one height down
    expectLine(r.records[4], 0, -1 - 5.0 / 3, 0.6, -1 - 5.0 / 3);
    expectLine(r.records[8], 0.8, -1 - 5.0 / 3, 1.4, -1 - 5.0 / 3);
}

TEST(ImportTexts, WithoutOutlinerTextsAreCounted) {
    Dxf e;
    e(0, "TEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 1.0)(1, "X");
    e(0, "MTEXT")(8, "0")(10, 0.0)(20, 0.0)(40, 1.0)(1, "Y");
    const Imported r = importDxfText(entitiesFile(e), 30, nullptr, false);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.records.empty());
    EXPECT_EQ(r.report, "Nicht übernommen: 1 MTEXT, 1 TEXT");
}

TEST(ImportReport, SkippedTypesAreCountedByName) {
    Dxf e;
    e(0, "POINT")(8, "0")(10, 0.0)(20, 0.0);
    e(0, "POINT")(8, "0")(10, 1.0)(20, 0.0);
    e(0, "HATCH")(8, "0")(10, 0.0)(20, 0.0);
    e(0, "WHATEVER")(8, "0");
    e.line(0, 0, 1, 1);
    const Imported r = importDxfText(entitiesFile(e));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.records.size(), 1u);
    EXPECT_EQ(r.report, "Nicht übernommen: 1 HATCH, 2 POINT, 1 WHATEVER");
}

// The account beside the exchange file: the header's units, what was left
// out (also in paper space and nested too deep) and what was flattened.
TEST(ImportReport, TheAccountHoldsUnitsLeftOutAndApproximated) {
    Dxf h;
    h.section("HEADER")(9, "$ACADVER")(1, "AC1015")(9, "$MEASUREMENT")(70, 0)(9, "$INSUNITS")(70, 1).endsec();
    Dxf b;
    for (int i = 1; i < 7; ++i)
        b.block("D" + std::to_string(i)).insert("D" + std::to_string(i + 1), 1, 0).endblk();
    b.block("D7").line(0, 0, 1, 0).endblk();
    Dxf e;
    e.insert("D1", 0, 0);
    for (int i = 0; i < 3; ++i) e(0, "POINT")(8, "0")(10, i * 1.0)(20, 0.0);
    e(0, "HATCH")(8, "0")(10, 0.0)(20, 0.0);
    e(0, "LINE")(8, "0")(67, 1)(10, 0.0)(20, 0.0)(11, 9.0)(21, 0.0);
    e(0, "ELLIPSE")(8, "0")(10, 0.0)(20, 0.0)(30, 0.0)(11, 10.0)(21, 0.0)(31, 0.0)(40, 0.5);
    e.line(0, 0, 5, 5);
    test::TempDir dir;
    dir.write("in.dxf", h.str() + withBlocks(b, e));
    test::RecordingHost host;
    std::string report;
    ImportAccount a;
    ASSERT_TRUE(load::importToExchangeFile(dir.file("in.dxf"), 30, dir.file("tempd.dat"), host, nullptr,
                                           &report, &a));
    EXPECT_EQ(a.insunits, 1);
    EXPECT_EQ(a.measurement, 0);
    EXPECT_TRUE(a.declaresInch());
    EXPECT_EQ(a.quality, 30);
    EXPECT_EQ(a.skipped,
              (std::map<std::string, int64_t>{
                  {"HATCH", 1}, {"POINT", 3}, {"Papierbereich", 1}, {"zu tief verschachtelt", 1}}));
    EXPECT_EQ(a.approximated, (std::map<std::string, int64_t>{{"ELLIPSE", 1}}));
    EXPECT_EQ(report, "Nicht übernommen: 1 HATCH, 3 POINT, 1 Papierbereich, 1 zu tief verschachtelt");

    // Without a header nothing is declared.
    ASSERT_TRUE(load::importToExchangeFile(dir.file("in.dxf"), 30, dir.file("tempd.dat"), host, nullptr,
                                           nullptr, &a));
    dir.write("plain.dxf", entitiesFile(Dxf().line(0, 0, 1, 1)));
    ASSERT_TRUE(load::importToExchangeFile(dir.file("plain.dxf"), 30, dir.file("tempd.dat"), host, nullptr,
                                           nullptr, &a));
    EXPECT_EQ(a.insunits, -1);
    EXPECT_EQ(a.measurement, -1);
    EXPECT_TRUE(a.skipped.empty());
    EXPECT_TRUE(a.approximated.empty());
}

TEST(ImportProgress, ShowsThePercentagesWhileReading) {
    Dxf e;
    for (int i = 0; i < 3000; ++i) e.line(i, 0, i, 1);
    test::TempDir dir;
    dir.write("big.dxf", entitiesFile(e));
    test::RecordingHost host;
    load::Import run(host, nullptr);
    run.setSource(dir.file("big.dxf"), 30);
    ASSERT_TRUE(run.loader());
    ASSERT_GE(host.infos.size(), 3u);
    EXPECT_EQ(host.infos.front(), "---> 0% ");
    EXPECT_EQ(host.infos.back(), "  ");
    for (size_t i = 1; i + 1 < host.infos.size(); ++i) {
        const std::string& t = host.infos[i];
        ASSERT_EQ(t.substr(0, 5), "---> ");
        ASSERT_EQ(t.substr(t.size() - 2), "% ");
        const int percent = std::stoi(t.substr(5));
        EXPECT_GT(percent, 0);
        EXPECT_LE(percent, 100);
    }
}

} // namespace
} // namespace vectrim
