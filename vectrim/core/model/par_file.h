// The parameter file par.dat: which DXF to open and how.
//   1: full path of the DXF (a path from the open dialog ends in one NUL)
//   2: curve quality, always " 30"
//   3: display name: the last 30 characters of the path
#pragma once

#include <cstdint>
#include <string>

namespace vectrim {

inline constexpr int32_t kCurveQuality = 30;

// The last 30 characters of a path (characters of UTF-8 text, a NUL counts
// as one), or the whole path when it is not longer.
std::string displayName(const std::string& path);

// Text up to the first NUL.
std::string untilNul(const std::string& text);

bool writeParFile(const std::string& file, const std::string& dxfPath, const std::string& display);

struct ParFile {
    int lines = 0;       // how many of the three lines were there
    std::string path;    // up to the first NUL
    int32_t quality = 0; // 0 when line 2 is missing or not a number
    std::string display; // up to the first NUL
};
// Reads as many of the three lines as there are; lines == 0 when the file
// cannot be opened.
ParFile readParFile(const std::string& file);

} // namespace vectrim
