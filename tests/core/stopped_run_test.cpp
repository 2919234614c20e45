// A run asked to stop, as when the user ends the program while the search
// computes: the search, plain loop or fast, stops at its next progress point
// on every thread it runs on, the run says it was stopped, and neither the
// report nor the fit file is written, so an older report stays as it was.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "engine/run_selected_mode.h"
#include "tests/core/analysis_reports_expected.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

// Asks the run to stop once `after` progress lines have come (0: from the start).
class StoppingProgress : public testing::RecordingProgress {
  public:
    explicit StoppingProgress(size_t after) : after_(after), stop_(after == 0) {}
    void AddProgressLine(const std::string& line) override {
        RecordingProgress::AddProgressLine(line);
        if (lines.size() >= after_) stop_ = true;
    }
    bool StopRequested() const override { return stop_; }

  private:
    size_t after_;
    std::atomic<bool> stop_;
};

TEST(StoppedRun, WritesNeitherReportNorFitFileAndSaysItStopped) {
    struct Case {
        const char* name;
        bool head;
        bool referenceLoop;
        size_t stopAfter;
    };
    // The plain loop is stopped after its first line, which it must not
    // follow with another; the fast searches, whose workers may run ahead of
    // the lines, from the start.
    const Case cases[] = {
        {"discharge, plain loop", false, true, 1},
        {"discharge, fast search", false, false, 0},
        {"head, plain loop", true, true, 0},
        {"head, fast search", true, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        Session s;
        TDMOmbrel& dm = s.DMOmbrel;
        dm.FileName = dir.File("field.inp");
        testing::WriteBytes(dm.FileName, testing::WithCrLf(c.head ? expected::kHead3Input
                                                                  : expected::kTwelveInput));
        const std::string older = "an older report of the same name\r\n";
        testing::WriteBytes(dir.File("field.out"), older);
        dm.ModeTag = c.head ? " Hyd" : " Dis";
        dm.DischargeMode = !c.head;
        dm.HeadMode = c.head;
        s.Flags.CheckOnly = true;
        testing::RecordingMessages messages;
        StoppingProgress progress(c.stopAfter);
        SearchOptions options;
        options.referenceLoop = c.referenceLoop;
        int pauses = 0;

        const RunOutcome outcome =
            RunSelectedMode(s, messages, progress, [&pauses](int) { ++pauses; }, options);

        EXPECT_TRUE(s.Flags.RunStopped);
        EXPECT_EQ(JudgeRun(s, outcome), RunVerdict::Stopped);
        EXPECT_FALSE(outcome.RadioButton4Caption);
        EXPECT_EQ(pauses, 0);
        EXPECT_EQ(progress.lines.size(), c.stopAfter);
        EXPECT_EQ(testing::ReadBytes(dir.File("field.out")), older);
        EXPECT_FALSE(std::filesystem::exists(dir.File("field.dat")));
        EXPECT_TRUE(messages.messages.empty());
    }
}

}  // namespace
}  // namespace tervala
