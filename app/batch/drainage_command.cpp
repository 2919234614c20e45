// "tervala-batch drainage": M and N of the alpha function of a drained field
// from Ka, Kb (m/day), D, U, L (m) and the porosity (percent), with the
// calculator's checks and messages, for engineers who script their designs.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "app/batch/batch_commands.h"
#include "app/batch/stderr_messages.h"
#include "engine/drainage_inputs.h"
#include "model/number_text.h"
#include "model/parameter_file.h"
#include "model/program_values.h"
#include "ui/program_folders.h"

namespace tervala::batch {

namespace {

struct DrainageArguments {
    std::string ka, kb, depth, perimeter, porosity, spacing;
    std::string parFile;
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first);
}

int RunDrainage(const DrainageArguments& a) {
    StderrMessages messages(std::cerr);
    struct Field {
        const std::string& text;
        DrainageQuantity quantity;
        double& value;
    };
    DrainageParameters in;
    const Field fields[] = {{a.ka, DrainageQuantity::Ka, in.Ka},
                            {a.kb, DrainageQuantity::Kb, in.Kb},
                            {a.depth, DrainageQuantity::D, in.D},
                            {a.perimeter, DrainageQuantity::U, in.U},
                            {a.porosity, DrainageQuantity::Porosity, in.Porosity},
                            {a.spacing, DrainageQuantity::L, in.L}};
    // The calculator's order: each value checked as if its field were left,
    // then all six together.
    for (const Field& f : fields) {
        try {
            f.value = StringToFloat(f.text);
        } catch (const ConversionError& e) {
            messages.ShowMessage(e.what());
            return kExitFileOrUsage;
        }
        const std::string refused = DrainageFieldMessage(f.quantity, f.value);
        if (!refused.empty()) {
            messages.ShowMessage(refused);
            return kExitRefused;
        }
    }
    if (!DrainageInputsComplete(in)) {
        messages.ShowMessage(kDrainageIncompleteText);
        return kExitRefused;
    }
    const DrainageResult r = ComputeDrainageResult(in);
    std::cout << "M = " << Trimmed(AlphaFieldText(r.Exact.M)) << '\n'
              << "N = " << Trimmed(AlphaFieldText(r.Exact.N)) << '\n';
    if (!a.parFile.empty()) {
        ProgramValues values;
        values.Ka = in.Ka;
        values.Kb = in.Kb;
        values.D = in.D;
        values.U = in.U;
        values.L = in.L;
        if (const std::optional<std::string> refusal = ExamplesKeptRefusal(a.parFile)) {
            messages.ShowMessage(*refusal);
            return kExitFileOrUsage;
        }
        if (!WriteParameterFile(a.parFile, values, in.Porosity, messages)) return kExitFileOrUsage;
    }
    return kExitDone;
}

}  // namespace

void RegisterDrainageCommand(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<DrainageArguments>();
    CLI::App* cmd = app.add_subcommand(
        "drainage",
        "M and N of Alpha = M * discharge + N for a field drained by pipes or ditches "
        "(Hooghoudt's equivalent depth)");
    cmd->add_option("--ka", args->ka, "hydraulic conductivity above drain level, m/day")
        ->required();
    cmd->add_option("--kb", args->kb, "hydraulic conductivity below drain level, m/day")
        ->required();
    cmd->add_option("--depth", args->depth, "depth of the soil layer below drain level D, m")
        ->required();
    cmd->add_option("--perimeter", args->perimeter, "wet perimeter of drain or ditch U, m")
        ->required();
    cmd->add_option("--porosity", args->porosity,
                    "drainable (effective) porosity of the top soil, percent (above 1, below 30)")
        ->required();
    cmd->add_option("--spacing", args->spacing, "drain spacing L, m")->required();
    cmd->add_option("--par", args->parFile,
                    "also write the six values to this drainage parameter file (.par)");
    cmd->callback([args, &exitCode] { exitCode = RunDrainage(*args); });
}

}  // namespace tervala::batch
