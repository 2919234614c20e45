// The run after a save: which engine each mode runs, the progress lines and
// pauses between them, the caption of the graph choice, and the verdict that
// decides whether the report is shown.
#include "engine/run_selected_mode.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/save_input.h"
#include "engine/session.h"
#include "model/input_file.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::RecordingMessages;
using testing::RecordingProgress;
using testing::TempDir;

// Fifteen days of a drained field: day, rain (mm/day), escape rate (mm/day),
// drain discharge (mm/day).
GridTexts FifteenDays() {
    return {
        {"1", "0", "0.2", "2"},       {"2", "0", "0.2", "1.59"},   {"3", "2.5", "0.2", "1.62"},
        {"4", "3.5", "0.2", "1.22"},  {"5", "1.9", "0.2", "1.25"}, {"6", "12.7", "0.2", "1.08"},
        {"7", "1", "0.2", "1.07"},    {"8", "0", "0.2", "1"},      {"9", "0", "0.2", "0.95"},
        {"10", "4.7", "0.2", "1.06"}, {"11", "0", "0.2", "1.02"},  {"12", "0", "0.2", "0.84"},
        {"13", "0", "0.2", "0.73"},   {"14", "0", "0.2", "0.77"},  {"15", "11.6", "0.2", "1.78"}};
}

class RunSelected : public ::testing::Test {
  protected:
    // Saves the series as `name` in the given mode; the run reads that file.
    void Save(const char* tag, const std::string& name, GridTexts grid = FifteenDays()) {
        TDMOmbrel& dm = s.DMOmbrel;
        dm.ModeTag = tag;
        dm.DischargeMode = dm.ModeTag == " Dis";
        dm.HeadMode = dm.ModeTag == " Hyd";
        dm.PredictionMode = dm.ModeTag == " Pre";
        dm.MaxSto = 50;
        dm.IniSto = 30;
        dm.MaxEsc = 0.1;
        dm.NrOfData = static_cast<int>(grid.size());
        dm.FileName = dir.File(name);
        SaveRequest request;
        request.Title1 = "Vidora field";
        request.Title2 = "days, mm";
        request.Grid = std::move(grid);
        request.Fields = {"0.032", "0.2", "1", "250", "5"};
        ASSERT_EQ(SaveInputData(s, request, messages).Result, SaveResult::Saved);
        s.Flags.CheckOnly = true;
    }

    RunOutcome Run() {
        return RunSelectedMode(s, messages, progress, [this](int ms) { pauses.push_back(ms); });
    }

    TempDir dir;
    Session s;
    RecordingMessages messages;
    RecordingProgress progress;
    std::vector<int> pauses;
};

TEST_F(RunSelected, DischargeAnalysisWritesReportAndFitFile) {
    Save(" Dis", "vidora.inp");
    const RunOutcome outcome = Run();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(outcome.RunCancelled);
    EXPECT_EQ(outcome.RadioButton4Caption, "Watertable in time");
    EXPECT_EQ(pauses, std::vector<int>{500});
    EXPECT_EQ(progress.lines,
              (std::vector<std::string>{
                  " Please wait .....", " Progress 20% ....", " Progress 30% ....",
                  " Progress 40% ....", " Progress 50% ....", " Progress 60% ....",
                  " Progress 70% ....", " Progress 80% ....", " Progress 90% ...."}));
    EXPECT_EQ(progress.rowCount, 15);
    EXPECT_EQ(JudgeRun(s, outcome), RunVerdict::Good);
    EXPECT_TRUE(std::filesystem::exists(dir.File("vidora.out")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("vidora.dat")));
}

