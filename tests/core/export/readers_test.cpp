// Saved files opened by other programs: python3-ezdxf in strict mode
// (counts and every coordinate), LibreCAD rendering both forms to PDF, and
// vectrim-cli writing them.
#include "export/dxf_save.h"
#include "ezdxf_reader.h"
#include "fixture.h"
#include "geometry_compare.h"
#include "model/exchange_file.h"
#include "parts.h"
#include "pipeline/contours.h"
#include "pipeline/run.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include <sys/wait.h>

namespace vectrim {
namespace {

using test::EzdxfRead;
using test::Fixture;
using test::Piece;
using test::TempDir;

constexpr double kExact = 1e-9; // mm

void makeParts(Drawing& d, unsigned seed) {
    test::PartMaker maker(d, seed);
    maker.part(10, 10);
    maker.part(300, 40);
    maker.part(20, 300);
}

// A strict read: no decoding error, no warning while loading, nothing for
// the audit to fix.
void expectClean(const EzdxfRead& r, const char* version) {
    ASSERT_TRUE(r.read) << r.why;
    EXPECT_EQ(r.warnings, 0) << r.why;
    EXPECT_EQ(r.errors, 0) << r.why;
    EXPECT_EQ(r.fixes, 0) << r.why;
    EXPECT_EQ(r.version, version);
    EXPECT_EQ(r.insunits, "4");
    EXPECT_EQ(r.measurement, "1");
}

TEST(Ezdxf, LinesAndArcsReadBackExactly) {
    TempDir dir;
    Fixture f;
    std::vector<std::string> files;
    std::vector<std::vector<ElementRef>> orders;
    std::vector<std::unique_ptr<Drawing>> drawings;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        f.d.clear();
        makeParts(f.d, seed);
        files.push_back(dir.file("A" + std::to_string(seed) + ".DXF"));
        ASSERT_TRUE(savedxf(f.d, f.host, files.back(), DxfForm::LinesArcs, DxfUnit::Millimetre).ok);
        orders.push_back(writeOrder(f.d));
        drawings.push_back(std::make_unique<Drawing>(f.d));
    }
    const std::vector<EzdxfRead> reads = test::readWithEzdxf(files);
    for (size_t i = 0; i < reads.size(); ++i) {
        const EzdxfRead& r = reads[i];
        if (!r.available) GTEST_SKIP() << r.why;
        expectClean(r, "AC1009");
        const Drawing& d = *drawings[i];
        const std::vector<ElementRef>& order = orders[i];
        ASSERT_EQ(r.entities.size(), order.size());
        int circles = 0;
        for (size_t k = 0; k < order.size(); ++k) {
            const test::EzdxfEntity& e = r.entities[k];
            if (order[k].isLine()) {
                const Line& l = d.lines[order[k].index()];
                ASSERT_EQ(e.type, "LINE");
                EXPECT_EQ(e.values, (std::vector<double>{l.x1, l.y1, l.x2, l.y2}));
            } else {
                const Arc& a = d.arcs[order[k].index()];
                if (sweepDegrees(a) >= 360) {
                    ASSERT_EQ(e.type, "CIRCLE");
                    EXPECT_EQ(e.values, (std::vector<double>{a.cx, a.cy, a.r}));
                    ++circles;
                } else {
                    ASSERT_EQ(e.type, "ARC");
                    EXPECT_EQ(e.values, (std::vector<double>{a.cx, a.cy, a.r, a.a1, a.a2}));
                }
            }
        }
        EXPECT_EQ(circles, 9);
    }
}

std::vector<Piece> piecesOf(const EzdxfRead& r) {
    std::vector<Piece> out;
    for (const test::EzdxfEntity& e : r.entities) {
        if (e.type != "LWPOLYLINE") continue;
        const size_t n = e.vertices.size() / 3;
        const bool closed = e.values.at(0) == 1;
        for (size_t k = 0; k + (closed ? 0 : 1) < n; ++k) {
            const double* a = &e.vertices[3 * k];
            const double* b = &e.vertices[3 * ((k + 1) % n)];
            out.push_back(Piece::fromBulge(a[0], a[1], b[0], b[1], a[2]));
        }
    }
    return out;
}

TEST(Ezdxf, PolylinesReadBackExactlyAndTraceTheDrawing) {
    TempDir dir;
    Fixture f;
    std::vector<std::string> files;
    std::vector<Polylines> written;
    std::vector<std::vector<Piece>> pieces;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        f.d.clear();
        makeParts(f.d, seed);
        files.push_back(dir.file("P" + std::to_string(seed) + ".DXF"));
        ASSERT_TRUE(savedxf(f.d, f.host, files.back(), DxfForm::Polylines, DxfUnit::Millimetre).ok);
        pieces.push_back(test::piecesOf(f.d));
        // What the writer made of the drawing.
        buildcontours(f.d, f.host);
        written.push_back(contourPolylines(f.d));
    }
    const std::vector<EzdxfRead> reads = test::readWithEzdxf(files);
    for (size_t i = 0; i < reads.size(); ++i) {
        const EzdxfRead& r = reads[i];
        if (!r.available) GTEST_SKIP() << r.why;
        expectClean(r, "AC1015");
        const Polylines& p = written[i];
        ASSERT_EQ(static_cast<size_t>(r.count("LWPOLYLINE")), p.runs.size());
        ASSERT_EQ(r.entities.size(), p.runs.size());
        for (size_t k = 0; k < p.runs.size(); ++k) {
            const PolyRun& run = p.runs[k];
            EXPECT_EQ(r.entities[k].values.at(0), run.closed ? 1 : 0);
            std::vector<double> expected;
            for (int32_t j = run.first; j < run.first + run.count; ++j) {
                const PolyVertex& v = p.vertices[static_cast<size_t>(j)];
                expected.insert(expected.end(), {v.x, v.y, v.bulge});
            }
            EXPECT_EQ(r.entities[k].vertices, expected) << "polyline " << k;
        }
        // And the geometry ezdxf read is the drawing's.
        EXPECT_TRUE(test::sameGeometry(pieces[i], piecesOf(r), kExact));
    }
}

