// tervala-batch import, export and the run of many files, end to end: CSV
// files shaped like those loggers and spreadsheets write, into input files
// compared byte for byte with hand-written ones (tests/data/series); the
// series of each report kind exported and compared with the report's own
// numbers; ten fields run at once.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "tests/support/test_support.h"

namespace tervala::testing {
namespace {

using Texts = std::vector<std::string>;

Texts Lines(const std::string& text) {
    Texts lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

Texts Split(const std::string& line, char separator) {
    Texts cells;
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
    // clang-format off
    const std::pair<const char*, Texts> cases[] = {  // the CSV file, the options
        {"quoted.csv", {"--maxsto", "40", "--inisto", "20", "--title1", "Quoted header", "--title2", "Comma file"}},
        // BOM, CR LF, decimal commas; a time without dashes in a date column left out
        {"semicolon_dates.csv", {}},
        {"tab_hourly.tsv", {"--job", "prediction", "--time-unit", "hours", "--m", "0.04", "--n", "0.05", "--porosity", "8",
                            "--runini", "0.2", "--headini", "300", "--maxsto", "30", "--inisto", "30", "--title1",
                            "Sieve hours", "--title2", "Tab file"}},
        {"missing.csv", {"--title1", "M", "--title2", "N"}},
        {"no_header.csv", {"--time", "2", "--rain", "1", "--title1", "X", "--title2", "Y"}},
    };
    // clang-format on
    for (const auto& [csv, options] : cases) {
        TempDir dir;
        Texts args = {"import", TERVALA_SOURCE_DIR "/tests/data/series/" + std::string(csv), "-o",
                      "field.inp"};
        if (std::find(options.begin(), options.end(), "--job") == options.end())
            args.insert(args.end(), {"--job", "analysis"});
        args.insert(args.end(), options.begin(), options.end());
        const BatchResult r = RunBatch(dir, args);
        const std::string input = dir.File("field.inp"), name = csv;
        EXPECT_EQ((std::pair{r.exitCode, r.out}), (std::pair{0, input + "\n"})) << csv << r.err;
        EXPECT_EQ(ReadBytes(input),
                  DataFile("series/" + name.substr(0, name.find('.')) + ".inp", input))
            << csv;
        if (name == "missing.csv")
            EXPECT_NE(
                r.err.find("3 rows of \"" + args[1] +
                           "\" were left out for a missing or non-numeric value: lines 3, 4, 6."),
                std::string::npos)
                << r.err;
    }
}

TEST(SeriesCommands, ImportRefusesSayingWhatToChangeAndWritesNothing) {
    std::string tooMany = "time,rain,pet\n";
    for (int t = 1; t <= 502; ++t) tooMany += std::to_string(t) + ",1,0.1\n";
    // clang-format off
    const std::tuple<std::string, Texts, const char*> cases[] = {  // the CSV text, the options, what is said
        {"time,rainfall,pet,q\n1,2,0.1,1\n", {}, "Give the rain column with --rain COL"},
        {"time,rain,pet,discharge\n1,1,0.1,1\n3,1,0.1,1\n2,1,0.1,1\n", {},
         "The time on line 4 of \"s.csv\" is not after the time on line 3"},
        {"time,rain,pet,discharge\n01.10.2005,1,0.1,1\n", {}, "nor an ISO 8601 date"},
        {"time,rain,pet,discharge\n1,-9999,0.1,1\n", {}, "has a negative rain (-9999)"},
        {tooMany, {"--job", "prediction", "--m", "0.04", "--n", "0.05"},
         "has 502 usable rows; a prediction takes at most 501. Choose at most 501 rows with --rows, for example "
         "--rows 1:501."},
    };
    // clang-format on
    for (const auto& [csv, options, says] : cases) {
        TempDir dir;
        dir.Write("s.csv", csv);
        Texts args = {"import", "s.csv", "-o", "s.inp"};
        if (options.empty()) args.insert(args.end(), {"--job", "analysis"});
        args.insert(args.end(), options.begin(), options.end());
        const BatchResult r = RunBatch(dir, args);
        EXPECT_EQ(r.exitCode, 1) << says;
        EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("s.inp"))) << says;
    }
}

// The rows of a report's table, split at blanks: the lines between the four
// heading lines below `marker` and the closing ruler.
std::vector<Texts> ReportRows(const std::string& report, const char* marker) {
    const Texts lines = Lines(report);
    size_t k = 0;
    while (k < lines.size() && lines[k].rfind(marker, 0) != 0) ++k;
    std::vector<Texts> rows;
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
    Texts files = {"discharge.inp", "head.inp", "refused.inp"};
    dir.Write(files[0], cut("Vidora.inp", 14 + 40));
    dir.Write(files[1], cut("VidoraHead.inp", 14 + 40));
    dir.Write(files[2], Replaced(cut("Vidora.inp", 14 + 40), " Maximum dead storage:    50.00",
                                 " Maximum dead storage:  0.0E+0000"));
    for (int p = 1; p <= 7; ++p)
        dir.Write(files.emplace_back("prediction" + std::to_string(p) + ".inp"),
                  ReadBytes(TERVALA_SOURCE_DIR "/Data/VidoraPrediction.inp"));
    Texts args = {"run"};
    args.insert(args.end(), files.begin(), files.end());
    args.insert(args.end(), {"--jobs", "2", "--summary", "summary.csv"});
    const BatchResult r = RunBatch(dir, args);

    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("refused.inp: The Maximum Storage must be > 0"), std::string::npos);
    EXPECT_NE(r.err.find("[10/10, 0 left] "), std::string::npos) << r.err;
    int reports = 0;
    for (const std::string& f : files)
        reports += std::filesystem::exists(dir.File(f.substr(0, f.size() - 4) + ".out"));
    EXPECT_EQ(reports, 9);

