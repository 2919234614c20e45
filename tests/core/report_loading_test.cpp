// Loading a report into the lines the Output tab shows: line ends, empty and
// one-line reports, the head report's mark, and files that cannot be read.
#include "model/report_loading.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::RecordingMessages;
using testing::TempDir;
using testing::WriteBytes;

TEST(LoadReport, ReadsEveryLineWithoutItsCrLf) {
    TempDir dir;
    const std::string file = dir.File("a.out");
    WriteBytes(file, "Discharge simulation\r\n line two \r\n\r\nlast\r\n");
    TDMOmbrel dm;
    dm.ModeTag = " Dis";
    RecordingMessages messages;
    EXPECT_TRUE(LoadReport(dm, file, messages));
    EXPECT_EQ(dm.OutputLines, (LineSet{"Discharge simulation", " line two ", "", "last"}));
    EXPECT_EQ(dm.OutputLineCount, 4);
    EXPECT_EQ(dm.ModeTag, " Dis");
    EXPECT_TRUE(messages.messages.empty());
}

TEST(LoadReport, AcceptsLfLineEndsAndALastLineWithoutEnd) {
    TempDir dir;
    const std::string file = dir.File("a.out");
    WriteBytes(file, "one\ntwo\nthree");
    TDMOmbrel dm;
    RecordingMessages messages;
    EXPECT_TRUE(LoadReport(dm, file, messages));
    EXPECT_EQ(dm.OutputLines, (LineSet{"one", "two", "three"}));
    EXPECT_EQ(dm.OutputLineCount, 3);
}

TEST(LoadReport, HeadReportSetsTheHeadTag) {
    TempDir dir;
    const std::string file = dir.File("h.out");
    WriteBytes(file, "Polder\r\nHydraulic Head simulation\r\nrows\r\n");
    TDMOmbrel dm;
    dm.ModeTag = " Pre";
    RecordingMessages messages;
    EXPECT_TRUE(LoadReport(dm, file, messages));
    EXPECT_EQ(dm.ModeTag, " Hyd");
}

TEST(LoadReport, OnlyTheExactSecondLineMarksAHeadReport) {
    TempDir dir;
    const std::string file = dir.File("h.out");
    WriteBytes(file, "Polder\r\n Hydraulic Head simulation\r\n");
    TDMOmbrel dm;
    dm.ModeTag = " Dis";
    RecordingMessages messages;
    LoadReport(dm, file, messages);
    EXPECT_EQ(dm.ModeTag, " Dis");
}

TEST(LoadReport, OneLineReportKeepsTheTag) {
    TempDir dir;
    const std::string file = dir.File("one.out");
    WriteBytes(file, "Hydraulic Head simulation\r\n");
    TDMOmbrel dm;
    dm.ModeTag = " Pre";
    RecordingMessages messages;
    EXPECT_TRUE(LoadReport(dm, file, messages));
    EXPECT_EQ(dm.OutputLines, (LineSet{"Hydraulic Head simulation"}));
    EXPECT_EQ(dm.OutputLineCount, 1);
    EXPECT_EQ(dm.ModeTag, " Pre");
}

TEST(LoadReport, EmptyReportHasNoLines) {
    TempDir dir;
    const std::string file = dir.File("empty.out");
    WriteBytes(file, "");
    TDMOmbrel dm;
    dm.OutputLines = {"old", "report"};
    dm.OutputLineCount = 2;
    RecordingMessages messages;
    EXPECT_TRUE(LoadReport(dm, file, messages));
    EXPECT_EQ(dm.OutputLineCount, 0);
    EXPECT_TRUE(dm.OutputLines.empty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST(LoadReport, MissingFileIsAnsweredAndKeepsTheLinesHeld) {
    TempDir dir;
    const std::string file = dir.File("none.out");
    TDMOmbrel dm;
    dm.OutputLines = {"old", "report"};
    dm.OutputLineCount = 2;
    RecordingMessages messages;
    EXPECT_FALSE(LoadReport(dm, file, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              "The file \"" + file +
                  "\" could not be opened.  It may be damaged,  not created due to inadequate "
                  "input data,  in use by another program.");
    EXPECT_EQ(dm.OutputLines, (LineSet{"old", "report"}));
    EXPECT_EQ(dm.OutputLineCount, 2);
}

TEST(LoadReport, AFolderIsNoReport) {
    TempDir dir;
    const std::string folder = dir.File("reports.out");
    std::filesystem::create_directory(folder);
    TDMOmbrel dm;
    dm.OutputLines = {"old"};
    dm.OutputLineCount = 1;
    RecordingMessages messages;
    EXPECT_FALSE(LoadReport(dm, folder, messages));
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(dm.OutputLineCount, 1);
}

}  // namespace
}  // namespace tervala