TEST(Ezdxf, EmptyDrawingGivesValidFilesOfBothForms) {
    TempDir dir;
    Fixture f;
    ASSERT_TRUE(savedxf(f.d, f.host, dir.file("A.DXF"), DxfForm::LinesArcs, DxfUnit::Millimetre).ok);
    ASSERT_TRUE(savedxf(f.d, f.host, dir.file("P.DXF"), DxfForm::Polylines, DxfUnit::Millimetre).ok);
    const std::vector<EzdxfRead> reads = test::readWithEzdxf({dir.file("A.DXF"), dir.file("P.DXF")});
    for (size_t i = 0; i < 2; ++i) {
        if (!reads[i].available) GTEST_SKIP() << reads[i].why;
        expectClean(reads[i], i == 0 ? "AC1009" : "AC1015");
        EXPECT_TRUE(reads[i].entities.empty());
    }
}

std::vector<Piece> piecesOfLinesArcs(const EzdxfRead& r) {
    std::vector<Piece> out;
    for (const test::EzdxfEntity& e : r.entities) {
        const std::vector<double>& v = e.values;
        if (e.type == "LINE") out.push_back(Piece::line(v[0], v[1], v[2], v[3]));
        if (e.type == "ARC") out.push_back(Piece::fromArc({v[0], v[1], v[2], v[3], v[4]}));
        if (e.type == "CIRCLE") out.push_back(Piece::fromArc({v[0], v[1], v[2], 0, 360}));
    }
    return out;
}

