// tervala-batch import, export and the run of many files, end to end: the
// real binary on CSV files shaped like the ones loggers and spreadsheets
// write, into input files compared byte for byte with hand-written ones; the
// series of each report kind exported and compared with the report's own
// numbers; ten fields run at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/batch_runner.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::BatchResult;
using testing::ReadBytes;
using testing::RunBatch;
using testing::TempDir;
using testing::WriteBytes;

const std::string kSeries = TERVALA_SOURCE_DIR "/tests/data/series/";

std::string WithPath(std::string text, const std::string& path) {
    const size_t at = text.find("@INPUT@");
    if (at != std::string::npos) text.replace(at, 7, path);
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    if (separator == ' ') {
        for (std::string cell; in >> cell;) cells.push_back(cell);
    } else {
        for (std::string cell; std::getline(in, cell, separator);) cells.push_back(cell);
        if (!line.empty() && line.back() == separator) cells.emplace_back();
    }
    return cells;
}

double Number(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

TEST(SeriesCommands, ImportWritesTheFileSaveRunWritesForTheGrid) {
    const struct {
        const char* csv;
        std::vector<std::string> options;
        const char* expected;
    } cases[] = {
        {"quoted.csv",
         {"--maxsto", "40", "--inisto", "20", "--title1", "Quoted header", "--title2",
          "Comma file"},
         "quoted.inp"},
        // BOM, CR LF, decimal commas; a time without dashes in a date column left out
        {"semicolon_dates.csv", {}, "semicolon_dates.inp"},
        {"tab_hourly.tsv",
         {"--job",     "prediction",  "--time-unit", "hours",   "--m",      "0.04",
          "--n",       "0.05",        "--porosity",  "8",       "--runini", "0.2",
          "--headini", "300",         "--maxsto",    "30",      "--inisto", "30",
          "--title1",  "Sieve hours", "--title2",    "Tab file"},
         "tab_hourly.inp"},
        {"missing.csv", {"--title1", "M", "--title2", "N"}, "missing.inp"},
        {"no_header.csv",
         {"--time", "2", "--rain", "1", "--title1", "X", "--title2", "Y"},
         "no_header.inp"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::vector<std::string> args = {"import", kSeries + c.csv, "-o", "field.inp"};
        if (std::find(c.options.begin(), c.options.end(), "--job") == c.options.end())
            args.insert(args.end(), {"--job", "analysis"});
        args.insert(args.end(), c.options.begin(), c.options.end());
        const BatchResult r = RunBatch(args, dir);
        const std::string input = dir.File("field.inp");
        EXPECT_EQ(r.exitCode, 0) << c.csv << r.err;
        EXPECT_EQ(r.out, input + "\n");
        EXPECT_EQ(ReadBytes(input), WithPath(ReadBytes(kSeries + c.expected), input)) << c.csv;
        if (std::string(c.csv) == "missing.csv") {
            EXPECT_NE(r.err.find("3 rows of \"" + kSeries +
                                 "missing.csv\" were left out for a "
                                 "missing or non-numeric value: lines 3, 4, 6."),
                      std::string::npos)
                << r.err;
        }
    }
}

TEST(SeriesCommands, ImportRefusesSayingWhatToChangeAndWritesNothing) {
    std::string tooMany = "time,rain,pet\n";
    for (int t = 1; t <= 502; ++t) tooMany += std::to_string(t) + ",1,0.1\n";
    const struct {
        std::string csv;
        std::vector<std::string> options;
        const char* says;
    } cases[] = {
        {"time,rainfall,pet,q\n1,2,0.1,1\n", {}, "Give the rain column with --rain COL"},
        {"time,rain,pet,discharge\n1,1,0.1,1\n3,1,0.1,1\n2,1,0.1,1\n",
         {},
         "The time on line 4 of \"s.csv\" is not after the time on line 3"},
        {"time,rain,pet,discharge\n01.10.2005,1,0.1,1\n", {}, "nor an ISO 8601 date"},
        {"time,rain,pet,discharge\n1,-9999,0.1,1\n", {}, "has a negative rain (-9999)"},
        {tooMany,
         {"--job", "prediction", "--m", "0.04", "--n", "0.05"},
         "has 502 usable rows; a prediction takes at most 501. Choose at most 501 rows with "
         "--rows, for example --rows 1:501."},
    };
    for (const auto& c : cases) {
        TempDir dir;
        WriteBytes(dir.File("s.csv"), c.csv);
        std::vector<std::string> args = {"import", "s.csv", "-o", "s.inp"};
        if (c.options.empty()) args.insert(args.end(), {"--job", "analysis"});
        args.insert(args.end(), c.options.begin(), c.options.end());
        const BatchResult r = RunBatch(args, dir);
        EXPECT_EQ(r.exitCode, 1) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("s.inp"))) << c.says;
    }
}