    const Texts summary = Lines(ReadBytes(dir.File("summary.csv")));
    ASSERT_EQ(summary.size(), 11u);
    EXPECT_EQ(summary[0],
              "file,job,rows,exit code,first message,A,C,B,F,porosity factor,R square,peak "
              "discharge,peak head,NSE,KGE,KGE r,KGE beta,KGE gamma,RMSE,PBIAS,grid edge,region "
              "points,A lowest,A highest,C lowest,C highest,B lowest,B highest,F lowest,F "
              "highest,porosity factor lowest,porosity factor highest");
    const std::string discharge = ReadBytes(dir.File("discharge.out")),
                      head = ReadBytes(dir.File("head.out"));
    const Texts d = Split(summary[1], ','), h = Split(summary[2], ','), p = Split(summary[4], ',');
    EXPECT_EQ(Texts(d.begin(), d.begin() + 5),
              (Texts{"discharge.inp", "discharge analysis", "40", "0", ""}));
    EXPECT_NEAR(Number(d[5]), ReportValue(discharge, "A ="), 5e-5);
    EXPECT_NEAR(Number(d[6]), ReportValue(discharge, "C ="), 5e-5);
    EXPECT_NEAR(Number(d[10]), ReportValue(discharge, "R square is:"), 5e-3);
    EXPECT_EQ(h[1], "head analysis");
    EXPECT_NEAR(Number(h[7]), ReportValue(head, "B ="), 5e-5);
    EXPECT_NEAR(Number(h[8]), ReportValue(head, "F ="), 5e-5);
    EXPECT_NEAR(Number(h[9]), ReportValue(head, "porosity fraction ="), 5e-4);
    Texts refused = {"refused.inp", "discharge analysis", "40", "1",
                     "The Maximum Storage must be > 0"};
    refused.resize(32);
    EXPECT_EQ(Split(summary[3], ','), refused);
    // The NSE of each analysis from the report's observed and calculated
    // columns (two decimals), rows 2 on; the region holds the best point.
    for (const auto& [row, report] : {std::pair{d, discharge}, std::pair{h, head}}) {
        const auto rows = ReportRows(report, "RECO");
        double mean = 0, deviations = 0, spread = 0;
        for (size_t k = 1; k < rows.size(); ++k) mean += Number(rows[k][4]) / (rows.size() - 1);
        for (size_t k = 1; k < rows.size(); ++k) {
            deviations += std::pow(Number(rows[k][4]) - Number(rows[k][6]), 2);
            spread += std::pow(Number(rows[k][4]) - mean, 2);
        }
        EXPECT_NEAR(Number(row[13]), 1 - deviations / spread, 2e-3) << row[0];
        EXPECT_GT(Number(row[21]), 0) << row[0];
    }
    EXPECT_TRUE(Number(d[22]) <= Number(d[5]) && Number(d[5]) <= Number(d[23])) << summary[1];
    EXPECT_TRUE(Number(h[26]) <= Number(h[7]) && Number(h[7]) <= Number(h[27])) << summary[2];

