// libFuzzer targets of every reader and of a whole small run, each a function
// given the fuzz input by fuzz_entry.cpp. Besides what the sanitizers catch,
// each checks properties: what a writer writes its reader reads back
// unchanged, a run that ends well writes a report without infinities whose
// every graph is read with every row, and every pixel stays near the picture.
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "engine/drainage_inputs.h"
#include "engine/field_run.h"
#include "engine/report_format.h"
#include "graphs/graph_catalogue.h"
#include "model/fit_trend_reader.h"
#include "model/graph_data_reader.h"
#include "model/graph_report_probe.h"
#include "model/input_file.h"
#include "model/number_text.h"
#include "model/parameter_file.h"
#include "model/pasted_block.h"
#include "model/report_loading.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_support.h"

namespace tervala::fuzz {

using namespace testing;
using Input = const std::string&;

namespace {

// A failed property stops the target, so that libFuzzer keeps the input.
void Require(bool property, const char* what) {
    if (!property) std::fprintf(stderr, "Property failed: %s\n", what), std::abort();
}

// A file of this process's folder, written with `bytes` when given.
std::string File(const std::string& name, const std::string& bytes = "", bool write = true) {
    static const TempDir dir;
    return write ? dir.Write(name, bytes) : dir.File(name);
}

// Whether two texts hold the same words, numbers compared by value: a value
// of -0.001 is written "-0.00" and read back as a zero that is written "0.00".
bool SameWordsAndNumbers(const std::string& a, const std::string& b) {
    std::istringstream wordsA(a), wordsB(b);
    std::string x, y;
    while (wordsA >> x)
        if (!(wordsB >> y) ||
            (x != y && (!ParseFileNumber(x) || ParseFileNumber(x) != ParseFileNumber(y))))
            return false;
    return !(wordsB >> y);
}

// Graph `kind` of the report `dm` names (kind 8 with its fit file) read as
// "Make graph" reads it, and drawn: the rows read, nothing when refused.
std::optional<int> ReadAndDraw(TDMOmbrel dm, GraphKind kind) {
    ProgramValues values;
    RecordingMessages m;
    if (kind == GraphKind::ObservedAgainstRecharge && !ReadFitTrend(dm, values.Trend, m)) return {};
    const GraphReadOutcome read = ReadGraphData(dm, values, kind, m);
    if (read == GraphReadOutcome::Failed) return {};
    RecordingSurface surface;
    DrawGraph(surface, GraphInput{dm, values, kind});
    for (const DrawOp& op : surface.ops)
        for (int p : {op.x1, op.y1, op.x2, op.y2})
            Require(std::abs(p) < 1'100'000, "every pixel near the picture");
    return read == GraphReadOutcome::Read ? dm.NrOfData : 0;
}

}  // namespace

// Number reading, and every number writer of files, reports and fields: a
// written number is read back as a value the writer writes the same way.
void NumberText(Input text) {
    const std::optional<double> typed = TryStringToFloat(text), token = ParseFileNumber(text);
    Require(!typed || std::isfinite(*typed), "typed numbers are finite");
    Require(!token || token == typed, "a file token reads as typed text too");
    double v;
    if (text.size() < 10 || (std::memcpy(&v, text.data(), sizeof v), !std::isfinite(v))) return;
    const auto texts = [w = text[8] & 15, d = text[9] & 7](double x) {
        return std::array{FormatFixed(x, w, d), ReportFixed(x, w, d), FormatExponent(x, w),
                          FormatValue(x, w),    FormatParameter(x),   FormatCoefficient(x),
                          FormatGeneral(x)};
    };
    for (size_t f = 0; f < texts(v).size(); ++f) {
        const std::optional<double> back = ParseFileNumber(texts(v)[f]);
        Require(back && ParseFileNumber(texts(*back)[f]) == back, "a written number is read back");
    }
}

// "Open input" of any file: what was opened and saved opens as what was saved.
void InputFile(Input text) {
    Session s;
    TDMOmbrel& d = s.DMOmbrel;
    RecordingMessages m;
    d.FileName = File("opened.inp", text);
    if (!ReadInputFile(d, s.Values, m).Read) return;
    d.FileName = File("saved.inp", "", false);
    std::vector<std::string> saved;
    for (int pass = 0; pass < 2; ++pass) {  // a value too wide to be read back is refused
        if (!WriteInputFile(d, s.Values, m)) return Require(!pass, "saved once, saved again");
        saved.push_back(ReadBytes(d.FileName));
        Require(ReadInputFile(d, s.Values, m).Read, "a saved file opens");
    }
    Require(SameWordsAndNumbers(saved[0], saved[1]), "what is saved opens as it was saved");
}

// The parameter file beside an input file, read as "Open input" reads it (the
// first byte chooses whether M and N are derived, as for a prediction): its
// six values are read back unchanged.
void ParameterFile(Input text) {
    if (text.empty()) return;
    RecordingMessages m;
    const std::optional<DrainageParameters> read =
        ReadParameterFile(File("field.par", text.substr(1)), m);
    if (!read) return;
    if (text[0] & 1) (void)ComputeDrainageResult(*read);
    ProgramValues v;
    std::tie(v.Ka, v.Kb, v.D, v.U, v.L) = std::tie(read->Ka, read->Kb, read->D, read->U, read->L);
    const std::string written = ParameterFileText(v, read->Porosity);
    const std::optional<DrainageParameters> p = ReadParameterFile(File("written.par", written), m);
    Require(p.has_value(), "a written parameter file is read");
    std::tie(v.Ka, v.Kb, v.D, v.U, v.L) = std::tie(p->Ka, p->Kb, p->D, p->U, p->L);
    Require(SameWordsAndNumbers(ParameterFileText(v, p->Porosity), written),
            "the six values are read back unchanged");
}

// "Open output" of any file, and every graph of it (after a line "#FIT" the
// input holds the fit file beside the report, which graph 8 reads).
void Report(Input text) {
    const size_t fit = std::min(text.find("\n#FIT\n"), text.size());
    const std::string report = text.substr(0, fit);
    TDMOmbrel dm;
    RecordingMessages m;
    dm.LastFileName = File("opened.out", report);
    File("opened.dat", text.substr(std::min(fit + 6, text.size())));
    Require(LoadReport(dm, dm.LastFileName, m) && ProbeGraphReport(dm, m), "a file is read");
    for (int k = 1; k <= 9; ++k)
        if (const std::optional<GraphKind> kind = GraphKindFromNumber(k)) ReadAndDraw(dm, *kind);
}

// A block pasted into the grid (the first two bytes choose the cell): never
// beyond the largest number of data, each cell the characters of a number.
void Paste(Input text) {
    if (text.size() < 2) return;
    const int col0 = text[0] & 3, row0 = text[1] & 15 ? text[1] & 15 : kMaxNrOfData - 1;
    const PastedBlock block = SpreadPastedText(text.substr(2), col0, row0);
    Require(block.Rows > row0 && block.Rows <= kMaxNrOfData && block.LinesLeftOut >= 0 &&
                block.Cells.at(0).Col == col0 && block.Cells[0].Row == row0,
            "the block starts in its cell and stays within the grid");
    for (const PastedCell& c : block.Cells)
        Require(c.Col >= col0 && c.Row >= row0 && c.Row < block.Rows &&
                    c.Text.find_first_not_of("0123456789-.,") == std::string::npos,
                "cells within the block hold the characters of a number");
}

// A whole small run as "tervala-batch run" makes it (at most about 60 rows,
// one search thread): a run that ends well has written a report and fit file
// without "Inf" or "Nan" below the titles, whose every graph is read with
// every row and drawn.
void SmallRun(Input text) {
    if (std::count(text.begin(), text.end(), '\n') > 80) return;
    RecordingMessages m;
    SearchOptions oneThread;
    oneThread.threads = 1;
    const FieldRunResult r = RunFieldFile(File("run.inp", text), oneThread, m);
    if (r.Status != FieldRunStatus::Done) return;
    const bool prediction = r.Job == DataMode::Prediction;
    for (const char* written : {"run.out", prediction ? "run.out" : "run.dat"}) {
        const std::string t = ReadBytes(File(written, "", false));
        const size_t name = t.find("Name of input file used:");  // titles above hold any word
        const size_t from = name == t.npos ? 0 : t.find('\n', name);
        Require(t.find("Inf", from) == t.npos && t.find("Nan", from) == t.npos, "finite values");
    }
    TDMOmbrel shown;
    shown.LastFileName = r.ReportFile;
    const char* tag = prediction ? "PRED" : r.Job == DataMode::HeadAnalysis ? "RECO" : "----";
    Require(
        LoadReport(shown, r.ReportFile, m) && ProbeGraphReport(shown, m) && shown.GraphTag == tag,
        "the report offers the graphs of its run");
    for (int k = 1; k <= 9; ++k)
        if (const std::optional<GraphKind> kind = GraphKindFromNumber(k))
            Require(IsAnalysisGraph(*kind) == prediction || ReadAndDraw(shown, *kind) == r.Rows,
                    "every graph of the report is read with every row");
}

}  // namespace tervala::fuzz
