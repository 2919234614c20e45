// tervala-batch run FILE.inp [--threads N]: the engine of the file's mode on
// the file as it stands, as the window's Save/Run runs it after saving, with
// the report and fit file written beside the input under the same names.
// The input file itself is never written.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "app/batch/batch_commands.h"
#include "app/batch/stderr_messages.h"
#include "engine/analysis.h"
#include "engine/engine_file_error.h"
#include "engine/run_selected_mode.h"
#include "engine/search_parallel.h"
#include "engine/session.h"
#include "model/input_file.h"
#include "model/text_cursor.h"
#include "ui/program_folders.h"

namespace tervala::batch {

namespace {

// The first four characters of line 2: the mode the file was saved in. The
// input reader opens a head-analysis file as a prediction, so the tag is
// taken from the file itself.
std::string ModeTagOfFile(const std::string& path) {
    std::optional<TextCursor> file = TextCursor::FromFile(path);
    if (!file) return {};
    file->SkipLine();
    return file->ReadChars(4);
}

// Save/Run's engine call and verdict, as the window runs them after saving:
// without pauses, since nobody reads progress lines here, and with every
// outcome short of a written report a refusal.
int RunModeOfFile(Session& s, UserMessages& messages, const SearchOptions& options) {
    SilentProgress progress;
    s.Flags.CheckOnly = true;
    const RunOutcome outcome = RunSelectedMode(s, messages, progress, RunPause{}, options);
    return JudgeRun(s, outcome) == RunVerdict::Good ? kExitDone : kExitRefused;
}

int RunInputFile(const std::string& argument, const SearchOptions& options) {
    StderrMessages messages(std::cerr);
    Session s;  // the program's start-up state
    TDMOmbrel& dm = s.DMOmbrel;

    std::error_code ec;
    const std::string path = std::filesystem::absolute(argument, ec).string();
    if (ec || !std::filesystem::exists(path, ec)) {
        messages.ShowMessage("File does not exist, please select another one,");
        return kExitFileOrUsage;
    }
    // The report and fit file go beside the input under its base name; an
    // input named like either of them would be overwritten by the run.
    if (ReplaceExtension(path, ".out") == path || ReplaceExtension(path, ".dat") == path) {
        messages.ShowMessage("The input file \"" + path +
                             "\" has the extension of a report or fit file, which the run "
                             "would overwrite. Please give the input file another extension.");
        return kExitFileOrUsage;
    }

    // The examples stay as installed; a run of one is a run of the user's copy.
    if (const std::optional<std::string> refusal =
            ExamplesKeptRefusal(ReplaceExtension(path, ".out"))) {
        messages.ShowMessage(*refusal);
        return kExitFileOrUsage;
    }

    // As "Open input": read the file into the data set, the option selector
    // on its first entry as at start-up.
    dm.ParFileRead = false;
    dm.FileName = path;
    if (!ReadInputFile(dm, s.Values, messages, false).ok) return kExitFileOrUsage;

    const std::string tag = ModeTagOfFile(path);
    if (tag == kHeadTag) {
        // The reader made a prediction of it; the batch command runs the
        // head analysis the file was saved for.
        dm.ModeTag = kHeadTag;
        dm.DischargeMode = false;
        dm.HeadMode = true;
        dm.PredictionMode = false;
    } else if (tag != kDischargeTag && tag != kPredictionTag) {
        messages.ShowMessage("The file \"" + path +
                             "\" is no input file of a discharge analysis, head analysis or "
                             "prediction: its second line names none of them.");
        return kExitFileOrUsage;
    }

    int result = kExitDone;
    try {
        result = RunModeOfFile(s, messages, options);
    } catch (const EngineFileError& e) {
        messages.ShowMessage(e.what());
        return kExitFileOrUsage;
    }
    if (result != kExitDone) return result;
    std::cout << ReplaceExtension(dm.FileName, ".out") << std::endl;
    return kExitDone;
}

}  // namespace

void RegisterRunCommand(CLI::App& app, int& exitCode) {
    CLI::App* run = app.add_subcommand(
        "run",
        "Run the engine of an input file's mode (discharge analysis, head analysis or "
        "prediction, as its second line says) on the file as it stands. The report (.out) and, "
        "for an analysis, the fit file (.dat) are written beside it with its base name; the "
        "input file is not changed. Messages go to stderr, one per line; the report's path "
        "goes to stdout.");
    auto file = std::make_shared<std::string>();
    auto threads = std::make_shared<int>(0);
    run->add_option("FILE", *file, "Input file (.inp) written by Tervala")->required();
    run->add_option("--threads", *threads,
                    "Threads of the alpha search (default: one per processor the program may "
                    "use); the result does not depend on it")
        ->check(CLI::Range(1, kMaxSearchThreads));
    run->callback([file, threads, &exitCode] {
        SearchOptions options;
        options.threads = *threads;
        exitCode = RunInputFile(*file, options);
    });
}

}  // namespace tervala::batch
