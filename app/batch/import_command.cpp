// "tervala-batch import SERIES.csv -o FIELD.inp --job analysis|prediction":
// a series kept in a spreadsheet or logged to a CSV file made into an input
// file, byte for byte the file "Save / Run" writes for the same grid and
// fields, ready for "tervala-batch run".
#include <CLI/CLI.hpp>
#include <array>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/batch/batch_commands.h"
#include "app/batch/stderr_messages.h"
#include "engine/series_import.h"
#include "engine/series_input_file.h"
#include "engine/series_messages.h"
#include "model/number_text.h"
#include "ui/program_folders.h"

namespace tervala::batch {

namespace {

struct ImportArguments {
    std::string series;
    std::string output;
    std::string job;
    std::array<std::string, kSeriesRoles> columns;
    std::string rows;
    std::string timeUnit = "days";
    ImportFields fields;
    std::optional<std::string> title1, title2;
    std::array<std::optional<std::string>, 5> prediction;  // --m --n --runini --headini --porosity
};

// "FIRST:LAST", "FIRST:" or ":LAST", rows counted from 1 below the header.
bool ParseRows(const std::string& text, SeriesImportRequest& request) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return false;
    auto number = [](const std::string& part, std::optional<int>& target) {
        if (part.empty()) return true;
        if (part.size() > 9 || part.find_first_not_of("0123456789") != std::string::npos)
            return false;
        target = std::stoi(part);
        return *target >= 1;
    };
    return number(text.substr(0, colon), request.FirstRow) &&
           number(text.substr(colon + 1), request.LastRow) &&
           !(request.FirstRow && request.LastRow && *request.LastRow < *request.FirstRow);
}

int Import(const ImportArguments& a) {
    StderrMessages messages(std::cerr);
    SeriesImportRequest request;
    request.Job = a.job == "prediction" ? SeriesJob::Prediction : SeriesJob::Analysis;
    request.Columns = a.columns;
    request.Unit = a.timeUnit == "hours" ? TimeUnit::Hours : TimeUnit::Days;
    if (!a.rows.empty() && !ParseRows(a.rows, request)) {
        messages.ShowMessage(kRowsOptionText);
        return kExitFileOrUsage;
    }
    const bool prediction = request.Job == SeriesJob::Prediction;
    bool predictionFieldGiven = false;
    for (const auto& field : a.prediction) predictionFieldGiven |= field.has_value();
    if (!prediction && predictionFieldGiven) {
        messages.ShowMessage(kPredictionOptionsText);
        return kExitFileOrUsage;
    }
    if (prediction && (!a.prediction[0] || !a.prediction[1])) {
        messages.ShowMessage(kAlphaOptionsText);
        return kExitFileOrUsage;
    }

    std::error_code ec;
    const std::string output = std::filesystem::absolute(a.output, ec).string();
    std::optional<std::string> refusal = InputNameRefusal(output);
    if (!refusal) refusal = ExamplesKeptRefusal(output);
    if (refusal) {
        messages.ShowMessage(*refusal);
        return kExitFileOrUsage;
    }

    const std::optional<CsvTable> table = ReadCsvFile(a.series);
    if (!table) {
        messages.ShowMessage(SeriesFileNotReadText(a.series));
        return kExitFileOrUsage;
    }
    const SeriesImport imported = ImportSeries(*table, request);
    if (imported.Problem) {
        messages.ShowMessage(ImportProblemText(*imported.Problem, a.series, Asker::Batch));
        return kExitRefused;
    }
    const ImportedSeries& series = *imported.Series;
    if (const std::string leftOut = LeftOutText(series, a.series); !leftOut.empty())
        messages.ShowMessage(leftOut);

    ImportFields fields = a.fields;
    fields.Title1 = a.title1.value_or(ImportedTitle1(a.series));
    fields.Title2 = a.title2.value_or(ImportedTitle2(series));
    PredictionFieldTexts& p = fields.Prediction;
    for (auto [given, text] : {std::pair{&a.prediction[0], &p.MCoeff},
                               {&a.prediction[1], &p.NValue},
                               {&a.prediction[2], &p.RunIni},
                               {&a.prediction[3], &p.HeadIni},
                               {&a.prediction[4], &p.Porosity}})
        if (*given) *text = **given;

    const SaveOutcome saved = WriteSeriesInputFile(output, series, request.Job, fields, messages);
    if (saved.Result == SaveResult::NotWritten) return kExitFileOrUsage;
    if (saved.Result != SaveResult::Saved) return kExitRefused;
    std::cout << output << std::endl;
    return kExitDone;
}

// A number option read as the window reads typed numbers ("." or "," as
// decimal separator), never by the C library, whose reading follows the
// process locale; from `least` to below `below`.
CLI::Validator Number(double least, const std::string& what,
                      double below = std::numeric_limits<double>::infinity()) {
    return CLI::Validator(
        [=](std::string& text) {
            const std::optional<double> v = TryStringToFloat(text);
            return v && *v >= least && *v < below ? std::string() : "'" + text + "' is not " + what;
        },
        "NUMBER");
}

}  // namespace

