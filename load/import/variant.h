// The variant switch: the program folder can hold three builds of the main
// program (vectrim English mm, vectrimi English inch, vectrimg German mm)
// with their manuals, profiles and demo drawings; choosing one keeps its
// files under the common names and deletes the others'.
#pragma once

#include <string>
#include <vector>

namespace vectrim::load {

enum class Variant {
    EnglishMm,   // "Language English [mm]"
    EnglishInch, // "Language English [inch]"
    GermanMm,    // "Language German [mm]"
};

struct VariantFiles {
    std::vector<std::string> remove;
    std::vector<std::pair<std::string, std::string>> rename; // old name, new name
};

// The files each choice deletes and renames, in order.
VariantFiles variantFiles(Variant variant);

// Writes the unit file, deletes and renames the variant's files in the
// folder (names matched without regard to case); every step that fails is
// skipped. A file that a rename of the same choice replaces is deleted only
// when the file to take its place is there, so that choosing a variant
// again changes nothing.
void switchVariant(const std::string& folder, Variant variant);

} // namespace vectrim::load
