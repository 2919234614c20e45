#include "ui/program_folders.h"

#include <unistd.h>

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>

#include "model/message_texts.h"
#include "tervala_config.h"

namespace tervala {

namespace fs = std::filesystem;

namespace {

fs::path ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::canonical("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

bool Inside(const fs::path& path, const fs::path& folder) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (ec) return false;
    const fs::path p = fs::weakly_canonical(absolute, ec);
    if (ec) return false;
    const auto [end, unused] = std::mismatch(folder.begin(), folder.end(), p.begin(), p.end());
    return end == folder.end();
}

}  // namespace

std::string ExamplesFolder() {
    const fs::path bin = ExecutableFolder();
    if (bin.empty()) return {};
    for (const fs::path& candidate : {bin / TERVALA_DATA_FROM_BIN / "Data", bin / "Data"}) {
        std::error_code ec;
        if (!fs::is_directory(candidate, ec)) continue;
        const fs::path folder = fs::canonical(candidate, ec);
        if (!ec) return folder.string();
    }
    return {};
}

bool InExamplesFolder(const std::string& path) {
    const std::string examples = ExamplesFolder();
    return !examples.empty() && Inside(path, examples);
}

std::optional<std::string> ExamplesKeptRefusal(const std::string& file) {
    if (!InExamplesFolder(file)) return std::nullopt;
    return ExamplesKeptText(file, ExamplesFolder());
}

std::string FolderForSaving(const std::string& folder) {
    if (!folder.empty() && !InExamplesFolder(folder) && ::access(folder.c_str(), W_OK) == 0)
        return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chosen = QDir(documents).exists() ? documents : QDir::homePath();
    return chosen.toStdString();
}

}  // namespace tervala
