// vectrim-cli: the batch front end of the main program, for users' scripts
// and for tests. Messages go to standard error as "[TITLE] TEXT".
#include "cli.h"
#include "pipeline/stage_set.h"
#include "qt_twin.h"
#include "reference/reference.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace vectrim::cli;

const Command kCommands[] = {
    {"import", "import IN.dxf [-o OUT]", cmdImport},
    {"run",
     "run IN [--reduce T] [--gaps T] [--smooth T] [--round-line-line] [--answer J|N] [-o OUT] "
     "[--keep-position] [--report FILE.json]",
     cmdRun},
    {"stage", "stage NAME IN [--tol T] [-o OUT] [--keep-position]", cmdStage},
    {"check", "check endpoints|directions|open|junctions|small IN", cmdCheck},
    {"analyse", "analyse IN", cmdAnalyse},
    {"scale", "scale IN --width W --height H [--quality fein|mittel|grob] [-o OUT]", cmdScale},
    {"inch", "inch IN [--back] [-o OUT]", cmdInch},
    {"print", "print IN --pdf OUT.pdf [--scale S|fit] [--rotate] [--bw]", cmdPrint},
    {"export", "export IN -o OUT.dxf [--polylines] [--keep-position]", cmdExport},
    {"convert", "convert IN [-o OUT] [--keep-position]", cmdConvert},
    {"selftest", "selftest", cmdSelftest},
};

void printUsage() {
    std::fprintf(stderr, "usage: vectrim-cli [--lang en|de] [--reference] COMMAND ...\n");
    for (const Command& c : kCommands) std::fprintf(stderr, "  vectrim-cli %s\n", c.usage);
    std::fprintf(stderr, "IN is a .dxf or an exchange file (.dat); OUT is .json (default, "
                         "standard output), .dat or .dxf.\n"
                         "--reference, before the command, runs the literal stages, checks and contour\n"
                         "building instead of the fast ones (the results are the same, only slower).\n"
                         "--lang en prints the messages in English, --lang de in German (the default;\n"
                         "without --lang a LANG that starts with \"en\" chooses English).\n");
}

} // namespace

int main(int argc, char** argv) {
    int first = 1; // the command's name
    const char* language = nullptr;
    for (;;) {
        if (argc > first && std::strcmp(argv[first], "--reference") == 0) {
            vectrim::useStageSet(vectrim::reference::referenceStageSet());
            first += 1;
        } else if (argc > first + 1 && std::strcmp(argv[first], "--lang") == 0) {
            language = argv[first + 1];
            first += 2;
        } else {
            break;
        }
    }
    if (!chooseLanguage(language)) {
        printUsage();
        return kUsage;
    }
    if (argc <= first) {
        printUsage();
        return kUsage;
    }
    const std::vector<std::string> args(argv + first + 1, argv + argc);
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[first], c.name) != 0) continue;
        try {
            return c.run(args);
        } catch (const QtNeeded&) {
            // Stopped before writing anything: the twin does the command;
            // when it cannot be started, the command runs again here
            // without Qt.
            startTwin(argv);
            return c.run(args);
        }
    }
    printUsage();
    return kUsage;
}
