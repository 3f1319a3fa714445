// The variant switch: the program folder can hold three builds of the main
// program (vectrim English mm, vectrimi English inch, vectrimg German mm)
// with their manuals, profiles and demo drawings; choosing one keeps its
// files under the common names and deletes the others'.
#pragma once

#include "build_mark.h"

#include <string>
#include <utility>
#include <vector>

namespace vectrim::load {

struct VariantFiles {
    std::vector<std::string> remove;
    std::vector<std::pair<std::string, std::string>> rename; // old name, new name
};

// The files each choice deletes and renames, in order.
VariantFiles variantFiles(Variant variant);

// The manual that a build opens for "Hilfe".
const char* manualOf(Variant variant);

struct SwitchResult {
    bool switched = false;
    // What the choice needs but the folder lacks (when not switched).
    std::vector<std::string> missing;
};

// Switches the folder to the variant: writes the unit file, renames the
// variant's files to the common names and deletes the other variants'.
// Names are matched without regard to case.
//
// The choice needs its build of the main program (under its own name, or
// already as "vectrim"), the manual of its language and its default profile;
// when one of them is missing nothing is changed and the result says what is
// missing. A file that a rename replaces stays until its replacement is
// there; a rename replaces its target in one step, so the folder never lacks
// its main program. Choosing the same variant again changes nothing.
SwitchResult switchVariant(const std::string& folder, Variant variant);

// The window's text for a choice that could not be made.
std::string missingFilesText(const std::vector<std::string>& missing);

} // namespace vectrim::load
