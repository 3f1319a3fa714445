// Every drawing of the shared DXF corpus imports without failure, and writes
// exactly the lines and arcs of the checked-in expectation
// (corpus_expected.txt). Texts are outlined in DejaVu Sans whatever fonts
// the drawings name, so that the counts do not depend on the fonts
// installed. VECTRIM_UPDATE_EXPECTED=1 rewrites the expectation.
#include "load_test_support.h"
#include "model/par_file.h"
#include "qt/qt_outliner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace vectrim {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kExpected = VECTRIM_SOURCE_DIR "/tests/load/corpus_expected.txt";

struct Counts {
    int64_t lines = -1, arcs = -1;
    bool operator==(const Counts&) const = default;
};

std::vector<std::string> corpusFiles() {
    const fs::path root = fs::path(VECTRIM_SHARED_DIR) / "corpus";
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(root, ec)) {
        std::string ext = e.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (e.is_regular_file() && ext == ".dxf") files.push_back(fs::relative(e.path(), root).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// "lines arcs path" per line.
std::map<std::string, Counts> readExpected() {
    std::map<std::string, Counts> out;
    std::ifstream in(kExpected);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream s(line);
        Counts c;
        s >> c.lines >> c.arcs;
        std::string path;
        std::getline(s >> std::ws, path);
        out[path] = c;
    }
    return out;
}

TEST(Corpus, EveryFileImportsWithTheExpectedLinesAndArcs) {
    if (!fs::exists(kFont)) GTEST_SKIP() << "DejaVu Sans is not installed";
    const std::vector<std::string> files = corpusFiles();
    if (files.empty()) GTEST_SKIP() << "no corpus at " << VECTRIM_SHARED_DIR;
    load::QtOutliner outliner(kFont);
    const std::map<std::string, Counts> expected = readExpected();
    std::map<std::string, Counts> actual;
    const fs::path root = fs::path(VECTRIM_SHARED_DIR) / "corpus";
    test::TempDir dir;
    std::printf("%8s %8s  %s\n", "lines", "arcs", "file");
    for (const std::string& f : files) {
        test::RecordingHost host;
        load::Import run(host, &outliner);
        run.setSource((root / f).string(), kCurveQuality);
        const bool read = run.loader();
        EXPECT_TRUE(read) << f;
        run.auswaehler();
        run.explodePasses();
        EXPECT_TRUE(run.schreiben(dir.file("tempd.dat"))) << f;
        EXPECT_TRUE(host.messages.empty()) << f;
        const Counts c{run.linesWritten(), run.arcsWritten()};
        actual[f] = c;
        std::printf("%8lld %8lld  %s\n", static_cast<long long>(c.lines), static_cast<long long>(c.arcs),
                    f.c_str());
        const auto it = expected.find(f);
        if (it == expected.end()) {
            ADD_FAILURE() << f << " has no expectation";
        } else {
            EXPECT_EQ(c.lines, it->second.lines) << f;
            EXPECT_EQ(c.arcs, it->second.arcs) << f;
        }
    }
    if (const char* update = std::getenv("VECTRIM_UPDATE_EXPECTED"); update && std::string(update) == "1") {
        std::ofstream out(kExpected);
        out << "# lines arcs file: what the import writes for each drawing of ../shared/corpus\n";
        for (const auto& [f, c] : actual) out << c.lines << " " << c.arcs << " " << f << "\n";
    }
}

} // namespace
} // namespace vectrim
