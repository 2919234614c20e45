#include "model/data_set.h"

#include <filesystem>
#include <system_error>

namespace tervala {

TDMOmbrel::TDMOmbrel() {
    std::error_code ec;
    FileName = std::filesystem::current_path(ec).string();
    InputFileName = FileName;
}

}  // namespace tervala
