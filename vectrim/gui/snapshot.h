// A picture of the main window and a short account of its state, for
// automated runs (VECTRIM_SNAPSHOT=<file.png>): the program saves both once
// its start-up is complete and ends.
#pragma once

#include <string>

namespace vectrim {

class Form16;

// Saves the window as PNG under `pngPath` and its state as "key=value" lines
// under `pngPath` + ".txt". False when a file could not be written.
bool writeSnapshot(Form16& window, const std::string& pngPath);

} // namespace vectrim
