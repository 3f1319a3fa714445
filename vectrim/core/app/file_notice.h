// The info line's confirmation of a file written or read: what, the file's
// name and its folder ("DXF gespeichert: teil.dxf in /home/anna/teile/").
#pragma once

#include <string>

namespace vectrim {

inline std::string fileNotice(const char* what, const std::string& path, const char* join) {
    const std::string file = path.substr(0, path.find('\0'));
    const size_t slash = file.find_last_of('/');
    if (slash == std::string::npos) return what + file;
    return what + file.substr(slash + 1) + join + file.substr(0, slash + 1);
}

} // namespace vectrim
