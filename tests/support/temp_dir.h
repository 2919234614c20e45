// A fresh folder per test under the system's temp folder, removed afterwards,
// and byte-exact file helpers for comparing written files.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace tervala::testing {

inline std::string ReadBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteBytes(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

class TempDir {
  public:
    TempDir() {
        std::random_device seed;
        std::mt19937_64 random(seed());
        const auto base = std::filesystem::temp_directory_path();
        do {
            path_ = base / ("tervala-test-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Full name of a file in the folder.
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Writes `bytes` to a file in the folder and returns its full name.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string full = File(name);
        WriteBytes(full, bytes);
        return full;
    }

  private:
    std::filesystem::path path_;
};

// Lines joined with CR LF, each line ended by it.
inline std::string CrLf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

// The text with every LF line end made CR LF, as the program writes its
// input files.
inline std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace tervala::testing
