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
// captured into files there.
inline BatchResult RunBatch(const std::vector<std::string>& arguments, const TempDir& dir) {
    std::string command = "cd " + ShellQuoted(dir.path().string()) + " && " +
                          ShellQuoted(TERVALA_BATCH);
    for (const std::string& a : arguments) {
        command += ' ';
        command += ShellQuoted(a);
    }
    const std::string outFile = dir.File("batch.stdout");
    const std::string errFile = dir.File("batch.stderr");
    command += " >" + ShellQuoted(outFile) + " 2>" + ShellQuoted(errFile) + " </dev/null";
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
