// tervala-batch run as a script runs it: exit codes (0 done, 1 refused, 2 usage
// and file errors), stderr and stdout, and its files against tests/data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "graphs/palette.h"
#include "tests/support/test_support.h"

namespace tervala::testing {
namespace {

TEST(BatchRun, GoldenCasesWriteTheirReportsAndFitFilesAndLeaveTheInput) {
    const std::string hump =
        "The quadratic trend of the relation between rainfall and runoff data shows an "
        "inconsistency, see the. output graphics. The model may not fit perfectly.\n";
    for (const auto& [name, options, err] :
         {std::tuple{"twelve", " --threads 1", ""}, {"hump", "", hump.c_str()}}) {
        TempDir dir;
        const std::string golden = std::string("golden/") + name;
        const std::string input = dir.Write("field.inp", DataFile(golden + ".inp", "x"));
        const BatchResult r = RunBatch(dir, std::string("run field.inp") + options);
        EXPECT_EQ((std::tuple{r.exitCode, r.err, r.out}),
                  (std::tuple{0, err, dir.File("field.out") + "\n"}));
        EXPECT_EQ(ReadBytes(dir.File("field.out")), DataFile(golden + ".out", input));
        EXPECT_EQ(ReadBytes(dir.File("field.dat")), DataFile(golden + ".dat"));
        EXPECT_EQ(ReadBytes(input), DataFile(golden + ".inp", "x"));
    }
    // Another extension: the report beside it names the input with ".inp".
    TempDir dir;
    dir.Write("data.txt", DataFile("golden/serials.inp", "x"));
    EXPECT_EQ(RunBatch(dir, "run data.txt").out, dir.File("data.out") + "\n");
    EXPECT_EQ(ReadBytes(dir.File("data.out")),
              DataFile("golden/serials.out", dir.File("data.inp")));
}

TEST(BatchRun, RefusalsExitWithOneFileAndUsageErrorsWithTwo) {
    const std::string serials = DataFile("golden/serials.inp", "x");
    const std::string header = serials.substr(0, serials.find("    7 "));
    // clang-format off
    const std::tuple<std::string, int, std::string> cases[] = {
        {header + "1 1 40 2 3\r\n2 2 0 5 3\r\n", 1,
         "There is no variation in runoff values. Rainfall-Discharge analysis cannot be made\n"},
        {Replaced(DataFile("golden/prediction3.inp", "x"), " Linear", " Exponential"), 1,
         "The input file \"@\" holds no linear alpha function (line 11 does not start with \" Lin\"). "
         "The prediction cannot be made\n"},
        // Old four-field rows: the reader warns and repairs, the engine reads the file as it stands.
        {header + "1 1 40 2 3\r\n2 2 0 2\r\n", 2,
         "Please check the escape rate data\nLine 16 of the input file \"@\" is no data row of an analysis: "
         "it needs a whole serial number, time, rain, escape rate and observed value\n"},
        {Replaced(serials, " Discharge", " Rainfall"), 2, "The file \"@\" is no input file of a discharge "
         "analysis, head analysis or prediction: its second line names none of them.\n"},
    };
    // clang-format on
    for (const auto& [text, exitCode, err] : cases) {
        TempDir dir;
        const std::string input = dir.Write("field.inp", text);
        dir.Write("field.out", "older report\n");
        const BatchResult r = RunBatch(dir, "run " + input);
        EXPECT_EQ((std::tuple{r.exitCode, r.err, r.out}),
                  (std::tuple{exitCode, Replaced(err, "@", input), ""}));
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"field.inp", "field.out"}));
        EXPECT_EQ(ReadBytes(dir.File("field.out")) + ReadBytes(input), "older report\n" + text);
    }
    TempDir dir;
    EXPECT_EQ(RunBatch(dir, "run nothing.inp").err,
              "File does not exist, please select another one,\n");
    dir.Write("field.out", serials);
    const BatchResult named = RunBatch(dir, "run field.out");
    EXPECT_EQ(named.exitCode, 2);
    EXPECT_NE(named.err.find("which the run would overwrite"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.File("field.out")), serials);
    for (const char* usage :
         {"", "run", "walk x.inp", "run a.inp --threads 0", "run a.inp --threads 257",
          "run a.inp --threads many", "run a.inp b.inp", "drainage --ka 1"})
        EXPECT_EQ(RunBatch(dir, usage).exitCode, 2) << usage;
    const BatchResult help = RunBatch(dir, "run --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--threads"), std::string::npos);
}

// Pixel (x, y) of a 24-bit bitmap: rows stored bottom-up, blue-green-red,
// each padded to 4 bytes.
Rgb Pixel(const std::string& bmp, int x, int y) {
    const auto at = [&](size_t i) { return static_cast<uint8_t>(bmp.at(i)); };
    const size_t start = at(10) | at(11) << 8, row = 465 - 1 - y, p = start + row * 1872 + x * 3;
    return {at(p + 2), at(p + 1), at(p)};
}