void RegisterImportCommand(CLI::App& app, int& exitCode) {
    CLI::App* cmd = app.add_subcommand(
        "import",
        "Make an input file of a series in a CSV file (separated by commas, semicolons or "
        "tabs; with semicolons or tabs \"2,5\" is read as 2.5). Columns are found by their "
        "header names (time or date; rain; escape, pet or evaporation; observed or discharge; "
        "case and units such as \"rain_mm\" do not matter), or given by name or number from "
        "1; a file without a header row takes them in the grid's order. Times may be numbers "
        "or ISO 8601 dates (counted in days or hours from the first row). Rows with a missing "
        "or non-numeric value are left out and named on stderr. The file written is the one "
        "\" Save / Run\" writes for the same grid and fields; its path goes to stdout. Exit "
        "code 1 when the series is refused (nothing is written), 2 for usage and file errors.");
    auto a = std::make_shared<ImportArguments>();
    cmd->add_option("SERIES", a->series, "CSV file of the series")->required();
    cmd->add_option("-o,--output", a->output, "Input file to write (.inp)")->required();
    cmd->add_option("--job", a->job, "analysis (discharge analysis) or prediction")
        ->required()
        ->check(CLI::IsMember({"analysis", "prediction"}));
    const char* roles[kSeriesRoles][2] = {{"--time", "Time column"},
                                          {"--rain", "Rain plus irrigation column (mm/t)"},
                                          {"--escape", "Maximum escape rate column (mm/t)"},
                                          {"--observed", "Observed discharge column (mm/t)"}};
    for (int r = 0; r < kSeriesRoles; ++r)
        cmd->add_option(roles[r][0], a->columns[r],
                        std::string(roles[r][1]) + ": a header name or a number from 1");
    cmd->add_option("--rows", a->rows,
                    "FIRST:LAST, the rows used, counted from 1 below the header");
    cmd->add_option("--time-unit", a->timeUnit, "Unit of times made from dates (default days)")
        ->check(CLI::IsMember({"days", "hours"}));
    const double any = -std::numeric_limits<double>::max();
    for (auto [name, target, help] :
         {std::tuple{"--maxsto", &a->fields.MaxSto, "Maximum dead storage, mm (default 50)"},
          {"--inisto", &a->fields.IniSto, "Initial dead storage, mm (default 50)"},
          {"--maxesc", &a->fields.MaxEsc,
           "Maximum escape rate for rows without one, mm/t (default 0.1)"}})
        cmd->add_option_function<std::string>(
               name,
               [target = target](const std::string& t) {
                   *target = TryStringToFloat(t).value_or(*target);
               },
               help)
            ->check(target == &a->fields.MaxEsc ? Number(any, "a number")
                                                : Number(0, "a number of 0 or more"));
    cmd->add_option("--title1", a->title1, "First title line (default: the file's name)");
    cmd->add_option("--title2", a->title2,
                    "Second title line (default: the lines and columns used)");
    cmd->add_option("--m", a->prediction[0], "Prediction: M of alpha = M * discharge + N")
        ->check(Number(any, "a number"));
    cmd->add_option("--n", a->prediction[1], "Prediction: N of the alpha function")
        ->check(Number(any, "a number"));
    cmd->add_option("--runini", a->prediction[2], "Prediction: initial runoff, mm/t (default 0)")
        ->check(Number(0, "a number of 0 or more"));
    cmd->add_option("--headini", a->prediction[3],
                    "Prediction: initial water level above drain level, mm (default 0)")
        ->check(Number(0, "a number of 0 or more"));
    cmd->add_option("--porosity", a->prediction[4],
                    "Prediction: drainable porosity, percent (default 10)")
        ->check(Number(0, "a percentage from 0 to below 100", 100));
    cmd->callback([a, &exitCode] { exitCode = Import(*a); });
}

}  // namespace tervala::batch
