// "tervala-batch export REPORT.out [-o FILE.csv]": every series of a report
// as a CSV file for spreadsheets, read back with the readers the graphs use.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/batch/batch_commands.h"
#include "app/batch/stderr_messages.h"
#include "engine/report_series.h"
#include "engine/series_messages.h"
#include "model/file_replace.h"
#include "model/input_file.h"
#include "ui/program_folders.h"

namespace tervala::batch {

namespace {

int Export(const std::string& report, const std::string& given) {
    StderrMessages messages(std::cerr);
    const std::optional<SeriesTable> table = ReadReportSeries(report, messages);
    if (!table) return kExitFileOrUsage;
    const std::string text = SeriesTableText(*table, ',');
    if (given == "-") {
        std::cout << text << std::flush;
        return kExitDone;
    }
    std::error_code ec;
    const std::string output =
        std::filesystem::absolute(given.empty() ? ReplaceExtension(report, ".csv") : given, ec)
            .string();
    if (const std::optional<std::string> refusal = ExamplesKeptRefusal(output)) {
        messages.ShowMessage(*refusal);
        return kExitFileOrUsage;
    }
    if (!ReplaceFileContent(output, text)) {
        messages.ShowMessage(FileNotWrittenText(output));
        return kExitFileOrUsage;
    }
    std::cout << output << std::endl;
    return kExitDone;
}

}  // namespace

void RegisterExportCommand(CLI::App& app, int& exitCode) {
    CLI::App* cmd = app.add_subcommand(
        "export",
        "Write every series of a report as CSV: a header naming each column and its unit "
        "(t is the time unit of the data), then one line per row, numbers with \".\" and the "
        "digits the report has. Analysis: time, rain plus irrigation, recharge, observed and "
        "calculated discharge or head, alpha. Prediction: time, rain plus irrigation, "
        "recharge, discharge, head, alpha. The CSV file's path goes to stdout.");
    auto report = std::make_shared<std::string>();
    auto output = std::make_shared<std::string>();
    cmd->add_option("REPORT", *report, "Report (.out) of a run")->required();
    cmd->add_option("-o,--output", *output,
                    "CSV file to write (default: the report's name with .csv; - for stdout)");
    cmd->callback([report, output, &exitCode] { exitCode = Export(*report, *output); });
}

}  // namespace tervala::batch
