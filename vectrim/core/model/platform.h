// The program folder, file names in it, and starting the other program.
#pragma once

#include <string>
#include <vector>

namespace vectrim {

// The folder of the running executable, with one trailing "/".
// VECTRIM_PROGRAM_FOLDER overrides it (for tests that run a program folder of
// their own).
std::string programFolder();

// The path of `name` in `folder` (which ends in "/"), matched without regard
// to case as the file names of the program folder are; folder + name when no
// entry matches.
std::string fileInFolder(const std::string& folder, const std::string& name);

// Starts a program with arguments, without a shell and without waiting for
// it. Returns false when it could not be started.
bool startProgram(const std::string& path, const std::vector<std::string>& args);

} // namespace vectrim
