// The import of load on two large drawings: 99,000 LINEs, and 20,000
// LWPOLYLINEs of 50 vertices each (some segments bulged). "Program" runs
// load 1 in a program folder of its own, from the start of the process
// until tempd.dat is written (the stand-in main program it starts does
// nothing); "Import" runs the import in this process.
#include "import/import.h"

#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

class Quiet : public vectrim::Host {
public:
    void info(std::string_view) override {}
    void doEvents() override {}
    void message(std::string_view, std::string_view, vectrim::Icon) override {}
    char ask(std::string_view, std::string_view) override { return 'J'; }
};

struct Folder {
    fs::path dir;
    Folder() {
        std::string tmpl = (fs::temp_directory_path() / "vectrim-bench-XXXXXX").string();
        dir = mkdtemp(tmpl.data());
        std::ofstream(dir / "vectrim") << "#!/bin/sh\nexit 0\n";
        chmod((dir / "vectrim").c_str(), 0755);
        writeLines(dir / "lines.dxf");
        writePolylines(dir / "polylines.dxf");
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    static void writeLines(const fs::path& p) {
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::mt19937 g(1);
        std::uniform_real_distribution<double> u(0, 1000);
        std::fputs("0\nSECTION\n2\nENTITIES\n", f);
        for (int i = 0; i < 99000; ++i) {
            const double x = u(g), y = u(g);
            std::fprintf(f,
                         "0\nLINE\n5\n%X\n8\n0\n10\n%.6f\n20\n%.6f\n30\n0.0\n11\n%.6f\n21\n%.6f\n31\n0.0\n",
                         i + 256, x, y, x + 1.5, y + 2.5);
        }
        std::fputs("0\nENDSEC\n0\nEOF\n", f);
        std::fclose(f);
    }

    static void writePolylines(const fs::path& p) {
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::mt19937 g(2);
        std::uniform_real_distribution<double> u(0, 1000);
        std::fputs("0\nSECTION\n2\nENTITIES\n", f);
        for (int i = 0; i < 20000; ++i) {
            std::fprintf(f, "0\nLWPOLYLINE\n5\n%X\n8\n0\n90\n50\n70\n0\n", i + 256);
            const double x = u(g), y = u(g);
            for (int k = 0; k < 50; ++k) {
                std::fprintf(f, "10\n%.6f\n20\n%.6f\n", x + k * 0.5, y + (k % 2) * 0.5);
                if (k % 5 == 0) std::fputs("42\n0.25\n", f);
            }
        }
        std::fputs("0\nENDSEC\n0\nEOF\n", f);
        std::fclose(f);
    }
};

Folder& folder() {
    static Folder f;
    return f;
}

void runLoad(benchmark::State& state, const char* file) {
    Folder& f = folder();
    {
        std::ofstream par(f.dir / "par.dat", std::ios::binary);
        par << (f.dir / file).string() << "\r\n 30\r\n" << file << "\r\n";
    }
    const std::string load = VECTRIM_BIN_DIR "/load";
    setenv("VECTRIM_PROGRAM_FOLDER", f.dir.c_str(), 1);
    setenv("VECTRIM_NONINTERACTIVE", "1", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (auto _ : state) {
        const pid_t pid = fork();
        if (pid == 0) {
            execl(load.c_str(), load.c_str(), "1", static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !fs::exists(f.dir / "tempd.dat"))
            state.SkipWithError("load failed");
    }
}

void runImport(benchmark::State& state, const char* file) {
    Folder& f = folder();
    Quiet host;
    for (auto _ : state) {
        if (!vectrim::load::importToExchangeFile((f.dir / file).string(), 30, (f.dir / "bench.dat").string(),
                                                 host, nullptr))
            state.SkipWithError("import failed");
    }
}

void ProgramLines99000(benchmark::State& s) { runLoad(s, "lines.dxf"); }
void ProgramPolylines20000x50(benchmark::State& s) { runLoad(s, "polylines.dxf"); }
void ImportLines99000(benchmark::State& s) { runImport(s, "lines.dxf"); }
void ImportPolylines20000x50(benchmark::State& s) { runImport(s, "polylines.dxf"); }

BENCHMARK(ProgramLines99000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);
BENCHMARK(ProgramPolylines20000x50)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);
BENCHMARK(ImportLines99000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);
BENCHMARK(ImportPolylines20000x50)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
