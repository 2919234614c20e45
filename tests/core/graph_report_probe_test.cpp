// Which graphs a report offers, and the titles a graph shows.
#include "model/graph_report_probe.h"

#include <gtest/gtest.h>

#include "tests/support/example_reports.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {

using testing::DischargeReportLines;
using testing::HeadReportLines;
using testing::JoinLines;
using testing::PredictionReportLines;
using testing::RecordingMessages;
using testing::TempDir;

namespace {

struct ProbeCase {
    TempDir folder;
    TDMOmbrel data;
    RecordingMessages messages;

    bool Probe(const std::string& text, const std::string& name = "report.out") {
        data.LastFileName = folder.Write(name, text);
        return ProbeGraphReport(data, messages);
    }
};

}  // namespace

TEST(ProbeGraphReport, DischargeReportIsTaggedWithHyphensAndGivesItsTitles) {
    ProbeCase c;
    c.data.Title1 = "typed on the Input tab";
    c.data.DischargeMode = true;
    ASSERT_TRUE(c.Probe(JoinLines(DischargeReportLines(), "\n")));
    EXPECT_EQ(c.data.GraphTag, "----");
    EXPECT_EQ(c.data.Title1, "Polder Oost, winter 1998");
    EXPECT_EQ(c.data.Title2, "Pipe drains at 1.20 m, spacing 12 m");
    EXPECT_TRUE(c.data.DischargeMode);
    EXPECT_FALSE(c.data.PredictionMode);
    EXPECT_TRUE(c.messages.messages.empty());
}

TEST(ProbeGraphReport, HeadReportStarLineBecomesReco) {
    ProbeCase c;
    ASSERT_TRUE(c.Probe(JoinLines(HeadReportLines(), "\r\n")));
    EXPECT_EQ(c.data.GraphTag, "RECO");
    EXPECT_EQ(c.data.Title1, "Field 7, tube B");
    EXPECT_EQ(c.data.Title2, "Heads in mm above drain level");
}

TEST(ProbeGraphReport, PredictionReportSwitchesToPredictionMode) {
    ProbeCase c;
    c.data.DischargeMode = true;
    c.data.HeadMode = true;
    ASSERT_TRUE(c.Probe(JoinLines(PredictionReportLines(), "\r\n")));
    EXPECT_EQ(c.data.GraphTag, "PRED");
    EXPECT_TRUE(c.data.PredictionMode);
    EXPECT_FALSE(c.data.DischargeMode);
    EXPECT_FALSE(c.data.HeadMode);
    EXPECT_EQ(c.data.Title1, "Polder West prediction");
}

TEST(ProbeGraphReport, MissingReportIsReportedByTheFileTriedAndChangesNothing) {
    ProbeCase c;
    c.data.FileName = c.folder.File("picture.bmp");  // e.g. after opening a saved graph
    c.data.LastFileName = c.folder.File("gone.out");
    c.data.Title1 = "kept";
    c.data.GraphTag = "----";
    EXPECT_FALSE(ProbeGraphReport(c.data, c.messages));
    ASSERT_EQ(c.messages.messages.size(), 1u);
    EXPECT_EQ(c.messages.messages[0],
              "The file \"" + c.folder.File("gone.out") +
                  "\"could not be opened. It may be damaged,  not created due to "
                  "inadequateinput data, or in use by another program.");
    EXPECT_EQ(c.data.Title1, "kept");
    EXPECT_EQ(c.data.GraphTag, "----");
}

TEST(ProbeGraphReport, EmptyOrShortFilesGiveEmptyTitlesAndNoKnownTag) {
    ProbeCase c;
    ASSERT_TRUE(c.Probe(""));
    EXPECT_EQ(c.data.Title1, "");
    EXPECT_EQ(c.data.GraphTag, "");
    ASSERT_TRUE(c.Probe("THE RESULTS OF Tervala PROGRAM\n\nonly a title\n"));
    EXPECT_EQ(c.data.Title1, "only a title");
    EXPECT_EQ(c.data.GraphTag, "");
    EXPECT_TRUE(c.messages.messages.empty());
}

TEST(ProbeGraphReport, AFolderIsNoReport) {
    ProbeCase c;
    c.data.LastFileName = c.folder.path().string();
    EXPECT_FALSE(ProbeGraphReport(c.data, c.messages));
    EXPECT_EQ(c.messages.messages.size(), 1u);
}

}  // namespace tervala
