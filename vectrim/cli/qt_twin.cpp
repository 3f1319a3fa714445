#include "qt_twin.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace vectrim::cli {

namespace {

#ifdef VECTRIM_QT_TWIN
bool twinThere = true;
#else
bool twinThere = false; // the twin itself, or a build without Qt
#endif

// The folder of this executable (not VECTRIM_PROGRAM_FOLDER: the twin is
// built beside the program, wherever its files are taken from).
std::string executableFolder() {
    std::string path(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (n <= 0) return {};
    path.resize(static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

bool twinTakesQtJobs() { return twinThere; }

void startTwin(char** argv) {
    if (!twinThere) return;
    twinThere = false;
    const std::string folder = executableFolder();
    if (folder.empty()) return;
    const std::string twin = folder + "vectrim-cli-qt";
    std::fflush(stdout);
    std::fflush(stderr);
    execv(twin.c_str(), argv);
}

} // namespace vectrim::cli
