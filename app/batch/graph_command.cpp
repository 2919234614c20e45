// "tervala-batch graph REPORT.out --kind K [--bw] -o FILE": one graph of a
// report drawn to a picture file without a window, as the Graphics tab draws
// and saves it, so a batch of analyses can produce its pictures too. Works on
// a machine without any display.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/batch/batch_commands.h"
#include "app/batch/painting_application.h"
#include "app/batch/stderr_messages.h"
#include "engine/session.h"
#include "model/graph_kind.h"
#include "model/graph_request.h"
#include "model/message_texts.h"
#include "ui/graph_picture.h"
#include "ui/program_folders.h"

namespace tervala::batch {

namespace {

struct GraphArguments {
    std::string report;
    int kind = 0;
    bool blackAndWhite = false;
    std::string output;
};

int DrawReportGraph(const GraphArguments& a) {
    StderrMessages messages(std::cerr);
    const std::optional<GraphKind> kind = GraphKindFromNumber(a.kind);
    if (!kind) {
        messages.ShowMessage(NoSuchGraphText(a.kind));
        return kExitFileOrUsage;
    }
    if (const std::optional<std::string> refusal = ExamplesKeptRefusal(a.output)) {
        messages.ShowMessage(*refusal);
        return kExitFileOrUsage;
    }
    const PictureFileType type = PictureFileTypeOf(a.output);
    if (type == PictureFileType::Unknown) {
        messages.ShowMessage(PictureTypeText(a.output));
        return kExitFileOrUsage;
    }

    std::error_code ec;
    const std::string report = std::filesystem::absolute(a.report, ec).string();
    if (ec || !std::filesystem::is_regular_file(report, ec)) {
        messages.ShowMessage(kNoSuchFileText);
        return kExitFileOrUsage;
    }

    // As "Make graph" and "Go": the report becomes the file of the graphs
    // (loading it tells a head analysis by its second line), then the graph's
    // series are read from it.
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    if (!OpenReport(dm, report, messages)) return kExitFileOrUsage;
    const GraphRequestOutcome read = RequestGraph(dm, s.Values, *kind, messages);
    if (read == GraphRequestOutcome::Refused) return kExitFileOrUsage;
    if (read == GraphRequestOutcome::NoRows) {
        messages.ShowMessage(NoRowsForGraphText(report));
    }

    PaintingApplication painting;
    const QImage picture = DrawGraphPicture(GraphInput{dm, s.Values, *kind, !a.blackAndWhite});
    if (!SaveGraphPicture(picture, a.output, type)) {
        messages.ShowMessage(PictureNotWrittenText(a.output));
        return kExitFileOrUsage;
    }
    std::cout << std::filesystem::absolute(a.output, ec).string() << std::endl;
    return kExitDone;
}

}  // namespace

void RegisterGraphCommand(CLI::App& app, int& exitCode) {
    CLI::App* graph = app.add_subcommand(
        "graph",
        "Draw one graph of a report (.out) to a picture file, as the Graphics tab draws it: "
        "623 x 465 pixels, in colour or in black and white. Analysis reports give graphs 1 "
        "(observed and calculated in time), 3 (rain and recharge), 7 (calculated against "
        "observed), 8 (observed against recharge with trend lines; needs the fit file .dat "
        "beside the report) and 9 (recharge and observed in time); prediction reports give 2 "
        "(discharge), 4 (rain and recharge) and 5 (water table). The picture's type follows "
        "its extension: .bmp is the 24-bit bitmap the window saves, .png a PNG picture. An "
        "existing picture file is replaced. Needs no display.");
    auto a = std::make_shared<GraphArguments>();
    graph->add_option("REPORT", a->report, "Report file (.out) written by Tervala")->required();
    graph
        ->add_option("--kind,-k", a->kind,
                     "Graph number: 1, 3, 7, 8, 9 (analysis), 2, 4, 5 "
                     "(prediction)")
        ->required();
    graph->add_flag("--bw", a->blackAndWhite, "Black and white, as \"Save Bl-Wh graph\"");
    graph->add_option("--output,-o", a->output, "Picture file to write (.bmp or .png)")->required();
    graph->callback([a, &exitCode] { exitCode = DrawReportGraph(*a); });
}

}  // namespace tervala::batch
