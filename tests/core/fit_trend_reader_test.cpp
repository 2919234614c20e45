// The quadratic trend of runoff on recharge read back from the fit file.
#include "model/fit_trend_reader.h"

#include <gtest/gtest.h>

#include "tests/support/example_reports.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {

using testing::FitFileLines;
using testing::JoinLines;
using testing::RecordingMessages;
using testing::TempDir;

namespace {

struct FitCase {
    TempDir folder;
    TDMOmbrel data;
    TrendResults trend;
    RecordingMessages messages;

    FitCase() { data.LastFileName = folder.File("polder.out"); }
    bool Read(const std::vector<std::string>& lines, const std::string& eol = "\n") {
        folder.Write("polder.dat", JoinLines(lines, eol));
        return ReadFitTrend(data, trend, messages);
    }
};

}  // namespace

TEST(ReadFitTrend, ReadsTheQuadraticTrendOfLineFive) {
    FitCase c;
    ASSERT_TRUE(c.Read(FitFileLines("1")));
    EXPECT_EQ(c.trend.TrendA, -0.0025);
    EXPECT_EQ(c.trend.TrendB, 0.184);
    EXPECT_EQ(c.trend.TrendC, 0.155);
    EXPECT_TRUE(c.trend.TrendValid);
    EXPECT_TRUE(c.messages.messages.empty());
}

TEST(ReadFitTrend, FlagZeroMeansNoTrendAndOneOrNothingMeansTrend) {
    FitCase c;
    ASSERT_TRUE(c.Read(FitFileLines("0"), "\r\n"));
    EXPECT_FALSE(c.trend.TrendValid);
    ASSERT_TRUE(c.Read(FitFileLines("1"), "\r\n"));
    EXPECT_TRUE(c.trend.TrendValid);
    ASSERT_TRUE(c.Read(FitFileLines("0")));
    EXPECT_FALSE(c.trend.TrendValid);
    ASSERT_TRUE(c.Read(FitFileLines("")));
    EXPECT_TRUE(c.trend.TrendValid);
}

TEST(ReadFitTrend, CoefficientsWiderThanTheirFieldAreReadWhole) {
    auto lines = FitFileLines("1");
    lines[4] = "A= -12.50000 B= 123.45678 C=-1234.50000";
    FitCase c;
    ASSERT_TRUE(c.Read(lines));
    EXPECT_EQ(c.trend.TrendA, -12.5);
    EXPECT_EQ(c.trend.TrendB, 123.45678);
    EXPECT_EQ(c.trend.TrendC, -1234.5);
    EXPECT_TRUE(c.trend.TrendValid);
}

TEST(ReadFitTrend, TheFitFileLiesBesideTheReportDrawn) {
    // After a saved graph was opened, FileName names the picture; the fit file
    // still belongs to the report.
    FitCase c;
    c.data.FileName = c.folder.File("picture.bmp");
    EXPECT_EQ(FitFileName(c.data), c.folder.File("polder.dat"));
    ASSERT_TRUE(c.Read(FitFileLines("1")));
}

TEST(ReadFitTrend, MissingFitFileIsToldAndTheTrendIsKept) {
    FitCase c;
    c.trend.TrendA = 7;
    c.trend.TrendValid = true;
    EXPECT_FALSE(ReadFitTrend(c.data, c.trend, c.messages));
    ASSERT_EQ(c.messages.messages.size(), 1u);
    EXPECT_EQ(c.messages.messages[0],
              "The file \"" + c.folder.File("polder.dat") +
                  "\"could not be opened. It may be damaged,  not created due to "
                  "inadequateinput data, or in use by another program.");
    EXPECT_EQ(c.trend.TrendA, 7);
    EXPECT_TRUE(c.trend.TrendValid);
}

TEST(ReadFitTrend, DamagedOrEmptyFitFileIsToldAndTheTrendIsKept) {
    FitCase c;
    c.trend.TrendA = 7;
    auto lines = FitFileLines("0");
    lines[4] = "A= -0.00250 B=  ------- C=  0.15500";
    EXPECT_FALSE(c.Read(lines));
    EXPECT_FALSE(c.Read({}));
    ASSERT_EQ(c.messages.messages.size(), 2u);
    EXPECT_EQ(c.messages.messages[0],
              "The fit file \"" + c.folder.File("polder.dat") +
                  "\" is damaged: its trend coefficients could not be read. "
                  "The graph is not drawn.");
    EXPECT_EQ(c.trend.TrendA, 7);
    EXPECT_FALSE(c.trend.TrendValid);
}

}  // namespace tervala