// Drawings after a processing run (gaps closed, chords turned into arcs,
// elements joined): both forms hold exactly the processed geometry.
TEST(Ezdxf, ProcessedDrawingsKeepTheirGeometry) {
    TempDir dir;
    Fixture f;
    std::vector<std::string> files;
    std::vector<std::vector<Piece>> pieces;
    for (unsigned seed = 1; seed <= 2; ++seed) {
        f.d.clear();
        test::PartMaker maker(f.d, seed);
        maker.polygonised(0, 0);
        maker.part(0, 100);
        BatchRunFrame frame;
        ASSERT_EQ(bearbeitungeinfach(*f.session, frame), RunOutcome::Finished);
        ASSERT_GT(f.d.arccount, 0);
        pieces.push_back(test::piecesOf(f.d));
        for (const DxfForm form : {DxfForm::LinesArcs, DxfForm::Polylines}) {
            files.push_back(
                dir.file((form == DxfForm::LinesArcs ? "A" : "P") + std::to_string(seed) + ".DXF"));
            ASSERT_TRUE(savedxf(f.d, f.host, files.back(), form, DxfUnit::Millimetre).ok);
        }
    }
    const std::vector<EzdxfRead> reads = test::readWithEzdxf(files);
    for (size_t i = 0; i < reads.size(); ++i) {
        const EzdxfRead& r = reads[i];
        if (!r.available) GTEST_SKIP() << r.why;
        const bool lines = i % 2 == 0;
        expectClean(r, lines ? "AC1009" : "AC1015");
        EXPECT_TRUE(test::sameGeometry(pieces[i / 2], lines ? piecesOfLinesArcs(r) : piecesOf(r), kExact))
            << files[i];
    }
}

// ---- LibreCAD ----

