// A program folder as the build delivers it, with stand-ins: the three
// builds of the main program (small scripts that record which build started
// and carry that build's mark), both manuals, both default profiles and both
// sets of demo drawings, each stand-in holding its own name.
#pragma once

#include "import/variant.h"
#include "temp_dir.h"

#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>

namespace vectrim::test {

// The demo drawings of one set (the inch set adds a leading "i").
inline const char* const kDemoDrawings[] = {
    "flower.dxf", "dragon.dxf",         "deer.dxf",           "ornament.dxf",       "cloverleaf.dxf",
    "curve1.dxf", "double.dxf",         "text.dxf",           "woman.dxf",          "youngwoman.dxf",
    "horse.dxf",  "curve1converts.dxf", "dragonconverts.dxf", "flowerconverts.dxf", "textconverts.dxf"};

// Files of the folder that no choice touches.
inline const char* const kOtherFiles[] = {"load", "vectrim-cli", "libkgeom.so", "par.dat"};

// A stand-in main program: writes its build code into started.txt beside it.
inline void writeBuild(const TempDir& dir, const std::string& name, load::Variant build) {
    const std::string code = load::buildCode(build);
    dir.write(name, "#!/bin/sh\necho " + code + " > \"$(dirname \"$0\")/started.txt\"\nexit 0\n" +
                        load::kBuildMarkPrefix + code + std::string(1, '\0'));
    chmod(dir.file(name).c_str(), 0755);
}

inline void fillAsBuilt(const TempDir& dir) {
    writeBuild(dir, "vectrim", load::Variant::EnglishMm);
    writeBuild(dir, "vectrimi", load::Variant::EnglishInch);
    writeBuild(dir, "vectrimg", load::Variant::GermanMm);
    for (const char* f : {"info.pdf", "info-e.pdf", "default.pro", "defaulti.pro"}) dir.write(f, f);
    for (const char* d : kDemoDrawings) {
        dir.write(d, d);
        dir.write(std::string("i") + d, std::string("i") + d);
    }
    for (const char* f : kOtherFiles) dir.write(f, f);
}

inline std::set<std::string> listing(const TempDir& dir) {
    std::set<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir.folder()))
        out.insert(e.path().filename().string());
    return out;
}

// The folder after a choice: one main program, the manual of its language,
// one default profile, one set of drawings under the plain names.
inline std::set<std::string> expectedListing(load::Variant chosen) {
    std::set<std::string> out{"vectrim", load::manualOf(chosen), "default.pro", "unit"};
    for (const char* d : kDemoDrawings) out.insert(d);
    for (const char* f : kOtherFiles) out.insert(f);
    return out;
}

} // namespace vectrim::test
