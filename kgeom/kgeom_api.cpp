#include "kgeom_api.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kg {
namespace {

std::string programFolder() {
    std::array<char, 4096> buf{};
    const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return {};
    std::string path(buf.data(), static_cast<size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

struct Binding {
    Api api{};
    bool ok = false;
    std::string error;

    Binding() {
        void* handle = nullptr;
        std::string tried;
        for (const std::string& dir : {programFolder(), std::string(KGEOM_BUILD_DIR) + "/"}) {
            const std::string path = dir + "libkgeom.so";
            // Local binding: the exports stay out of the process's global
            // symbol scope, where roundl would meet the C library's.
            handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle) break;
            tried += (tried.empty() ? "" : ", ") + path;
        }
        if (!handle) {
            error = "libkgeom.so not found (" + tried + ")";
            return;
        }
        void** slot = reinterpret_cast<void**>(&api);
        static_assert(sizeof(Api) == sizeof(void*) * 22);
        for (int i = 0; i < 22; ++i) {
            void* sym = dlsym(handle, kExportNames[i]);
            if (!sym) {
                error = std::string("libkgeom.so lacks the export ") + kExportNames[i];
                return;
            }
            std::memcpy(&slot[i], &sym, sizeof(void*));
        }
        ok = true;
    }
};

const Binding& binding() {
    static const Binding b;
    return b;
}

} // namespace

const Api* load(std::string* error) {
    const Binding& b = binding();
    if (!b.ok && error) *error = b.error;
    return b.ok ? &b.api : nullptr;
}

const Api& api() {
    const Binding& b = binding();
    if (!b.ok) {
        std::fprintf(stderr, "vectrim: %s\n", b.error.c_str());
        std::exit(3);
    }
    return b.api;
}

} // namespace kg
