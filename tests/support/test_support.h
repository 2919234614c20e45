// Shared by every layer: temporary folders, byte-exact files, tests/data, and
// recording message and progress sinks.
#pragma once

#include <sys/wait.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "model/messages.h"

namespace tervala::testing {

inline std::string ReadBytes(const std::string& file) {
    std::ostringstream s;
    s << std::ifstream(file, std::ios::binary).rdbuf();
    return s.str();
}

inline void WriteBytes(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// A file of tests/data (see its README), with "@INPUT@" standing for `input`.
inline std::string DataFile(const std::string& name, const std::string& input = "") {
    return Replaced(ReadBytes(TERVALA_SOURCE_DIR "/tests/data/" + name), "@INPUT@", input);
}

// Lines each ended by CR LF, as the program writes input and parameter files.
inline std::string CrLf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

class TempDir {
  public:
    TempDir() {
        std::mt19937_64 random(std::random_device{}());
        do
            path_ = std::filesystem::temp_directory_path() /
                    ("tervala-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path_));
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        WriteBytes(File(name), bytes);
        return File(name);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path path_;
};

// Every text shown or asked, in order; every question answered No.
class RecordingMessages : public UserMessages {
  public:
    std::vector<std::string> messages, questions;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override { return questions.push_back(text), false; }
};

// Progress lines as they come; asks the run to stop once `stopAfter` lines
// have come (0: from the start), as when the user ends the program.
class RecordingProgress : public RunProgress {
  public:
    std::vector<std::string> lines;
    int rowCount = -1;
    size_t stopAfter = SIZE_MAX;
    std::atomic<bool> stop = false;  // asked from the search's workers
    void AddProgressLine(const std::string& line) override {
        lines.push_back(line);
        if (lines.size() >= stopAfter) stop = true;
    }
    void ShowRowCount(int rows) override { rowCount = rows; }
    bool StopRequested() const override { return stop || stopAfter == 0; }
};

#ifdef TERVALA_BATCH
struct BatchResult {
    int exitCode = -1;
    std::string out, err;
};

inline std::string Quoted(const std::string& text) {
    std::string quoted = "'";  // appended: GCC 12 sees a false overlap in "'" + text
    return (quoted += Replaced(text, "'", "'\\''")) += "'";
}

// tervala-batch with `arguments` in `dir`, without a display when `headless`.
inline BatchResult RunBatch(const TempDir& dir, const std::vector<std::string>& arguments,
                            bool headless = false) {
    std::string command = "cd " + Quoted(dir.path().string()) + " && env";
    if (headless) command += " -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
    command += " " + Quoted(TERVALA_BATCH);
    for (const std::string& a : arguments) command += " " + Quoted(a);
    const int status = std::system((command + " >batch.stdout 2>batch.stderr </dev/null").c_str());
    BatchResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadBytes(dir.File("batch.stdout")),
                  ReadBytes(dir.File("batch.stderr"))};
    std::filesystem::remove(dir.File("batch.stdout"));
    std::filesystem::remove(dir.File("batch.stderr"));
    return r;
}
// The words of `line` as the arguments.
inline BatchResult RunBatch(const TempDir& dir, const std::string& line, bool headless = false) {
    std::istringstream words(line);
    std::vector<std::string> arguments;
    for (std::string w; words >> w;) arguments.push_back(w);
    return RunBatch(dir, arguments, headless);
}
#endif

}  // namespace tervala::testing
