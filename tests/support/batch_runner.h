// Runs the real tervala-batch binary (its path is the TERVALA_BATCH compile
// definition) and collects its exit code, stdout and stderr.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace tervala::testing {

struct BatchResult {
    int exitCode = -1;
    std::string out;  // stdout
    std::string err;  // stderr
};

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

// Runs tervala-batch with `arguments` in the folder `dir`, stdout and stderr
// captured into files there; the variables named in `unset` are taken out of
// its environment. The command is built by appending, piece by piece: GCC 12
// sees a false overlap (-Wrestrict) in a literal added in front of a string.
inline BatchResult RunBatch(const std::vector<std::string>& arguments, const TempDir& dir,
                            const std::vector<std::string>& unset = {}) {
    const std::string outFile = dir.File("batch.stdout");
    const std::string errFile = dir.File("batch.stderr");
    std::string command = "cd ";
    command += ShellQuoted(dir.path().string());
    command += " && ";
    if (!unset.empty()) {
        command += "env";
        for (const std::string& name : unset) {
            command += " -u ";
            command += ShellQuoted(name);
        }
        command += ' ';
    }
    command += ShellQuoted(TERVALA_BATCH);
    for (const std::string& a : arguments) {
        command += ' ';
        command += ShellQuoted(a);
    }
    command += " >";
    command += ShellQuoted(outFile);
    command += " 2>";
    command += ShellQuoted(errFile);
    command += " </dev/null";
    const int status = std::system(command.c_str());
    BatchResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadBytes(outFile);
    r.err = ReadBytes(errFile);
    std::filesystem::remove(outFile);
    std::filesystem::remove(errFile);
    return r;
}

}  // namespace tervala::testing