    // diagnose: the summary's figures, the water balance of the input's rain,
    // and the picture; a prediction and an unknown picture are refused.
    const BatchResult j =
        RunBatch(dir, {"diagnose", "discharge.inp", "--json", "--picture", "d.svg"});
    ASSERT_EQ(j.exitCode, 0) << j.err;
    const nlohmann::json diagnosis = nlohmann::json::parse(j.out);
    EXPECT_DOUBLE_EQ(diagnosis["measures"]["nse"].get<double>(), Number(d[13]));
    EXPECT_DOUBLE_EQ(diagnosis["confidence_region"]["A"][1].get<double>(), Number(d[23]));
    double rain = 0;  // rain plus the irrigation of negative escape rates
    const Texts input = Lines(ReadBytes(dir.File("discharge.inp")));
    for (size_t k = 14; k < input.size(); ++k) {
        const Texts cells = Split(input[k], ' ');  // serial, time, rain, escape rate, observed
        rain += Number(cells[2]) + std::max(0.0, -Number(cells[3]));
    }
    EXPECT_NEAR(diagnosis["water_balance"]["rain_and_irrigation"].get<double>(), rain, 1e-9);
    EXPECT_NEAR(diagnosis["water_balance"]["residual"].get<double>(), 0, 1e-9);
    // The picture names the best point with the report's four decimals of A and C.
    const std::string fit = Lines(discharge)[11];  // "A = 0.0123  C = -0.0045"
    const size_t c = fit.find("C =");
    const std::string best = fit.substr(0, fit.find_last_not_of(' ', c - 1) + 1) +
                             ", C = " + fit.substr(fit.find_first_not_of(' ', c + 3));
    EXPECT_NE(ReadBytes(dir.File("d.svg")).find("the best grid point, " + best), std::string::npos)
        << best;
    const std::pair<Texts, const char*> refusals[] = {
        {{"diagnose", "prediction1.inp"}, "has no fit to diagnose"},
        {{"diagnose", "discharge.inp", "--picture", "d.bmp"}, "needs the extension .png or .svg"},
    };
    for (const auto& [arguments, says] : refusals) {
        const BatchResult r2 = RunBatch(dir, arguments);
        EXPECT_EQ(r2.exitCode, 2) << says;
        EXPECT_NE(r2.err.find(says), std::string::npos) << r2.err;
    }
    double peakQ = 0, peakH = 0;
    for (const auto& row : ReportRows(ReadBytes(dir.File("prediction1.out")), "PREDICTION")) {
        peakQ = std::max(peakQ, Number(row[5]));
        peakH = std::max(peakH, Number(row[6]));
    }
    EXPECT_EQ(p[1], "prediction");
    EXPECT_NEAR(Number(p[11]), peakQ, 5e-3);
    EXPECT_NEAR(Number(p[12]), peakH, 5e-3);

    // Export: the report column of each CSV column (the serial is column 0).
    const std::string analysis = "time (t),rain plus irrigation (mm/t),recharge (mm/t),observed ";
    // clang-format off
    const std::tuple<const char*, const char*, std::string, std::vector<size_t>> kinds[] = {
        {"discharge.out", "RECO", analysis + "discharge (mm/t),calculated discharge (mm/t),alpha (1/t)", {1, 2, 3, 4, 6, 5}},
        {"head.out", "RECO", analysis + "head (mm),calculated head (mm),alpha (1/t)", {1, 2, 3, 4, 6, 5}},
        {"prediction1.out", "PREDICTION",
         "time (t),rain plus irrigation (mm/t),recharge (mm/t),discharge (mm/t),head (mm),alpha (1/t)", {1, 2, 3, 5, 6, 4}},
    };
    // clang-format on
    for (const auto& [report, marker, header, columns] : kinds) {
        const BatchResult e = RunBatch(dir, {"export", report, "-o", "series.csv"});
        ASSERT_EQ(e.exitCode, 0) << e.err;
        const Texts csv = Lines(ReadBytes(dir.File("series.csv")));
        const auto rows = ReportRows(ReadBytes(dir.File(report)), marker);
        ASSERT_EQ(csv.size(), rows.size() + 1) << report;
        EXPECT_EQ(csv[0], header);
        for (size_t row = 0; row < rows.size(); ++row) {
            const Texts cells = Split(csv[row + 1], ',');
            ASSERT_EQ(cells.size(), columns.size());
            for (size_t c = 0; c < cells.size(); ++c)
                EXPECT_EQ(Number(cells[c]), Number(rows[row][columns[c]]))
                    << report << " row " << row + 1 << " column " << c;
        }
    }
}

}  // namespace
}  // namespace tervala::testing
