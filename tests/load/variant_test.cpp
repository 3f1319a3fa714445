// The variant switch: the files each choice keeps, deletes and renames.
#include "import/variant.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace vectrim {
namespace {

using load::Variant;
using test::TempDir;

// A program folder with all three variants, names in mixed case as shipped.
void fill(const TempDir& dir) {
    for (const char* f : {"vectrim",
                          "vectrimi",
                          "vectrimg",
                          "info.pdf",
                          "info-e.pdf",
                          "default.pro",
                          "defaulti.pro",
                          "text.DXF",
                          "itext.DXF",
                          "textconverts.DXF",
                          "itextconverts.DXF",
                          "double.DXF",
                          "idouble.DXF",
                          "curve1.DXF",
                          "icurve1.DXF",
                          "dragon.DXF",
                          "idragon.DXF",
                          "flower.DXF",
                          "iflower.DXF",
                          "curve1converts.DXF",
                          "icurve1converts.DXF",
                          "dragonconverts.DXF",
                          "idragonconverts.DXF",
                          "flowerconverts.DXF",
                          "iflowerconverts.DXF",
                          "deer.DXF",
                          "ideer.DXF",
                          "ornament.DXF",
                          "iornament.DXF",
                          "cloverleaf.DXF",
                          "icloverleaf.DXF",
                          "woman.DXF",
                          "iwoman.DXF",
                          "youngwoman.dxf",
                          "iyoungwoman.dxf",
                          "horse.DXF",
                          "ihorse.DXF",
                          "load",
                          "par.dat"})
        dir.write(f, f);
}

std::set<std::string> files(const TempDir& dir) {
    std::set<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir.folder()))
        out.insert(e.path().filename().string());
    return out;
}

TEST(VariantSwitch, EnglishInchTakesTheInchFilesUnderThePlainNames) {
    TempDir dir;
    fill(dir);
    load::switchVariant(dir.folder(), Variant::EnglishInch);
    EXPECT_EQ(dir.read("unit"), "11\r\n");
    EXPECT_EQ(dir.read("vectrim"), "vectrimi");
    EXPECT_EQ(dir.read("default.pro"), "defaulti.pro");
    EXPECT_EQ(dir.read("text.dxf"), "itext.DXF");
    EXPECT_EQ(dir.read("youngwoman.DXF"), "iyoungwoman.dxf");
    EXPECT_EQ(dir.read("horse.DXF"), "ihorse.DXF");
    EXPECT_EQ(files(dir), (std::set<std::string>{"unit",
                                                 "vectrim",
                                                 "info-e.pdf",
                                                 "default.pro",
                                                 "text.dxf",
                                                 "textconverts.DXF",
                                                 "double.DXF",
                                                 "curve1.DXF",
                                                 "dragon.DXF",
                                                 "flower.DXF",
                                                 "curve1converts.DXF",
                                                 "dragonconverts.DXF",
                                                 "flowerconverts.DXF",
                                                 "deer.DXF",
                                                 "ornament.DXF",
                                                 "cloverleaf.DXF",
                                                 "woman.DXF",
                                                 "youngwoman.DXF",
                                                 "horse.DXF",
                                                 "load",
                                                 "par.dat"}));
}

TEST(VariantSwitch, GermanAndEnglishMillimetres) {
    TempDir german;
    fill(german);
    load::switchVariant(german.folder(), Variant::GermanMm);
    EXPECT_EQ(german.read("vectrim"), "vectrimg");
    EXPECT_FALSE(std::filesystem::exists(german.file("vectrimi")));
    EXPECT_FALSE(std::filesystem::exists(german.file("itext.DXF")));
    EXPECT_FALSE(std::filesystem::exists(german.file("info-e.pdf")));
    EXPECT_EQ(german.read("text.DXF"), "text.DXF");
    EXPECT_EQ(german.read("info.pdf"), "info.pdf");

    TempDir english;
    fill(english);
    load::switchVariant(english.folder(), Variant::EnglishMm);
    EXPECT_EQ(english.read("vectrim"), "vectrim");
    for (const char* gone :
         {"vectrimg", "vectrimi", "info.pdf", "defaulti.pro", "ihorse.DXF", "iyoungwoman.dxf"})
        EXPECT_FALSE(std::filesystem::exists(english.file(gone))) << gone;
    EXPECT_EQ(english.read("info-e.pdf"), "info-e.pdf");
}

TEST(VariantSwitch, ChoosingAgainChangesNothing) {
    for (Variant v : {Variant::EnglishInch, Variant::GermanMm, Variant::EnglishMm}) {
        TempDir dir;
        fill(dir);
        load::switchVariant(dir.folder(), v);
        const std::set<std::string> first = files(dir);
        const std::string mainProgram = dir.read("vectrim");
        const std::string profile = dir.read("default.pro");
        load::switchVariant(dir.folder(), v);
        EXPECT_EQ(files(dir), first);
        EXPECT_EQ(dir.read("vectrim"), mainProgram);
        EXPECT_EQ(dir.read("default.pro"), profile);
    }
}

TEST(VariantSwitch, NamesMatchWithoutRegardToCaseAndMissingFilesAreSkipped) {
    TempDir dir;
    dir.write("VECTRIMG", "g");
    dir.write("Vectrim", "e");
    dir.write("INFO-E.PDF", "x");
    load::switchVariant(dir.folder(), Variant::GermanMm);
    EXPECT_EQ(files(dir), (std::set<std::string>{"unit", "vectrim"}));
    EXPECT_EQ(dir.read("vectrim"), "g");
}

} // namespace
} // namespace vectrim
