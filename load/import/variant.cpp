#include "variant.h"

#include "model/platform.h"
#include "model/textfile.h"

#include <dirent.h>
#include <strings.h>

#include <algorithm>
#include <cstdio>

namespace vectrim::load {

namespace {

// The demo drawings of one set, without the leading "i" of the inch set.
constexpr const char* kDrawings[] = {
    "text.dxf",     "textconverts.dxf",   "double.dxf",         "curve1.dxf",         "dragon.dxf",
    "flower.dxf",   "curve1converts.dxf", "dragonconverts.dxf", "flowerconverts.dxf", "deer.dxf",
    "ornament.dxf", "cloverleaf.dxf",     "woman.dxf",          "youngwoman.dxf",     "horse.dxf"};

bool sameName(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

// Every entry of the folder whose name equals `name` without regard to case.
std::vector<std::string> matches(const std::string& folder, const std::string& name) {
    std::vector<std::string> found;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir))
            if (sameName(name, e->d_name)) found.push_back(e->d_name);
        closedir(dir);
    }
    return found;
}

bool present(const std::string& folder, const std::string& name) {
    return fileExists(fileInFolder(folder, name));
}

// The build the folder's "vectrim" is, if it carries a mark.
std::optional<Variant> currentBuild(const std::string& folder) {
    const std::string path = fileInFolder(folder, "vectrim");
    return fileExists(path) ? buildOf(path) : std::nullopt;
}

const char* variantName(Variant variant) {
    switch (variant) {
        case Variant::EnglishMm: return "English [mm]";
        case Variant::EnglishInch: return "English [inch]";
        case Variant::GermanMm: return "German [mm]";
    }
    return "";
}

// What the choice cannot do without: its build, its manual, its profile.
std::vector<std::string> missingFor(const std::string& folder, Variant variant) {
    std::vector<std::string> missing;
    const std::optional<Variant> current = currentBuild(folder);
    const bool inch = variant == Variant::EnglishInch;
    if (variant == Variant::EnglishMm) {
        if (current != Variant::EnglishMm)
            missing.push_back(std::string("vectrim (") + variantName(variant) + ")");
    } else {
        const char* own = inch ? "vectrimi" : "vectrimg";
        if (current != variant && !present(folder, own)) missing.push_back(own);
    }
    if (!present(folder, manualOf(variant))) missing.push_back(manualOf(variant));
    // After the inch choice default.pro holds the inch tolerances.
    const bool inchInDefault = current == Variant::EnglishInch;
    if (inch) {
        if (!present(folder, "defaulti.pro") && !(inchInDefault && present(folder, "default.pro")))
            missing.push_back("defaulti.pro");
    } else if (inchInDefault || !present(folder, "default.pro")) {
        missing.push_back("default.pro");
    }
    return missing;
}

} // namespace

const char* manualOf(Variant variant) { return variant == Variant::GermanMm ? "info.pdf" : "info-e.pdf"; }

VariantFiles variantFiles(Variant variant) {
    VariantFiles files;
    auto inchSet = [&] {
        for (const char* d : kDrawings) files.remove.push_back(std::string("i") + d);
    };
    switch (variant) {
        case Variant::GermanMm:
            files.remove = {"defaulti.pro", "vectrim", "vectrimi", "info-e.pdf"};
            inchSet();
            files.rename = {{"vectrimg", "vectrim"}};
            break;
        case Variant::EnglishInch:
            files.remove = {"vectrimg", "vectrim", "info.pdf", "default.pro"};
            files.rename = {{"defaulti.pro", "default.pro"}, {"vectrimi", "vectrim"}};
            for (const char* d : kDrawings) {
                files.remove.push_back(d);
                files.rename.emplace_back(std::string("i") + d, d);
            }
            break;
        case Variant::EnglishMm:
            files.remove = {"defaulti.pro", "vectrimg", "vectrimi", "info.pdf"};
            inchSet();
            break;
    }
    return files;
}

SwitchResult switchVariant(const std::string& folder, Variant variant) {
    SwitchResult result;
    result.missing = missingFor(folder, variant);
    if (!result.missing.empty()) return result;
    {
        AtomicTextFile unit(folder + "unit");
        unit.line("11");
        unit.commit();
    }
    const VariantFiles files = variantFiles(variant);
    // Renames first: each replaces its target at once; other spellings of
    // the target go afterwards.
    for (const auto& [from, to] : files.rename) {
        const std::vector<std::string> source = matches(folder, from);
        if (source.empty() || std::rename((folder + source.front()).c_str(), (folder + to).c_str()) != 0)
            continue;
        for (const std::string& other : matches(folder, to))
            if (other != to) std::remove((folder + other).c_str());
    }
    for (const std::string& name : files.remove) {
        // A rename target is the chosen file now, or stays for want of a
        // replacement.
        const bool renamed = std::any_of(files.rename.begin(), files.rename.end(),
                                         [&](const auto& r) { return sameName(r.second, name); });
        if (renamed) continue;
        for (const std::string& entry : matches(folder, name)) std::remove((folder + entry).c_str());
    }
    result.switched = true;
    return result;
}

std::string missingFilesText(const std::vector<std::string>& missing) {
    std::string list;
    for (const std::string& m : missing) list += (list.empty() ? "" : ", ") + m;
    return "The files for this choice are missing: " + list + ". Nothing was changed.";
}

} // namespace vectrim::load
