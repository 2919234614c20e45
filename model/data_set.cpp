#include "model/data_set.h"

#include <filesystem>
#include <system_error>

namespace tervala {

TDMOmbrel::TDMOmbrel() {
    std::error_code ec;
    FileName = std::filesystem::current_path(ec).string();
    InputFileName = FileName;
}

const char* ModeTagOf(DataMode mode) {
    switch (mode) {
        case DataMode::DischargeAnalysis:
            return kDischargeTag;
        case DataMode::HeadAnalysis:
            return kHeadTag;
        case DataMode::Prediction:
            return kPredictionTag;
    }
    return kDischargeTag;
}

std::optional<DataMode> ModeOfTag(const std::string& tag) {
    for (DataMode mode :
         {DataMode::DischargeAnalysis, DataMode::HeadAnalysis, DataMode::Prediction})
        if (tag == ModeTagOf(mode)) return mode;
    return std::nullopt;
}

std::optional<DataMode> TDMOmbrel::Mode() const {
    if (DischargeMode) return DataMode::DischargeAnalysis;
    if (HeadMode) return DataMode::HeadAnalysis;
    if (PredictionMode) return DataMode::Prediction;
    return std::nullopt;
}

void TDMOmbrel::SetMode(DataMode mode) {
    DischargeMode = mode == DataMode::DischargeAnalysis;
    HeadMode = mode == DataMode::HeadAnalysis;
    PredictionMode = mode == DataMode::Prediction;
    ModeTag = ModeTagOf(mode);
}

}  // namespace tervala
