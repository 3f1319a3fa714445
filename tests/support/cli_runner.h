// Runs the batch front end vectrim-cli as a user's script would: in a
// folder, with its standard output and standard error caught.
#pragma once

#include "shell.h"
#include "temp_dir.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace vectrim::test {

struct CliResult {
    int status = -1; // exit status, -1 when it did not exit normally
    std::string out, err;
};

// `env` is put before the command ("VECTRIM_ANSWERS=N", say).
inline CliResult runCli(const TempDir& dir, const std::string& args, const std::string& env = "") {
    const std::string cmd = "cd '" + dir.folder() + "' && " + env + " '" VECTRIM_BIN_DIR "/vectrim-cli' " +
                            args + " > cli-stdout.txt 2> cli-stderr.txt";
    const int st = shell(cmd);
    CliResult r;
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.out = dir.read("cli-stdout.txt");
    r.err = dir.read("cli-stderr.txt");
    return r;
}

} // namespace vectrim::test