std::string run(const std::string& cmd, int& code) {
    std::string out;
    if (std::FILE* p = popen((cmd + " 2>&1").c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        const int status = pclose(p);
        code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    } else {
        code = -1;
    }
    return out;
}

bool haveProgram(const std::string& name) {
    int code = 0;
    run("command -v " + name, code);
    return code == 0;
}

// A grey image (PGM, as pdftoppm -gray writes it).
struct Grey {
    int w = 0, h = 0;
    std::string pixels;
    bool ink(int x, int y) const {
        return static_cast<unsigned char>(pixels[static_cast<size_t>(y * w + x)]) < 128;
    }
};

Grey readPgm(const std::string& path) {
    Grey g;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int max = 0;
    in >> magic >> g.w >> g.h >> max;
    in.get();
    if (magic != "P5" || g.w <= 0 || g.h <= 0 || max != 255) return {};
    g.pixels.resize(static_cast<size_t>(g.w) * static_cast<size_t>(g.h));
    in.read(g.pixels.data(), static_cast<std::streamsize>(g.pixels.size()));
    if (!in) return {};
    return g;
}

// LibreCAD (a CAD program from Debian) prints both forms to PDF: the pages
// show the drawing, and the same drawing for both forms.
TEST(LibreCad, RendersBothFormsAlike) {
    if (!haveProgram("librecad")) GTEST_SKIP() << "librecad is not installed (Debian package librecad)";
    if (!haveProgram("pdftoppm")) GTEST_SKIP() << "pdftoppm is not installed (Debian package poppler-utils)";
    TempDir dir;
    Fixture f;
    makeParts(f.d, 4);
    ASSERT_TRUE(savedxf(f.d, f.host, dir.file("A.DXF"), DxfForm::LinesArcs, DxfUnit::Millimetre).ok);
    ASSERT_TRUE(savedxf(f.d, f.host, dir.file("P.DXF"), DxfForm::Polylines, DxfUnit::Millimetre).ok);
    Grey images[2];
    const char* names[2] = {"A", "P"};
    for (int i = 0; i < 2; ++i) {
        const std::string base = dir.file(names[i]);
        int code = 0;
        const std::string log = run(
            "cd '" + dir.folder() + "' && QT_QPA_PLATFORM=offscreen timeout 120 librecad dxf2pdf -a -m -o '" +
                base + ".pdf' '" + base + ".DXF'",
            code);
        ASSERT_EQ(code, 0) << log;
        run("pdftoppm -gray -r 40 -singlefile '" + base + ".pdf' '" + base + "'", code);
        ASSERT_EQ(code, 0);
        images[i] = readPgm(base + ".pgm");
        ASSERT_GT(images[i].w, 0) << "no page image for " << names[i];
    }
    ASSERT_EQ(images[0].w, images[1].w);
    ASSERT_EQ(images[0].h, images[1].h);
    long inkA = 0, inkP = 0, differ = 0;
    for (int y = 0; y < images[0].h; ++y) {
        for (int x = 0; x < images[0].w; ++x) {
            inkA += images[0].ink(x, y);
            inkP += images[1].ink(x, y);
            differ += images[0].ink(x, y) != images[1].ink(x, y);
        }
    }
    // The three parts' outlines cover well over a thousand pixels at 40 dpi.
    EXPECT_GT(inkA, 1000);
    EXPECT_GT(inkP, 1000);
    EXPECT_LT(differ, inkA / 20) << "the two forms render differently";
}

// ---- vectrim-cli ----

TEST(Cli, ExportAndDxfOutputOfOtherCommands) {
    TempDir dir;
    {
        Fixture f;
        makeParts(f.d, 5);
        ASSERT_TRUE(writeExchangeFile(dir.file("in.dat"), f.d));
    }
    const std::string cli = VECTRIM_BIN_DIR "/vectrim-cli";
    int code = 0;
    std::string log = run(cli + " export '" + dir.file("in.dat") + "' -o '" + dir.file("a.dxf") + "'", code);
    EXPECT_EQ(code, 0) << log;
    log = run(cli + " export '" + dir.file("in.dat") + "' -o '" + dir.file("p.dxf") + "' --polylines", code);
    EXPECT_EQ(code, 0) << log;
    log = run(cli + " convert '" + dir.file("in.dat") + "' -o '" + dir.file("c.dxf") + "'", code);
    EXPECT_EQ(code, 0) << log;
    EXPECT_EQ(dir.read("a.dxf"), dir.read("c.dxf"));

    // The inch conversion writes millimetres, 25.4 times the numbers.
    log = run(cli + " inch '" + dir.file("in.dat") + "' -o '" + dir.file("i.dxf") + "'", code);
    EXPECT_EQ(code, 0) << log;

    const std::vector<EzdxfRead> reads =
        test::readWithEzdxf({dir.file("a.dxf"), dir.file("p.dxf"), dir.file("i.dxf")});
    const EzdxfRead& a = reads[0];
    const EzdxfRead& p = reads[1];
    const EzdxfRead& i = reads[2];
    if (!a.available) GTEST_SKIP() << a.why;
    expectClean(a, "AC1009");
    expectClean(p, "AC1015");
    expectClean(i, "AC1009");
    EXPECT_EQ(a.count("LINE") + a.count("ARC") + a.count("CIRCLE"), 3 * 20);
    EXPECT_EQ(p.count("LWPOLYLINE"), 3 * 8);
    ASSERT_EQ(i.entities.size(), a.entities.size());
    for (size_t k = 0; k < a.entities.size(); ++k) {
        ASSERT_EQ(i.entities[k].type, a.entities[k].type);
        if (a.entities[k].type != "LINE") continue;
        for (size_t j = 0; j < 4; ++j)
            EXPECT_NEAR(i.entities[k].values[j], a.entities[k].values[j] * 25.4, 1e-9);
    }
}

TEST(Cli, ExportRefusals) {
    TempDir dir;
    const std::string cli = VECTRIM_BIN_DIR "/vectrim-cli";
    {
        ExchangeWriter w(dir.file("empty.dat"));
        ASSERT_TRUE(w.finish());
        ExchangeWriter one(dir.file("one.dat"));
        one.line(0, 0, 10, 10);
        ASSERT_TRUE(one.finish());
    }
    int code = 0;
    std::string log =
        run(cli + " export '" + dir.file("empty.dat") + "' -o '" + dir.file("e.dxf") + "'", code);
    EXPECT_EQ(code, 1);
    EXPECT_NE(log.find("[Exit] Keine Elemente vorhanden !"), std::string::npos) << log;
    log = run(cli + " export '" + dir.file("one.dat") + "' -o '" + dir.file("no/folder/h.dxf") + "'", code);
    EXPECT_EQ(code, 1);
    EXPECT_NE(log.find("[Error] Datei konnte nicht gespeichert werden !"), std::string::npos) << log;
    run(cli + " export '" + dir.file("empty.dat") + "'", code);
    EXPECT_EQ(code, 2);
}

} // namespace
} // namespace vectrim
