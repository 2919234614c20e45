// tervala-batch run FILE.inp [--threads N]: the engine of the file's mode on
// the file as it stands, as the window's Save/Run runs it after saving, with
// the report and fit file written beside the input under the same names.
// The input file itself is never written. Given many files (or --jobs or
// --summary), it runs them several at a time, each as a single run would, and
// writes a summary of what each run found.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/batch/batch_commands.h"
#include "app/batch/stderr_messages.h"
#include "engine/field_run.h"
#include "engine/many_fields_run.h"
#include "engine/search_parallel.h"
#include "engine/series_messages.h"
#include "model/file_replace.h"
#include "ui/program_folders.h"

namespace tervala::batch {

namespace {

struct RunArguments {
    std::vector<std::string> files;
    int threads = 0;
    int jobs = 0;
    std::string summary;
};

int RunOne(const std::string& file, const SearchOptions& options) {
    StderrMessages messages(std::cerr);
    const FieldRunResult result = RunFieldFile(file, options, messages, ExamplesKeptRefusal);
    if (result.Status == FieldRunStatus::Done) std::cout << result.ReportFile << std::endl;
    return static_cast<int>(result.Status);
}

// Each finished run: its messages on stderr, each after the file's name, the
// progress line, and the report's path on stdout.
void TellFinished(const FieldRunResult& r, int done, int total) {
    for (const std::string& m : r.Messages) std::cerr << r.File << ": " << m << '\n';
    std::cerr << FieldDoneLine(done, total, r.File, static_cast<int>(r.Status),
                               r.Messages.empty() ? "" : r.Messages.front())
              << std::endl;
    if (r.Status == FieldRunStatus::Done) std::cout << r.ReportFile << std::endl;
}

int RunMany(const RunArguments& a, const SearchOptions& options) {
    // The summary carries the fit diagnostics of every analysis.
    std::optional<DiagnosisOptions> diagnosis;
    if (!a.summary.empty()) diagnosis.emplace();
    const std::vector<FieldRunResult> results =
        RunManyFields(a.files, a.jobs, options, ExamplesKeptRefusal, TellFinished, diagnosis);
    int worst = WorstExitCode(results);
    if (!a.summary.empty() && !ReplaceFileContent(a.summary, SummaryText(results))) {
        StderrMessages(std::cerr).ShowMessage(FileNotWrittenText(a.summary));
        worst = kExitFileOrUsage;
    }
    return worst;
}

}  // namespace

void RegisterRunCommand(CLI::App& app, int& exitCode) {
    CLI::App* run = app.add_subcommand(
        "run",
        "Run the engine of an input file's mode (discharge analysis, head analysis or "
        "prediction, as its second line says) on the file as it stands. The report (.out) and, "
        "for an analysis, the fit file (.dat) are written beside it with its base name; the "
        "input file is not changed. Messages go to stderr, one per line; the report's path "
        "goes to stdout. Given several files, each runs as it would alone, --jobs at a time; "
        "a file that fails never stops the others, each finished file gets a progress line "
        "on stderr, and the exit code is the worst of all.");
    auto a = std::make_shared<RunArguments>();
    run->add_option("FILE", a->files, "Input files (.inp) written by Tervala")->required();
    run->add_option("--threads", a->threads,
                    "Threads of the alpha search (default: one per processor the program may "
                    "use, shared among the runs going on together); the result does not "
                    "depend on it")
        ->check(CLI::Range(1, kMaxSearchThreads));
    run->add_option("--jobs", a->jobs,
                    "Files run at a time (default: one per processor the program may use)")
        ->check(CLI::Range(1, kMaxSearchThreads));
    run->add_option("--summary", a->summary,
                    "CSV file with one row per input file: file, job, rows, exit code, first "
                    "message, the calibrated A and C (discharge) or B, F and porosity factor "
                    "(head) with R square, or the peak discharge and head (prediction); for "
                    "analyses also the fit diagnostics of \"diagnose\": NSE, KGE with r, beta "
                    "and gamma, RMSE, PBIAS, the coefficients on the edge of the grid, and the "
                    "grid points and coefficient ranges of the 95 % confidence region");
    run->callback([a, &exitCode] {
        SearchOptions options;
        options.threads = a->threads;
        const bool one = a->files.size() == 1 && a->jobs == 0 && a->summary.empty();
        exitCode = one ? RunOne(a->files.front(), options) : RunMany(*a, options);
    });
}

}  // namespace tervala::batch