// The rows of a report's table, split at blanks: the lines between the four
// heading lines below `marker` and the closing ruler.
std::vector<std::vector<std::string>> ReportRows(const std::string& report, const char* marker) {
    const std::vector<std::string> lines = Lines(report);
    size_t k = 0;
    while (k < lines.size() && lines[k].rfind(marker, 0) != 0) ++k;
    std::vector<std::vector<std::string>> rows;
    for (k += 5; k < lines.size() && lines[k].rfind("-", 0) != 0; ++k)
        rows.push_back(Split(lines[k], ' '));
    return rows;
}

// The number after `label` in the report line that holds it.
double ReportValue(const std::string& report, const std::string& label) {
    for (const std::string& line : Lines(report)) {
        const size_t at = line.find(label);
        if (at != std::string::npos) return Number(Split(line.substr(at + label.size()), ' ')[0]);
    }
    ADD_FAILURE() << label;
    return 0;
}

// Ten fields, one refused: nine reports, ten summary rows, exit code 1. The
// summary's values are those the reports print (to their decimals), and the
// export of each report kind gives the report's numbers.
TEST(SeriesCommands, TenFieldsRunTogetherAndEachReportExports) {
    TempDir dir;
    auto cut = [](const std::string& example, size_t lines) {
        std::string text = ReadBytes(TERVALA_SOURCE_DIR "/Data/" + example);
        size_t end = 0;
        for (size_t k = 0; k < lines; ++k) end = text.find('\n', end) + 1;
        return text.substr(0, end);
    };
    std::vector<std::string> files = {"discharge.inp", "head.inp", "refused.inp"};
    WriteBytes(dir.File(files[0]), cut("Vidora.inp", 14 + 40));
    WriteBytes(dir.File(files[1]), cut("VidoraHead.inp", 14 + 40));
    std::string refused = cut("Vidora.inp", 14 + 40);
    refused.replace(refused.find(" Maximum dead storage:    50.00"), 31,
                    " Maximum dead storage:  0.0E+0000");
    WriteBytes(dir.File(files[2]), refused);
    for (int p = 1; p <= 7; ++p) {
        files.push_back("prediction" + std::to_string(p) + ".inp");
        WriteBytes(dir.File(files.back()),
                   ReadBytes(TERVALA_SOURCE_DIR "/Data/VidoraPrediction.inp"));
    }
    std::vector<std::string> args = {"run"};
    args.insert(args.end(), files.begin(), files.end());
    args.insert(args.end(), {"--jobs", "2", "--summary", "summary.csv"});
    const BatchResult r = RunBatch(args, dir);

    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("refused.inp: The Maximum Storage must be > 0"), std::string::npos);
    EXPECT_NE(r.err.find("[10/10, 0 left] "), std::string::npos) << r.err;
    int reports = 0;
    for (const std::string& f : files)
        reports += std::filesystem::exists(dir.File(f.substr(0, f.size() - 4) + ".out"));
    EXPECT_EQ(reports, 9);

    const std::vector<std::string> summary = Lines(ReadBytes(dir.File("summary.csv")));
    ASSERT_EQ(summary.size(), 11u);
    EXPECT_EQ(summary[0],
              "file,job,rows,exit code,first message,A,C,B,F,porosity factor,"
              "R square,peak discharge,peak head");
    const std::string discharge = ReadBytes(dir.File("discharge.out"));
    const std::string head = ReadBytes(dir.File("head.out"));
    const std::string prediction = ReadBytes(dir.File("prediction1.out"));
    const std::vector<std::string> d = Split(summary[1], ','), h = Split(summary[2], ',');
    EXPECT_EQ(std::vector<std::string>(d.begin(), d.begin() + 5),
              (std::vector<std::string>{"discharge.inp", "discharge analysis", "40", "0", ""}));
    EXPECT_NEAR(Number(d[5]), ReportValue(discharge, "A ="), 5e-5);
    EXPECT_NEAR(Number(d[6]), ReportValue(discharge, "C ="), 5e-5);
    EXPECT_NEAR(Number(d[10]), ReportValue(discharge, "R square is:"), 5e-3);
    EXPECT_EQ(h[1], "head analysis");
    EXPECT_NEAR(Number(h[7]), ReportValue(head, "B ="), 5e-5);
    EXPECT_NEAR(Number(h[8]), ReportValue(head, "F ="), 5e-5);
    EXPECT_NEAR(Number(h[9]), ReportValue(head, "porosity fraction ="), 5e-4);
    EXPECT_EQ(Split(summary[3], ','),
              (std::vector<std::string>{"refused.inp", "discharge analysis", "40", "1",
                                        "The Maximum Storage must be > 0", "", "", "", "", "", "",
                                        "", ""}));
    const std::vector<std::string> p = Split(summary[4], ',');
    double peakQ = 0, peakH = 0;
    for (const auto& row : ReportRows(prediction, "PREDICTION")) {
        peakQ = std::max(peakQ, Number(row[5]));
        peakH = std::max(peakH, Number(row[6]));
    }
    EXPECT_EQ(p[1], "prediction");
    EXPECT_NEAR(Number(p[11]), peakQ, 5e-3);
    EXPECT_NEAR(Number(p[12]), peakH, 5e-3);

    // Export: report column of each CSV column (serial is column 0).
    const struct {
        const char* report;
        const char* marker;
        const char* header;
        std::vector<size_t> columns;
    } kinds[] = {
        {"discharge.out",
         "RECO",
         "time (t),rain plus irrigation (mm/t),recharge (mm/t),observed discharge (mm/t),"
         "calculated discharge (mm/t),alpha (1/t)",
         {1, 2, 3, 4, 6, 5}},
        {"head.out",
         "RECO",
         "time (t),rain plus irrigation (mm/t),recharge (mm/t),observed head (mm),"
         "calculated head (mm),alpha (1/t)",
         {1, 2, 3, 4, 6, 5}},
        {"prediction1.out",
         "PREDICTION",
         "time (t),rain plus irrigation (mm/t),recharge (mm/t),discharge (mm/t),head (mm),"
         "alpha (1/t)",
         {1, 2, 3, 5, 6, 4}},
    };
    for (const auto& k : kinds) {
        const BatchResult e = RunBatch({"export", k.report, "-o", "series.csv"}, dir);
        ASSERT_EQ(e.exitCode, 0) << e.err;
        const std::vector<std::string> csv = Lines(ReadBytes(dir.File("series.csv")));
        const auto rows = ReportRows(ReadBytes(dir.File(k.report)), k.marker);
        ASSERT_EQ(csv.size(), rows.size() + 1) << k.report;
        EXPECT_EQ(csv[0], k.header);
        for (size_t r = 0; r < rows.size(); ++r) {
            const std::vector<std::string> cells = Split(csv[r + 1], ',');
            ASSERT_EQ(cells.size(), k.columns.size());
            for (size_t c = 0; c < cells.size(); ++c)
                EXPECT_EQ(Number(cells[c]), Number(rows[r][k.columns[c]]))
                    << k.report << " row " << r + 1 << " column " << c;
        }
    }
}

}  // namespace
}  // namespace tervala
