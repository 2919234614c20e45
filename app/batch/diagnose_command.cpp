// "tervala-batch diagnose FILE.inp [--picture FILE.png|svg] [--json]": the
// analysis of an input file run as "run" runs it (the same report and fit
// file beside it), then its fit diagnostics: measures of fit, the water
// balance, the edge of the grid and the 95 % confidence region of the
// coefficients, as text or JSON on stdout, and the picture of the search sum
// over the grid.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/batch/batch_commands.h"
#include "app/batch/painting_application.h"
#include "app/batch/stderr_messages.h"
#include "engine/field_run.h"
#include "engine/search_parallel.h"
#include "model/message_texts.h"
#include "ui/objective_map_picture.h"
#include "ui/program_folders.h"

namespace tervala::batch {

namespace {

struct DiagnoseArguments {
    std::string file;
    std::string picture;
    bool json = false;
    int threads = 0;
};

int Diagnose(const DiagnoseArguments& a) {
    StderrMessages messages(std::cerr);
    const bool picture = !a.picture.empty();
    if (picture) {
        if (MapFileTypeOf(a.picture) == MapFileType::Unknown) {
            messages.ShowMessage(FitPictureTypeText(a.picture));
            return kExitFileOrUsage;
        }
        if (const std::optional<std::string> refusal = ExamplesKeptRefusal(a.picture)) {
            messages.ShowMessage(*refusal);
            return kExitFileOrUsage;
        }
    }
    SearchOptions search;
    search.threads = a.threads;
    DiagnosisOptions diagnosis;
    diagnosis.Picture = picture;
    diagnosis.RefusePrediction = true;
    diagnosis.Threads = a.threads;
    const FieldRunResult r = RunFieldFile(a.file, search, messages, ExamplesKeptRefusal, diagnosis);
    if (r.Status != FieldRunStatus::Done || !r.Diagnosis) return static_cast<int>(r.Status);

    std::error_code ec;
    const std::string picturePath =
        picture ? std::filesystem::absolute(a.picture, ec).string() : std::string();
    int exitCode = kExitDone;
    if (picture && !r.Diagnosis->Map) {
        messages.ShowMessage(kNoFitPictureText);
        exitCode = kExitRefused;
    } else if (picture) {
        PaintingApplication painting;
        if (!SaveObjectiveMap(*r.Diagnosis->Map, a.picture)) {
            messages.ShowMessage(FitPictureNotWrittenText(a.picture));
            return kExitFileOrUsage;
        }
    }
    const bool drawn = picture && exitCode == kExitDone;
    if (a.json) {
        std::cout << DiagnosisJson(*r.Diagnosis, drawn ? picturePath : "");
    } else {
        std::cout << DiagnosisText(*r.Diagnosis);
        if (drawn) std::cout << "\nPicture: " << picturePath << "\n";
    }
    std::cout.flush();
    return exitCode;
}

}  // namespace

void RegisterDiagnoseCommand(CLI::App& app, int& exitCode) {
    CLI::App* diagnose = app.add_subcommand(
        "diagnose",
        "Run the analysis of an input file as \"run\" does (the report and fit file are written "
        "beside it) and print its fit diagnostics: Nash-Sutcliffe and Kling-Gupta efficiencies, "
        "RMSE, percent bias and the report's R square; the water balance of the rows used; a "
        "warning when the best grid point lies on the edge of the search grid; and the 95 % "
        "confidence region of the coefficients (the grid points whose search sum is at most "
        "best x (1 + p / (n - p) x F(p, n - p; 0.95)), found exactly) with the range of each "
        "coefficient in it. Discharge and head analyses only.");
    auto a = std::make_shared<DiagnoseArguments>();
    diagnose->add_option("FILE", a->file, "Input file (.inp) of a discharge or head analysis")
        ->required();
    diagnose->add_option("--picture", a->picture,
                         "Also draw the search sum over the grid (A and C; head: B and F at the "
                         "best porosity) on a logarithmic colour scale with the best point and "
                         "the region's outline, as .png or .svg");
    diagnose->add_flag("--json", a->json, "Print the diagnostics as JSON, for scripts");
    diagnose
        ->add_option("--threads", a->threads,
                     "Threads of the search and the region (default: one per processor the "
                     "program may use); the results do not depend on it")
        ->check(CLI::Range(1, kMaxSearchThreads));
    diagnose->callback([a, &exitCode] { exitCode = Diagnose(*a); });
}

}  // namespace tervala::batch
