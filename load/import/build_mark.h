// Which build of the main program a file is. Every build of vectrim carries
// one mark in its binary: the text "VECTRIM-BUILD=" directly followed by its
// code ("en-mm", "en-inch" or "de-mm") and a NUL byte. Since the variant
// switch renames the chosen build to "vectrim", the mark is the only way to
// tell the builds apart afterwards.
#pragma once

#include <optional>
#include <string>

namespace vectrim::load {

enum class Variant {
    EnglishMm,   // "Language English [mm]"
    EnglishInch, // "Language English [inch]"
    GermanMm,    // "Language German [mm]"
};

inline constexpr const char* kBuildMarkPrefix = "VECTRIM-BUILD=";

// "en-mm", "en-inch", "de-mm".
const char* buildCode(Variant variant);

// The build whose mark the file carries; nothing when the file is missing,
// carries no mark or the marks of more than one build.
std::optional<Variant> buildOf(const std::string& path);

} // namespace vectrim::load