TEST(BatchGraph, BitmapsOfTheThreeRowReportWithoutAnyDisplay) {
    TempDir dir;
    const std::string report = dir.Write("polder.out", DataFile("reports/discharge.out"));
    dir.Write("polder.dat", DataFile("reports/discharge.dat"));
    // Kind 1: the calculated line from (320, 257) to (445, 260) crosses
    // column 400 once, near row 258.9; the observed circle around (320, 257).
    for (bool colour : {true, false}) {
        const std::string picture = dir.File(colour ? "runoff.bmp" : "runoff-bw.bmp");
        const BatchResult r = RunBatch(
            dir, "graph " + report + " --kind 1 -o " + picture + (colour ? "" : " --bw"), true);
        ASSERT_EQ((std::tuple{r.exitCode, r.err, r.out}), (std::tuple{0, "", picture + "\n"}));
        const std::string bmp = ReadBytes(picture);
        ASSERT_EQ(bmp.substr(0, 2), "BM");
        // 623 x 465 pixels of 24 bits, uncompressed, rows padded to 1872 bytes.
        EXPECT_EQ(bmp.substr(18, 8) + bmp.substr(28, 6),
                  std::string("\x6f\2\0\0\xd1\1\0\0\x18\0\0\0\0\0", 14));
        EXPECT_EQ(bmp.size(), (static_cast<uint8_t>(bmp[10]) | static_cast<uint8_t>(bmp[11]) << 8) +
                                  1872u * 465u);
        const Rgb line = colour ? kWhite : kBlack;
        EXPECT_EQ(
            (std::vector<Rgb>{Pixel(bmp, 0, 0), Pixel(bmp, 622, 464), Pixel(bmp, 600, 440),
                              Pixel(bmp, 70, 200), Pixel(bmp, 300, 390), Pixel(bmp, 320, 255)}),
            (std::vector<Rgb>{kSilver, kSilver, colour ? kDarkBlue : kWhite, line, line,
                              colour ? kCyan : kBlack}));
        std::vector<int> rows;
        for (int y = 250; y <= 265; ++y)
            if (Pixel(bmp, 400, y) == line) rows.push_back(y);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_NEAR(rows[0], 258.9, 1);
    }
    const BatchResult png = RunBatch(dir, "graph " + report + " -k 8 -o " + dir.File("a.PNG"));
    ASSERT_EQ(png.exitCode, 0) << png.err;
    EXPECT_EQ(ReadBytes(dir.File("a.PNG")).substr(0, 8), "\x89PNG\r\n\x1a\n");
}

TEST(BatchGraph, WhatCannotBeDrawnExitsWithTwoAndWritesNothing) {
    TempDir dir;
    const std::string report = dir.Write("polder.out", DataFile("reports/discharge.out"));
    const std::string prediction = dir.Write("west.out", DataFile("reports/prediction.out"));
    const std::string head = dir.Write("tube.out", DataFile("reports/head.out"));
    const std::string notes = dir.Write("notes.out", "a\nb\nc\nd\ne\n");
    const std::string x = " -o " + dir.File("x.bmp");
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {  // the whole message, or a part after "~"
        {prediction + " -k 1" + x, "Graph 1 cannot be drawn from \"" + prediction +
                                       "\": it is a prediction report (graphs 2, 4 and 5).\n"},
        {head + " -k 5" + x, "Graph 5 cannot be drawn from \"" + head +
                                 "\": it is a head-analysis report (graphs 1, 3, 7, 8 and 9).\n"},
        {report + " -k 6" + x, "There is no graph 6: the graphs are 1, 3, 7, 8 and 9 of an analysis report "
                               "and 2, 4 and 5 of a prediction report.\n"},
        {dir.File("none.out") + " -k 1" + x, "File does not exist, please select another one,\n"},
        {report + " -k 1 -o " + dir.File("x.jpg"), "~needs the extension .bmp"},
        {report + " -k 8" + x, "~polder.dat"},  // the trend's fit file is missing
        {report + " -k 1 -o " + dir.File("no/x.bmp"), "The graph could not be written to \"" + dir.File("no/x.bmp") + "\".\n"},
        {notes + " -k 1" + x, "The file \"" + notes + "\" is no report of a Tervala analysis or prediction.\n"},
    };
    // clang-format on
    for (const auto& [arguments, err] : cases) {
        const BatchResult r = RunBatch(dir, "graph " + arguments);
        EXPECT_EQ(r.exitCode, 2) << err;
        if (err[0] == '~')
            EXPECT_NE(r.err.find(err.substr(1)), std::string::npos) << r.err;
        else
            EXPECT_EQ(r.err, err);
    }
    EXPECT_EQ(dir.Names(),
              (std::vector<std::string>{"notes.out", "polder.out", "tube.out", "west.out"}));
}

TEST(BatchDrainage, TheCalculatorsResultsAndRefusals) {
    TempDir dir;
    const std::string field = "--kb 1 --depth 5 --perimeter 0.5 --porosity 5 --spacing 50";
    // clang-format off
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {"--ka 1 " + field + " --par " + dir.File("field.par"), 0, "M = 0.03200\nN = 0.20173\n", ""},
        {"--ka 1 --kb 1 --depth 10 --perimeter 0,5 --porosity 5 --spacing 50", 0, "M = 0.03200\nN = 0.25347\n", ""},
        {"--ka=-1 " + field, 1, "", "Ka should be greater than zero\n"},
        {"--ka 1 " + Replaced(field, "kb 1", "kb 0"), 1, "", "One or more data values are incorrect\n"},
        {"--ka one " + field, 2, "", "'one' is not a valid floating point value\n"},
        {"--ka 1 " + field + " --par " + dir.File("missing/field.par"), 2, "M = 0.03200\nN = 0.20173\n", "~"},
    };
    // clang-format on
    for (const auto& [arguments, exitCode, out, err] : cases) {
        const BatchResult r = RunBatch(dir, "drainage " + arguments);
        EXPECT_EQ((std::tuple{r.exitCode, r.out, err == "~" ? "~" : r.err}),
                  (std::tuple{exitCode, out, err}))
            << arguments;
        EXPECT_TRUE(err != "~" || !r.err.empty());
    }
    EXPECT_EQ(ReadBytes(dir.File("field.par")), DataFile("inputs/field.par"));
}

}  // namespace
}  // namespace tervala::testing
