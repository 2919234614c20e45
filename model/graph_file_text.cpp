#include "model/graph_file_text.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace tervala {

std::optional<std::string> LoadGraphFileText(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return text;
}

std::string ReportNotOpenedMessage(const std::string& name) {
    return "The file \"" + name + "\"could not be opened." +
           " It may be damaged,  not created due to inadequate" +
           "input data, or in use by another program.";
}

}  // namespace tervala
