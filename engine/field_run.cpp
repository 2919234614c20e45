#include "engine/field_run.h"

#include <algorithm>
#include <filesystem>

#include "engine/engine_file_error.h"
#include "engine/open_input_file.h"
#include "engine/run_selected_mode.h"
#include "engine/save_input.h"
#include "engine/session.h"
#include "model/input_file.h"
#include "model/message_texts.h"
#include "model/text_cursor.h"

namespace tervala {

namespace {

// Every message passed on as it comes, and kept for the result.
class KeptMessages : public UserMessages {
  public:
    KeptMessages(UserMessages& out, std::vector<std::string>& kept) : out_(out), kept_(kept) {}
    void ShowMessage(const std::string& text) override {
        kept_.push_back(text);
        out_.ShowMessage(text);
    }
    bool AskYesNo(const std::string& text) override {
        kept_.push_back(text);
        return out_.AskYesNo(text);
    }

  private:
    UserMessages& out_;
    std::vector<std::string>& kept_;
};

// The first four characters of line 2: the mode the file was saved in. The
// input reader opens a head-analysis file as a prediction, so the tag is
// taken from the file itself.
std::string ModeTagOfFile(const std::string& path) {
    std::optional<TextCursor> file = TextCursor::FromFile(path);
    if (!file) return {};
    file->SkipLine();
    return file->ReadChars(4);
}

double Peak(const DataArrayR& series, int rows) {
    double peak = series.size() > 1 ? series[1] : 0;
    for (int k = 1; k <= rows && static_cast<size_t>(k) < series.size(); ++k)
        peak = std::max(peak, series[static_cast<size_t>(k)]);
    return peak;
}

// What the engine found, from the state a good run leaves.
void KeepFindings(const Session& s, FieldRunResult& r) {
    const AnalysisState& a = s.Analysis;
    if (!r.Job) return;
    switch (*r.Job) {
        case DataMode::DischargeAnalysis:
            r.A = a.AlphaSlope;
            r.C = a.AlphaIntercept;
            r.RSquare = s.Values.Trend.RSquare;
            break;
        case DataMode::HeadAnalysis:
            r.B = a.AlphaSlope;
            r.F = a.AlphaIntercept;
            r.PorosityFactor = a.PdFrac;
            r.RSquare = s.Values.Trend.RSquare;
            break;
        case DataMode::Prediction:
            r.PeakDischarge = Peak(s.Prediction.RunPred, s.Prediction.PredRowCount);
            r.PeakHead = Peak(s.Prediction.HeadPred, s.Prediction.PredRowCount);
            break;
    }
}

FieldRunStatus Run(const std::string& argument, const SearchOptions& options,
                   UserMessages& messages, const WriteRefusal& refusal,
                   const std::optional<DiagnosisOptions>& diagnosis, FieldRunResult& r) {
    Session s;  // the program's start-up state
    TDMOmbrel& dm = s.DMOmbrel;

    std::error_code ec;
    const std::string path = std::filesystem::absolute(argument, ec).string();
    if (ec || !std::filesystem::exists(path, ec)) {
        messages.ShowMessage(kNoSuchFileText);
        return FieldRunStatus::FileOrUsage;
    }
    // The report and fit file go beside the input under its base name: an
    // input named like either of them is refused as Save/Run refuses it.
    if (const std::optional<std::string> text = InputNameRefusal(path)) {
        messages.ShowMessage(*text);
        return FieldRunStatus::FileOrUsage;
    }
    if (refusal) {
        if (const std::optional<std::string> text = refusal(ReplaceExtension(path, ".out"))) {
            messages.ShowMessage(*text);
            return FieldRunStatus::FileOrUsage;
        }
    }

    // As "Open input", the option selector on its first entry as at start-up.
    if (!OpenInputFile(s, path, false, messages).Read) return FieldRunStatus::FileOrUsage;

    // The reader takes a file of the three modes only, and makes a prediction
    // of a head-analysis file; the batch command runs the head analysis the
    // file was saved for.
    r.Job = ModeOfTag(ModeTagOfFile(path));
    if (r.Job == DataMode::HeadAnalysis) dm.SetMode(DataMode::HeadAnalysis);

    if (diagnosis && diagnosis->RefusePrediction && r.Job == DataMode::Prediction) {
        messages.ShowMessage(NoFitToDiagnoseText(path));
        return FieldRunStatus::FileOrUsage;
    }

    // Save/Run's engine call and verdict, as the window runs them after
    // saving: without pauses, since nobody reads progress lines here, and
    // with every outcome short of a written report a refusal.
    RunVerdict verdict = RunVerdict::Refused;
    try {
        SilentProgress progress;
        const RunOutcome outcome = RunSelectedMode(s, messages, progress, RunPause{}, options);
        verdict = JudgeRun(s, outcome);
    } catch (const EngineFileError& e) {
        messages.ShowMessage(e.what());
        return FieldRunStatus::FileOrUsage;
    }
    r.Rows = r.Job == DataMode::Prediction ? s.Prediction.PredRowCount : s.Analysis.RowCount;
    if (verdict != RunVerdict::Good) return FieldRunStatus::Refused;
    KeepFindings(s, r);
    r.ReportFile = ReplaceExtension(dm.FileName, ".out");
    if (diagnosis && r.Job != DataMode::Prediction) {
        r.Diagnosis = DiagnoseFit(
            CaptureAnalysisFit(
                s, r.Job == DataMode::HeadAnalysis ? AnalysisKind::Head : AnalysisKind::Discharge),
            *diagnosis);
    }
    return FieldRunStatus::Done;
}

}  // namespace

FieldRunResult RunFieldFile(const std::string& file, const SearchOptions& options,
                            UserMessages& messages, const WriteRefusal& refusal,
                            const std::optional<DiagnosisOptions>& diagnosis) {
    FieldRunResult result;
    result.File = file;
    KeptMessages kept(messages, result.Messages);
    result.Status = Run(file, options, kept, refusal, diagnosis, result);
    return result;
}

}  // namespace tervala
