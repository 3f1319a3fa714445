// The entity exchange file: the import's writing rules and the main
// program's reading, including damaged files.
#include "model/exchange_file.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace vectrim {
namespace {

using test::RecordingHost;
using test::TempDir;

std::string written(const TempDir& dir, const std::function<void(ExchangeWriter&)>& body) {
    ExchangeWriter w(dir.file("tempd.dat"));
    body(w);
    EXPECT_TRUE(w.finish());
    return dir.read("tempd.dat");
}

TEST(ExchangeWriter, LineRecordsAndTheLengthFilter) {
    TempDir dir;
    const std::string bytes = written(dir, [](ExchangeWriter& w) {
        w.line(0, 0, 0.00001, 0);  // dropped
        w.line(0, 0, 0.000011, 0); // kept
        w.line(0.5, -12.25, 30, 0);
    });
    EXPECT_EQ(bytes, "1\r\n 0\r\n 0\r\n 1.1E-05\r\n 0\r\n"
                     "1\r\n .5\r\n-12.25\r\n 30\r\n 0\r\n"
                     "e\r\n");
}

TEST(ExchangeWriter, ArcAngleRules) {
    EXPECT_EQ(exchangeArcAngles(350, 20).start, 350);
    EXPECT_EQ(exchangeArcAngles(350, 20).end, 10);
    EXPECT_EQ(exchangeArcAngles(10, -20).start, 350);
    EXPECT_EQ(exchangeArcAngles(10, -20).end, 10);
    EXPECT_EQ(exchangeArcAngles(123, 0).start, 0);
    EXPECT_EQ(exchangeArcAngles(123, 0).end, 360);
    EXPECT_EQ(exchangeArcAngles(0, 360).end, 360);
    EXPECT_EQ(exchangeArcAngles(-720, 30).start, 0);
    EXPECT_EQ(exchangeArcAngles(-720, 30).end, 30);
    TempDir dir;
    EXPECT_EQ(written(dir, [](ExchangeWriter& w) { w.arc(1, 2, 3, 350, 20); }),
              "2\r\n 1\r\n 2\r\n 3\r\n 350\r\n 10\r\ne\r\n");
}

TEST(ExchangeWriter, NeverWritesUnusableValues) {
    TempDir dir;
    ExchangeWriter w(dir.file("tempd.dat"));
    w.line(0, 0, NAN, 1);
    w.arc(0, 0, 0, 0, 90);
    w.arc(0, 0, -2, 0, 90);
    w.arc(0, 0, 1, INFINITY, 90);
    ASSERT_TRUE(w.finish());
    EXPECT_EQ(w.rejected(), 4);
    EXPECT_EQ(dir.read("tempd.dat"), "e\r\n");
}

TEST(ExchangeWriter, ReplacesAnOldFileOnlyWhenFinished) {
    TempDir dir;
    dir.write("tempd.dat", "old");
    {
        ExchangeWriter w(dir.file("tempd.dat"));
        w.line(0, 0, 1, 1);
    }                                                // never finished
    EXPECT_FALSE(fileExists(dir.file("tempd.dat"))); // the old one went first
    EXPECT_EQ(std::filesystem::directory_iterator(dir.folder()) == std::filesystem::directory_iterator(),
              true); // and no temporary file was left behind
}

TEST(ExchangeReader, ReadsRecordsAndDeletesTheFile) {
    TempDir dir;
    dir.write("tempd.dat", "2\r\n 1\r\n 2\r\n 3\r\n 350\r\n 10\r\n1\r\n .5\r\n-1\r\n 2E+01\r\n 0\r\ne\r\n");
    auto d = std::make_unique<Drawing>();
    RecordingHost host;
    EXPECT_EQ(readExchangeFile(dir.file("tempd.dat"), *d, host), ExchangeRead::Ok);
    ASSERT_EQ(d->arccount, 1);
    ASSERT_EQ(d->linecount, 1);
    EXPECT_EQ(d->arcs[0].a1, 350);
    EXPECT_EQ(d->arcs[0].a2, 10);
    EXPECT_EQ(d->lines[0].x1, 0.5);
    EXPECT_EQ(d->lines[0].x2, 20);
    EXPECT_EQ(d->order[0], ElementRef::arc(0));
    EXPECT_EQ(d->order[1], ElementRef::line(0));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(fileExists(dir.file("tempd.dat")));
}

TEST(ExchangeReader, OnlyTheEndMarkerGivesAnEmptyDrawing) {
    TempDir dir;
    dir.write("tempd.dat", "e\r\n");
    auto d = std::make_unique<Drawing>();
    RecordingHost host;
    EXPECT_EQ(readExchangeFile(dir.file("tempd.dat"), *d, host), ExchangeRead::Ok);
    EXPECT_EQ(d->elementCount(), 0);
    EXPECT_TRUE(host.messages.empty());
}

void expectReadFailure(const std::string& bytes) {
    TempDir dir;
    dir.write("tempd.dat", bytes);
    auto d = std::make_unique<Drawing>();
    d->appendLine(1, 1, 2, 2);
    RecordingHost host;
    EXPECT_EQ(readExchangeFile(dir.file("tempd.dat"), *d, host), ExchangeRead::ReadFailure);
    EXPECT_EQ(d->elementCount(), 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "DXF konnte nicht geladen werden !");
    EXPECT_EQ(host.messages[0].title, "Lesefehler !");
    EXPECT_EQ(host.messages[0].icon, Icon::Information);
    EXPECT_TRUE(fileExists(dir.file("tempd.dat")));
}

TEST(ExchangeReader, DamagedFiles) {
    expectReadFailure("1\r\n 1\r\n 2\r\n");             // ends inside a record
    expectReadFailure("1\r\n 1\r\n 2\r\n 3\r\n 4\r\n"); // no end marker
    expectReadFailure("");                              // empty
    expectReadFailure("1\r\n 1e400\r\n 2\r\n 3\r\n 4\r\ne\r\n");
    expectReadFailure("2\r\n 1\r\n 2\r\n 3\r\n-1e999\r\n 4\r\ne\r\n");
}

TEST(ExchangeReader, MissingFile) {
    TempDir dir;
    auto d = std::make_unique<Drawing>();
    RecordingHost host;
    EXPECT_EQ(readExchangeFile(dir.file("tempd.dat"), *d, host), ExchangeRead::ReadFailure);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST(ExchangeReader, GarbageNumbersReadAsZeroAndNoCircleWithoutRadius) {
    TempDir dir;
    dir.write("tempd.dat", "1\nnan\nabc\n\n 4\n2\n 0\n 0\n 0\n 0\n 360\n2\n 0\n 0\n-3\n 0\n 360\ne\n");
    auto d = std::make_unique<Drawing>();
    RecordingHost host;
    EXPECT_EQ(readExchangeFile(dir.file("tempd.dat"), *d, host), ExchangeRead::Ok);
    ASSERT_EQ(d->linecount, 1);
    EXPECT_EQ(d->lines[0].x1, 0);
    EXPECT_EQ(d->lines[0].y2, 4);
    EXPECT_EQ(d->arccount, 0);
}

TEST(ExchangeReader, HugeLineWithoutLineEndIsBounded) {
    TempDir dir;
    dir.write("tempd.dat", "1\r\n" + std::string(10 * 1024 * 1024, '7'));
    auto d = std::make_unique<Drawing>();
    RecordingHost host;
    EXPECT_EQ(readExchangeFile(dir.file("tempd.dat"), *d, host), ExchangeRead::ReadFailure);
}

TEST(ExchangeReader, TooLargeDrawing) {
    TempDir dir;
    {
        std::ofstream out(dir.file("tempd.dat"), std::ios::binary);
        for (int i = 0; i < 100000; ++i) out << "1\r\n " << i << "\r\n 0\r\n " << i << "\r\n 1\r\n";
        out << "e\r\n";
    }
    auto d = std::make_unique<Drawing>();
    RecordingHost host;
    EXPECT_EQ(readExchangeFile(dir.file("tempd.dat"), *d, host), ExchangeRead::TooLarge);
    EXPECT_EQ(d->elementCount(), 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Zeichnung zu groß ! Reduzieren Sie die Anzahl der Elemente. !");
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_TRUE(fileExists(dir.file("tempd.dat")));
}

TEST(ExchangeFile, ModelWrittenAndReadBack) {
    TempDir dir;
    auto d = std::make_unique<Drawing>();
    d->appendArc(1.25, -3, 0.75, 10, 370);
    d->appendLine(1.0 / 3, 2, -7.125, 1e-9);
    ASSERT_TRUE(writeExchangeFile(dir.file("out.dat"), *d));
    auto e = std::make_unique<Drawing>();
    RecordingHost host;
    ASSERT_EQ(readExchangeFile(dir.file("out.dat"), *e, host), ExchangeRead::Ok);
    ASSERT_EQ(e->linecount, 1);
    ASSERT_EQ(e->arccount, 1);
    EXPECT_NEAR(e->lines[0].x1, 1.0 / 3, 1e-15);
    EXPECT_EQ(e->lines[0].y2, 1e-9);
    EXPECT_EQ(e->arcs[0].a2, 370);
    EXPECT_EQ(e->order[0], ElementRef::line(0)); // lines first
}

} // namespace
} // namespace vectrim
