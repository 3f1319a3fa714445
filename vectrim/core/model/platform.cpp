#include "platform.h"

#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <strings.h>
#include <unistd.h>

#include <array>
#include <cstdlib>

extern char** environ;

namespace vectrim {

std::string programFolder() {
    if (const char* v = std::getenv("VECTRIM_PROGRAM_FOLDER"); v && *v) {
        std::string f(v);
        while (f.size() > 1 && f.back() == '/') f.pop_back();
        return f + "/";
    }
    std::array<char, 4096> buf{};
    const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return "./";
    std::string path(buf.data(), static_cast<size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}

std::string fileInFolder(const std::string& folder, const std::string& name) {
    if (DIR* dir = opendir(folder.empty() ? "." : folder.c_str())) {
        std::string found;
        // An exact match wins over one that differs in case.
        while (dirent* e = readdir(dir)) {
            if (name == e->d_name) {
                found = e->d_name;
                break;
            }
            if (found.empty() && strcasecmp(name.c_str(), e->d_name) == 0) found = e->d_name;
        }
        closedir(dir);
        if (!found.empty()) return folder + found;
    }
    return folder + name;
}

bool startProgram(const std::string& path, const std::vector<std::string>& args) {
    std::vector<std::string> all{path};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    // The child must not become a zombie of a parent that never waits.
    signal(SIGCHLD, SIG_IGN);
    pid_t pid = 0;
    return posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
}

} // namespace vectrim
