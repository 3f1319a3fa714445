#include "variant.h"

#include "model/platform.h"
#include "model/textfile.h"

#include <dirent.h>
#include <strings.h>

#include <algorithm>
#include <cstdio>

namespace vectrim::load {

namespace {

// Every entry of the folder whose name equals `name` without regard to case.
std::vector<std::string> matches(const std::string& folder, const std::string& name) {
    std::vector<std::string> found;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir))
            if (strcasecmp(name.c_str(), e->d_name) == 0) found.push_back(folder + e->d_name);
        closedir(dir);
    }
    return found;
}

} // namespace

VariantFiles variantFiles(Variant variant) {
    switch (variant) {
        case Variant::GermanMm:
            return {{"defaulti.pro", "itext.DXF", "itextconverts.DXF", "vectrim", "vectrimi", "info-e.pdf",
                     "icurve1.DXF", "idragon.DXF", "idouble.DXF", "iflower.DXF", "icurve1converts.DXF",
                     "idragonconverts.DXF", "iflowerconverts.DXF", "ideer.DXF", "iornament.DXF",
                     "icloverleaf.DXF", "iwoman.DXF", "iyoungwoman.dxf", "ihorse.DXF"},
                    {{"vectrimg", "vectrim"}}};
        case Variant::EnglishInch:
            return {{"double.DXF", "vectrimg", "vectrim", "info.pdf", "curve1.DXF", "dragon.DXF",
                     "flower.DXF", "curve1converts.DXF", "dragonconverts.DXF", "flowerconverts.DXF",
                     "text.DXF", "default.pro", "textconverts.DXF", "deer.DXF", "ornament.DXF",
                     "cloverleaf.DXF", "woman.DXF", "youngwoman.dxf", "horse.DXF"},
                    {{"defaulti.pro", "default.pro"},
                     {"itext.dxf", "text.dxf"},
                     {"itextconverts.DXF", "textconverts.DXF"},
                     {"vectrimi", "vectrim"},
                     {"idouble.DXF", "double.DXF"},
                     {"icurve1.DXF", "curve1.DXF"},
                     {"idragon.DXF", "dragon.DXF"},
                     {"iflower.DXF", "flower.DXF"},
                     {"icurve1converts.DXF", "curve1converts.DXF"},
                     {"idragonconverts.DXF", "dragonconverts.DXF"},
                     {"iflowerconverts.DXF", "flowerconverts.DXF"},
                     {"ideer.DXF", "deer.DXF"},
                     {"iornament.DXF", "ornament.DXF"},
                     {"icloverleaf.DXF", "cloverleaf.DXF"},
                     {"iwoman.DXF", "woman.DXF"},
                     {"iyoungwoman.DXF", "youngwoman.DXF"},
                     {"ihorse.DXF", "horse.DXF"}}};
        case Variant::EnglishMm:
            return {{"defaulti.pro", "vectrimg", "vectrimi", "info.pdf", "idouble.DXF", "icurve1.DXF",
                     "itext.DXF", "itextconverts.DXF", "idragon.DXF", "iflower.DXF", "icurve1converts.DXF",
                     "idragonconverts.DXF", "iflowerconverts.DXF", "ideer.DXF", "iornament.DXF",
                     "icloverleaf.DXF", "iwoman.DXF", "iyoungwoman.dxf", "ihorse.DXF"},
                    {}};
    }
    return {};
}

void switchVariant(const std::string& folder, Variant variant) {
    {
        AtomicTextFile unit(folder + "unit");
        unit.line("11");
        unit.commit();
    }
    const VariantFiles files = variantFiles(variant);
    auto sameName = [](const std::string& a, const std::string& b) {
        return strcasecmp(a.c_str(), b.c_str()) == 0;
    };
    for (const std::string& name : files.remove) {
        // Keep a file that is to be replaced as long as its replacement is
        // missing (the choice was made before).
        const auto replaced = std::find_if(files.rename.begin(), files.rename.end(),
                                           [&](const auto& r) { return sameName(r.second, name); });
        if (replaced != files.rename.end() && matches(folder, replaced->first).empty()) continue;
        for (const std::string& path : matches(folder, name)) std::remove(path.c_str());
    }
    for (const auto& [from, to] : files.rename) {
        const std::vector<std::string> source = matches(folder, from);
        if (source.empty() || !matches(folder, to).empty()) continue; // a rename never replaces a file
        std::rename(source.front().c_str(), (folder + to).c_str());
    }
}

} // namespace vectrim::load
