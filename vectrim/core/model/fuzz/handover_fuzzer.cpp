// libFuzzer target: reads any bytes as each of the hand-over files (the
// exchange file tempd.dat, par.dat, the working file tempw.dat, which is also
// the layout of a settings profile) and checks what the readers promise:
// every element they accept is finite, with a radius above 0, and the
// tables never go past their capacity.
#include "model/exchange_file.h"
#include "model/host.h"
#include "model/par_file.h"
#include "model/tolerances.h"
#include "model/working_file.h"

#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

// One file for all runs of this process.
const std::string& scratchFile() {
    static const std::string path = [] {
        std::string tmpl = "/tmp/vectrim-fuzz-XXXXXX";
        const int fd = mkstemp(tmpl.data());
        if (fd >= 0) close(fd);
        return tmpl;
    }();
    return path;
}

// Messages are part of the readers' contract, not of this check.
class SilentHost : public vectrim::Host {
public:
    void info(std::string_view) override {}
    void doEvents() override {}
    void message(std::string_view, std::string_view, vectrim::Icon) override {}
    char ask(std::string_view, std::string_view) override { return 'J'; }
};

bool finite(double a, double b, double c, double d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& file = scratchFile();
    // The exchange file reader deletes what it has read completely: each
    // reader gets the bytes afresh.
    auto put = [&] {
        std::FILE* f = std::fopen(file.c_str(), "wb");
        if (!f) return false;
        const bool ok = std::fwrite(data, 1, size, f) == size;
        return std::fclose(f) == 0 && ok;
    };
    if (!put()) return 0;

    static SilentHost host;
    static auto drawing = std::make_unique<vectrim::Drawing>();
    drawing->linecount = drawing->arccount = 0;
    vectrim::readExchangeFile(file, *drawing, host);
    const vectrim::Drawing& d = *drawing;
    if (d.linecount < 0 || d.linecount > vectrim::kMaxElements || d.arccount < 0 ||
        d.arccount > vectrim::kMaxElements)
        std::abort();
    for (int32_t i = 0; i < d.linecount; ++i) {
        const vectrim::Line& l = d.lines[i];
        if (!finite(l.x1, l.y1, l.x2, l.y2)) std::abort();
    }
    for (int32_t i = 0; i < d.arccount; ++i) {
        const vectrim::Arc& a = d.arcs[i];
        if (!finite(a.cx, a.cy, a.a1, a.a2) || !(a.r > 0) || !std::isfinite(a.r)) std::abort();
    }

    if (!put()) return 0;
    (void)vectrim::readParFile(file);
    vectrim::WorkingData w;
    (void)vectrim::loaddats(file, w);
    return 0;
}
