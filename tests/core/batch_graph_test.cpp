// tervala-batch graph, end to end: the real binary draws graphs of reports
// written by hand (three rows, worked out pixel by pixel in the graph tests)
// to 24-bit bitmaps and PNG pictures, without any display; wrong kinds,
// missing files and unknown picture types are refused with exit code 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "graphs/palette.h"
#include "tests/support/batch_runner.h"
#include "tests/support/bmp_file.h"
#include "tests/support/example_reports.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::BatchResult;
using testing::BmpFile;
using testing::JoinLines;
using testing::ReadBytes;
using testing::RunBatch;
using testing::TempDir;
using testing::WriteBytes;

struct Reports {
    TempDir dir;
    std::string discharge = dir.File("polder.out");
    std::string head = dir.File("tube.out");
    std::string prediction = dir.File("west.out");
    Reports() {
        WriteBytes(discharge, JoinLines(testing::DischargeReportLines(), "\r\n"));
        WriteBytes(dir.File("polder.dat"), JoinLines(testing::FitFileLines("1"), "\r\n"));
        WriteBytes(head, JoinLines(testing::HeadReportLines(), "\r\n"));
        WriteBytes(prediction, JoinLines(testing::PredictionReportLines(), "\r\n"));
    }
};

// Runs the batch command as on a machine without any display: no DISPLAY, no
// Wayland and no platform chosen.
BatchResult RunWithoutDisplay(const std::vector<std::string>& arguments, const TempDir& dir) {
    return RunBatch(arguments, dir, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
}

// The pixel rows 250 .. 265 of column x that hold `colour`.
std::vector<int> RowsOfColour(const BmpFile& bmp, int x, Rgb colour) {
    std::vector<int> rows;
    for (int y = 250; y <= 265; ++y) {
        if (bmp.Pixel(x, y) == colour) rows.push_back(y);
    }
    return rows;
}

TEST(BatchGraph, DrawsAColourBitmapWithoutAnyDisplay) {
    Reports r;
    const std::string picture = r.dir.File("runoff.bmp");
    BatchResult b = RunWithoutDisplay({"graph", r.discharge, "--kind", "1", "-o", picture}, r.dir);
    ASSERT_EQ(b.exitCode, 0) << b.err;
    EXPECT_EQ(b.err, "");
    EXPECT_EQ(b.out, picture + "\n");

    BmpFile bmp(picture);
    ASSERT_TRUE(bmp.IsBitmap());
    EXPECT_EQ(bmp.Width(), 623);
    EXPECT_EQ(bmp.Height(), 465);
    EXPECT_EQ(bmp.BitsPerPixel(), 24);
    EXPECT_EQ(bmp.Compression(), 0u);
    // 623 pixels of 3 bytes, padded to 1872 bytes a row.
    EXPECT_EQ(bmp.Size(), bmp.PixelOffset() + 1872u * 465u);
    EXPECT_EQ(bmp.FileSize(), bmp.Size());

    EXPECT_EQ(bmp.Pixel(0, 0), kSilver);
    EXPECT_EQ(bmp.Pixel(622, 464), kSilver);
    EXPECT_EQ(bmp.Pixel(600, 440), kDarkBlue);
    EXPECT_EQ(bmp.Pixel(70, 200), kWhite);   // the vertical axis
    EXPECT_EQ(bmp.Pixel(300, 390), kWhite);  // the horizontal axis
    // The calculated line from (320, 257) to (445, 260) crosses column 400
    // once, near 258.9; the observed circle around (320, 257) is cyan.
    std::vector<int> line = RowsOfColour(bmp, 400, kWhite);
    ASSERT_EQ(line.size(), 1u);
    EXPECT_NEAR(line[0], 258.9, 1);
    EXPECT_EQ(bmp.Pixel(320, 255), kCyan);
}

TEST(BatchGraph, BlackAndWhiteBitmap) {
    Reports r;
    const std::string picture = r.dir.File("runoff-bw.bmp");
    BatchResult b = RunBatch({"graph", r.discharge, "--kind", "1", "--bw", "-o", picture}, r.dir);
    ASSERT_EQ(b.exitCode, 0) << b.err;
    BmpFile bmp(picture);
    EXPECT_EQ(bmp.Pixel(0, 0), kSilver);
    EXPECT_EQ(bmp.Pixel(600, 440), kWhite);
    EXPECT_EQ(bmp.Pixel(70, 200), kBlack);
    std::vector<int> line = RowsOfColour(bmp, 400, kBlack);
    ASSERT_EQ(line.size(), 1u);
    EXPECT_NEAR(line[0], 258.9, 1);
    EXPECT_EQ(bmp.Pixel(320, 255), kBlack);
}

TEST(BatchGraph, PngPictureOfEveryKindOfItsReport) {
    Reports r;
    const std::string pngSignature = "\x89PNG\r\n\x1a\n";
    for (const char* kind : {"1", "3", "7", "8", "9"}) {
        for (const std::string& report : {r.discharge, r.head}) {
            const std::string picture = r.dir.File(std::string("a") + kind + ".PNG");
            if (report == r.head && std::string(kind) == "8") continue;  // no fit file beside it
            BatchResult b = RunBatch({"graph", report, "-k", kind, "-o", picture}, r.dir);
            ASSERT_EQ(b.exitCode, 0) << kind << " " << report << ": " << b.err;
            EXPECT_EQ(ReadBytes(picture).substr(0, 8), pngSignature) << kind;
        }
    }
    for (const char* kind : {"2", "4", "5"}) {
        const std::string picture = r.dir.File(std::string("p") + kind + ".png");
        BatchResult b = RunBatch({"graph", r.prediction, "-k", kind, "-o", picture}, r.dir);
        ASSERT_EQ(b.exitCode, 0) << kind << ": " << b.err;
        EXPECT_EQ(ReadBytes(picture).substr(0, 8), pngSignature) << kind;
    }
}

TEST(BatchGraph, KindThatTheReportDoesNotOfferIsRefused) {
    Reports r;
    const std::string picture = r.dir.File("x.bmp");
    BatchResult b = RunBatch({"graph", r.prediction, "--kind", "1", "-o", picture}, r.dir);
    EXPECT_EQ(b.exitCode, 2);
    EXPECT_EQ(b.err, "Graph 1 cannot be drawn from \"" + r.prediction +
                         "\": it is a prediction report (graphs 2, 4 and 5).\n");
    b = RunBatch({"graph", r.head, "--kind", "5", "-o", picture}, r.dir);
    EXPECT_EQ(b.exitCode, 2);
    EXPECT_EQ(b.err, "Graph 5 cannot be drawn from \"" + r.head +
                         "\": it is a head-analysis report (graphs 1, 3, 7, 8 and 9).\n");
    b = RunBatch({"graph", r.discharge, "--kind", "6", "-o", picture}, r.dir);
    EXPECT_EQ(b.exitCode, 2);
    EXPECT_EQ(b.err,
              "There is no graph 6: the graphs are 1, 3, 7, 8 and 9 of an analysis report and "
              "2, 4 and 5 of a prediction report.\n");
    EXPECT_FALSE(std::filesystem::exists(picture));
}

TEST(BatchGraph, MissingFilesAndUnknownPictureTypes) {
    Reports r;
    BatchResult b =
        RunBatch({"graph", r.dir.File("none.out"), "-k", "1", "-o", r.dir.File("x.bmp")}, r.dir);
    EXPECT_EQ(b.exitCode, 2);
    EXPECT_EQ(b.err, "File does not exist, please select another one,\n");

    b = RunBatch({"graph", r.discharge, "-k", "1", "-o", r.dir.File("x.jpg")}, r.dir);
    EXPECT_EQ(b.exitCode, 2);
    EXPECT_NE(b.err.find("needs the extension .bmp"), std::string::npos) << b.err;
    EXPECT_FALSE(std::filesystem::exists(r.dir.File("x.jpg")));

    // Graph 8 draws the trend of the fit file beside the report.
    std::filesystem::remove(r.dir.File("polder.dat"));
    b = RunBatch({"graph", r.discharge, "-k", "8", "-o", r.dir.File("x.bmp")}, r.dir);
    EXPECT_EQ(b.exitCode, 2);
    EXPECT_NE(b.err.find("polder.dat"), std::string::npos) << b.err;
    EXPECT_FALSE(std::filesystem::exists(r.dir.File("x.bmp")));

    // A picture that cannot be written: its folder does not exist.
    b = RunBatch({"graph", r.discharge, "-k", "1", "-o", r.dir.File("no/x.bmp")}, r.dir);
    EXPECT_EQ(b.exitCode, 2);
    EXPECT_EQ(b.err, "The graph could not be written to \"" + r.dir.File("no/x.bmp") + "\".\n");
}

TEST(BatchGraph, NoReportOfTervala) {
    Reports r;
    const std::string text = r.dir.File("notes.out");
    WriteBytes(text, JoinLines({"a", "b", "c", "d", "e"}, "\n"));
    BatchResult b = RunBatch({"graph", text, "-k", "1", "-o", r.dir.File("x.bmp")}, r.dir);
    EXPECT_EQ(b.exitCode, 2);
    EXPECT_EQ(b.err,
              "The file \"" + text + "\" is no report of a Tervala analysis or prediction.\n");
}

}  // namespace
}  // namespace tervala
