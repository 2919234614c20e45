#include "app/batch/drainage_command.h"

#include <iostream>
#include <memory>
#include <string>

#include "engine/drainage_inputs.h"
#include "model/messages.h"
#include "model/number_text.h"
#include "model/parameter_file.h"
#include "model/program_values.h"

namespace tervala {

namespace {

class StderrMessages : public UserMessages {
public:
    void ShowMessage(const std::string& text) override { std::cerr << text << '\n'; }
    bool AskYesNo(const std::string& text) override {
        std::cerr << text << " (answered No)\n";
        return false;
    }
};

struct DrainageArguments {
    std::string ka, kb, depth, perimeter, porosity, spacing;
    std::string parFile;
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first);
}

// Exit codes: 0 computed, 1 a value refused (the calculator's message on stderr).
int RunDrainage(const DrainageArguments& a) {
    StderrMessages messages;
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
    for (const Field& f : fields) {
        try {
            f.value = StringToFloat(f.text);
        } catch (const ConversionError& e) {
            messages.ShowMessage(e.what());
            return 1;
        }
        const std::string refused = DrainageFieldMessage(f.quantity, f.value);
        if (!refused.empty()) {
            messages.ShowMessage(refused);
            return 1;
        }
    }
    if (!DrainageInputsComplete(in)) {
        messages.ShowMessage(kDrainageIncompleteMessage);
        return 1;
    }
    const DrainageResult r = ComputeDrainageResult(in);
    std::cout << "M = " << Trimmed(r.MText) << '\n' << "N = " << Trimmed(r.NText) << '\n';
    if (!a.parFile.empty()) {
        ProgramValues values;
        values.Ka = in.Ka;
        values.Kb = in.Kb;
        values.D = in.D;
        values.U = in.U;
        values.L = in.L;
        if (!WriteParameterFile(a.parFile, values, in.Porosity, messages)) return 1;
    }
    return 0;
}

}  // namespace

void AddDrainageCommand(CLI::App& app) {
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
    cmd->callback([args] {
        const int code = RunDrainage(*args);
        if (code != 0) throw CLI::RuntimeError(code);
    });
}

}  // namespace tervala
