// The import's account beside the exchange file: written and read back,
// deleted after reading, broken files refused, and the texts it gives.
#include "model/import_account.h"
#include "model/textfile.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using test::TempDir;

TEST(ImportAccount, WrittenReadBackAndDeleted) {
    TempDir dir;
    ImportAccount a;
    a.insunits = 1;
    a.quality = 30;
    a.skipped = {{"POINT", 98}, {"zu tief verschachtelt", 1}, {"HATCH", 2}};
    a.approximated = {{"SPLINE", 3}};
    ASSERT_TRUE(writeImportAccount(dir.file("tempi.dat"), a));
    EXPECT_EQ(dir.read("tempi.dat"), " 1\r\n-1\r\n 30\r\nS\r\n 2\r\nHATCH\r\nS\r\n 98\r\nPOINT\r\n"
                                     "S\r\n 1\r\nzu tief verschachtelt\r\nA\r\n 3\r\nSPLINE\r\ne\r\n");
    const auto b = takeImportAccount(dir.file("tempi.dat"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->insunits, 1);
    EXPECT_EQ(b->measurement, -1);
    EXPECT_EQ(b->quality, 30);
    EXPECT_EQ(b->skipped, a.skipped);
    EXPECT_EQ(b->approximated, a.approximated);
    EXPECT_FALSE(fileExists(dir.file("tempi.dat")));
    EXPECT_FALSE(takeImportAccount(dir.file("tempi.dat"))); // read once
}

TEST(ImportAccount, BrokenFilesAreRefusedAndDeleted) {
    TempDir dir;
    for (const char* bytes : {"", " 1\r\n", " 1\r\n-1\r\n 30\r\n", " 1\r\n-1\r\n 30\r\nS\r\n 2\r\n",
                              " 1\r\n-1\r\n 30\r\nX\r\n 2\r\nHATCH\r\ne\r\n", "a\r\nb\r\nc\r\ne\r\n",
                              " 1\r\n-1\r\n 30\r\nS\r\n-2\r\nHATCH\r\ne\r\n", " 1\r\n-1\r\n 1E99\r\ne\r\n"}) {
        dir.write("tempi.dat", bytes);
        EXPECT_FALSE(takeImportAccount(dir.file("tempi.dat"))) << bytes;
        EXPECT_FALSE(fileExists(dir.file("tempi.dat")));
    }
}

TEST(ImportAccount, InchIsDeclaredByInsunitsOrByMeasurementAlone) {
    struct Case {
        int32_t insunits, measurement;
        bool inch;
    };
    const Case cases[] = {{1, -1, true},  {1, 1, true},    {-1, 0, true}, {4, 0, false},
                          {-1, 1, false}, {-1, -1, false}, {0, 0, false}, {4, -1, false}};
    for (const Case& c : cases) {
        ImportAccount a;
        a.insunits = c.insunits;
        a.measurement = c.measurement;
        EXPECT_EQ(a.declaresInch(), c.inch) << c.insunits << " " << c.measurement;
    }
}

TEST(ImportAccount, TextsNameEachKindWithItsCount) {
    ImportAccount a;
    EXPECT_EQ(a.skippedText(), "");
    EXPECT_EQ(a.approximatedText(), "");
    a.quality = 30;
    a.skipped = {{"POINT", 12}, {"HATCH", 3}};
    a.approximated = {{"SPLINE", 2}, {"TEXT", 1}};
    EXPECT_EQ(a.skippedText(), "Nicht übernommen: 3 HATCH, 12 POINT");
    EXPECT_EQ(a.approximatedText(), "Angenähert: 2 SPLINE, 1 TEXT (Kurvengüte 30)");
}

} // namespace
} // namespace vectrim
