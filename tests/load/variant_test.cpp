// The variant switch: the files each choice keeps, deletes and renames, the
// refusal of a choice whose files are missing, and the build marks.
#include "import/variant.h"
#include "variant_folder.h"

#include <gtest/gtest.h>

namespace vectrim {
namespace {

using load::Variant;
using test::TempDir;

constexpr Variant kAll[] = {Variant::EnglishMm, Variant::EnglishInch, Variant::GermanMm};

// The build and the file contents a switched folder must hold.
void expectSwitchedTo(const TempDir& dir, Variant v) {
    EXPECT_EQ(test::listing(dir), test::expectedListing(v));
    EXPECT_EQ(load::buildOf(dir.file("vectrim")), v);
    const bool inch = v == Variant::EnglishInch;
    EXPECT_EQ(dir.read("default.pro"), inch ? "defaulti.pro" : "default.pro");
    for (const char* d : test::kDemoDrawings) EXPECT_EQ(dir.read(d), (inch ? "i" : "") + std::string(d)) << d;
    EXPECT_EQ(dir.read("unit"), "11\r\n");
}

TEST(VariantSwitch, EachChoiceLeavesOneProgramOneManualOneProfileAndOneSetOfDrawings) {
    for (Variant v : kAll) {
        SCOPED_TRACE(load::buildCode(v));
        TempDir dir;
        test::fillAsBuilt(dir);
        const load::SwitchResult r = load::switchVariant(dir.folder(), v);
        EXPECT_TRUE(r.switched);
        EXPECT_TRUE(r.missing.empty());
        expectSwitchedTo(dir, v);
    }
}

TEST(VariantSwitch, ASecondChoiceInASwitchedFolderLosesNothing) {
    for (Variant first : kAll) {
        for (Variant second : kAll) {
            SCOPED_TRACE(std::string(load::buildCode(first)) + " then " + load::buildCode(second));
            TempDir dir;
            test::fillAsBuilt(dir);
            load::switchVariant(dir.folder(), first);
            const load::SwitchResult r = load::switchVariant(dir.folder(), second);
            // The other builds are gone, so only the same choice can be made.
            EXPECT_EQ(r.switched, first == second);
            EXPECT_EQ(r.missing.empty(), first == second);
            expectSwitchedTo(dir, first);
        }
    }
}

TEST(VariantSwitch, AChoiceWhoseFilesAreMissingChangesNothing) {
    const struct {
        Variant choice;
        const char* removed;
        const char* reported;
    } cases[] = {
        {Variant::EnglishInch, "vectrimi", "vectrimi"},
        {Variant::EnglishInch, "defaulti.pro", "defaulti.pro"},
        {Variant::EnglishInch, "info-e.pdf", "info-e.pdf"},
        {Variant::EnglishMm, "info-e.pdf", "info-e.pdf"},
        {Variant::EnglishMm, "vectrim", "vectrim (English [mm])"},
        {Variant::EnglishMm, "default.pro", "default.pro"},
        {Variant::GermanMm, "vectrimg", "vectrimg"},
        {Variant::GermanMm, "info.pdf", "info.pdf"},
        {Variant::GermanMm, "default.pro", "default.pro"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.removed);
        TempDir dir;
        test::fillAsBuilt(dir);
        std::filesystem::remove(dir.file(c.removed));
        const std::set<std::string> before = test::listing(dir);
        const load::SwitchResult r = load::switchVariant(dir.folder(), c.choice);
        EXPECT_FALSE(r.switched);
        EXPECT_EQ(r.missing, std::vector<std::string>{c.reported});
        EXPECT_EQ(test::listing(dir), before);
        EXPECT_EQ(load::buildOf(dir.file("vectrim")),
                  std::string(c.removed) == "vectrim" ? std::nullopt : std::optional(Variant::EnglishMm));
    }
    EXPECT_EQ(load::missingFilesText({"vectrimi", "defaulti.pro"}),
              "The files for this choice are missing: vectrimi, defaulti.pro. Nothing was changed.");
}

TEST(VariantSwitch, AMainProgramWithoutMarkIsNoBuildToSwitchFrom) {
    TempDir dir;
    dir.write("vectrim", "an unmarked build");
    dir.write("info.pdf", "m");
    dir.write("default.pro", "p");
    for (Variant v : kAll) EXPECT_FALSE(load::switchVariant(dir.folder(), v).switched);
    EXPECT_EQ(test::listing(dir), (std::set<std::string>{"vectrim", "info.pdf", "default.pro"}));
}

TEST(VariantSwitch, NamesMatchWithoutRegardToCase) {
    TempDir dir;
    test::writeBuild(dir, "Vectrim", Variant::EnglishMm);
    test::writeBuild(dir, "VECTRIMI", Variant::EnglishInch);
    dir.write("INFO-E.PDF", "e");
    dir.write("Info.Pdf", "g");
    dir.write("DEFAULT.PRO", "mm");
    dir.write("DefaultI.PRO", "inch");
    dir.write("Flower.DXF", "mm flower");
    dir.write("IFLOWER.DXF", "inch flower");
    ASSERT_TRUE(load::switchVariant(dir.folder(), Variant::EnglishInch).switched);
    EXPECT_EQ(test::listing(dir),
              (std::set<std::string>{"vectrim", "INFO-E.PDF", "default.pro", "flower.dxf", "unit"}));
    EXPECT_EQ(dir.read("default.pro"), "inch");
    EXPECT_EQ(dir.read("flower.dxf"), "inch flower");
    EXPECT_EQ(load::buildOf(dir.file("vectrim")), Variant::EnglishInch);
}

TEST(BuildMark, FoundAnywhereInTheFileAndOnlyWhenItIsOne) {
    TempDir dir;
    const std::string mark = std::string(load::kBuildMarkPrefix) + "de-mm" + '\0';
    // Around the boundary of the first read of 1 MiB.
    for (size_t at : {size_t{0}, (size_t{1} << 20) - 9, (size_t{1} << 20) - 3, (size_t{1} << 20) + 5}) {
        dir.write("b", std::string(at, 'x') + mark + std::string(100, 'y'));
        EXPECT_EQ(load::buildOf(dir.file("b")), Variant::GermanMm) << at;
    }
    const std::pair<std::string, std::optional<Variant>> cases[] = {
        {"no mark", std::nullopt},
        {std::string(load::kBuildMarkPrefix) + "en-inch", std::nullopt}, // cut off before its NUL
        {std::string(load::kBuildMarkPrefix) + "en-mmx" + '\0', std::nullopt},
        {std::string(load::kBuildMarkPrefix) + '\0' + load::kBuildMarkPrefix + "en-inch" + '\0',
         Variant::EnglishInch},
        {mark + "zz" + mark, Variant::GermanMm},
        {mark + std::string(load::kBuildMarkPrefix) + "en-mm" + '\0', std::nullopt}, // two builds
    };
    for (const auto& [bytes, build] : cases) {
        dir.write("b", bytes);
        EXPECT_EQ(load::buildOf(dir.file("b")), build) << bytes;
    }
    EXPECT_EQ(load::buildOf(dir.file("missing")), std::nullopt);
}

} // namespace
} // namespace vectrim