TEST_F(RunSelected, PredictionAddsItsOwnProgressLines) {
    GridTexts grid = FifteenDays();
    for (GridRowTexts& row : grid) row[3].clear();
    Save(" Pre", "field.inp", grid);
    const RunOutcome outcome = Run();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(outcome.RadioButton4Caption, "Watertable in time");
    EXPECT_TRUE(s.Flags.MaxStoOk);
    EXPECT_TRUE(s.Flags.AnalysisOk);
    EXPECT_EQ(progress.lines,
              (std::vector<std::string>{" Calculating .....", " Progress 75% ...."}));
    EXPECT_EQ(pauses, (std::vector<int>{500, 500}));
    EXPECT_EQ(JudgeRun(s, outcome), RunVerdict::Good);
    EXPECT_TRUE(std::filesystem::exists(dir.File("field.out")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("field.dat")));
}

TEST_F(RunSelected, HeadAnalysisNamesTheDischargeGraph) {
    GridTexts grid = FifteenDays();
    for (size_t r = 0; r < grid.size(); ++r) grid[r][3] = std::to_string(400 - 10 * r);
    grid[5][3] = "420";
    Save(" Hyd", "head.inp", grid);
    const RunOutcome outcome = Run();
    EXPECT_EQ(outcome.RadioButton4Caption, "Discharge in time");
    EXPECT_EQ(JudgeRun(s, outcome), RunVerdict::Good);
    EXPECT_TRUE(std::filesystem::exists(dir.File("head.out")));
}

TEST_F(RunSelected, NoVariationIsRefusedWithoutCaptionOrPause) {
    GridTexts grid = FifteenDays();
    for (GridRowTexts& row : grid) row[3] = "1.5";
    Save(" Dis", "flat.inp", grid);
    const RunOutcome outcome = Run();
    EXPECT_EQ(messages.messages,
              std::vector<std::string>{
                  "There is no variation in runoff values. Rainfall-Discharge analysis cannot "
                  "be made"});
    EXPECT_FALSE(outcome.RadioButton4Caption.has_value());
    EXPECT_TRUE(pauses.empty());
    EXPECT_EQ(JudgeRun(s, outcome), RunVerdict::Refused);
    EXPECT_FALSE(std::filesystem::exists(dir.File("flat.out")));
}

TEST_F(RunSelected, ZeroMaximumStorageFailsAndClearsTheFailureFlag) {
    Save(" Dis", "nostore.inp");
    // The storage of the first reservoir goes into the file as saved.
    s.DMOmbrel.MaxSto = 0;
    RecordingMessages writer;
    ASSERT_TRUE(WriteInputFile(s.DMOmbrel, s.Values, writer));
    const RunOutcome outcome = Run();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"The Maximum Storage must be > 0"});
    EXPECT_FALSE(s.Flags.MaxStoOk);
    EXPECT_EQ(JudgeRun(s, outcome), RunVerdict::Failed);
    EXPECT_FALSE(s.DMOmbrel.RunFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.File("nostore.out")));
}

TEST(JudgeRun, DataErrorOfAGoodLookingRunIsAFailure) {
    Session s;
    s.Flags.AnalysisOk = true;
    s.Flags.MaxStoOk = true;
    s.DMOmbrel.RunFailed = true;
    EXPECT_EQ(JudgeRun(s, RunOutcome{true, std::nullopt}), RunVerdict::Failed);
    EXPECT_FALSE(s.DMOmbrel.RunFailed);
    s.Flags.PredTimeError = true;
    EXPECT_EQ(JudgeRun(s, RunOutcome{}), RunVerdict::Failed);
    s.Flags.PredTimeError = false;
    s.Flags.TimeSeqError = true;  // no report was written
    EXPECT_EQ(JudgeRun(s, RunOutcome{}), RunVerdict::Failed);
    s.Flags.TimeSeqError = false;
    EXPECT_EQ(JudgeRun(s, RunOutcome{}), RunVerdict::Good);
    s.Flags.AnalysisOk = false;
    EXPECT_EQ(JudgeRun(s, RunOutcome{}), RunVerdict::Refused);
}

TEST(RunDoneText, NamesTheInputAndTheReport) {
    EXPECT_EQ(RunDoneText("/data/vidora.out"),
              "The input is saved in /data/vidora.inp ; Calculations were done and the output is "
              "saved in  /data/vidora.out");
}

}  // namespace
}  // namespace tervala
