#include "model/file_replace.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tervala {

bool ReplaceFileContent(const std::string& path, const std::string& content) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // A directory, or anything else that is not a plain file, is never replaced.
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) return false;

    std::string temp;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < 100 && f == nullptr; ++attempt) {
        temp = path + ".~" + std::to_string(attempt) + ".tmp";
        f = std::fopen(temp.c_str(), "wbx");  // exclusive: never overwrite another file
        if (f == nullptr && !fs::exists(temp, ec)) return false;  // the folder is not writable
    }
    if (f == nullptr) return false;

    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) {
        fs::rename(temp, path, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
}

}  // namespace tervala
