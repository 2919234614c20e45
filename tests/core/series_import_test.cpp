// Reading series from CSV text: the separator a file uses, ISO 8601 times, and
// what the window's import relies on beyond the batch command (the columns
// found for its dialog, keeping the first rows). Whole files into input files
// are checked end to end by the batch tests.
#include "engine/series_import.h"

#include <gtest/gtest.h>

#include <string>

#include "model/csv_table.h"
#include "model/iso_date_time.h"

namespace tervala {
namespace {

TEST(SeriesImport, SeparatorIsTheOneFoundMostOutsideQuotes) {
    const struct {
        const char* text;
        char separator;
    } cases[] = {
        {"time,rain\n1,2\n", ','},
        {"1;2,5;0,3\n2;3,5;0,1\n", ';'},  // as many commas as semicolons: decimal commas
        {"a\tb\tc\n1\t2,5\t3\n", '\t'},
        {"\"x;y\",b,c\n1,2,3\n", ','},  // a separator inside quotes does not count
        {"time\n1\n", ','},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectSeparator(c.text), c.separator) << c.text;
}

// Files saved on old Macs end their lines with a lone CR; the line numbers
// told for rows left out count every kind of line end, blank lines included.
// Regression: a last line without a line break was told as the line after it.
TEST(SeriesImport, RecordsKnowTheirLinesWhateverTheLineEnds) {
    EXPECT_EQ(ParseCsv("time\r1\r\n\r2\n3").Lines, (std::vector<int>{1, 2, 4, 5}));
}

TEST(SeriesImport, IsoTimesAreSecondsOnOneLine) {
    const IsoInstant day = *ParseIsoDateTime("2005-10-01");
    const struct {
        const char* text;
        double secondsAfter;  // after 2005-10-01 00:00 UTC
    } cases[] = {
        {"2005-10-02", 86400},
        {"2005-10-01T01:30", 5400},
        {"2005-10-01 01:30:15.5", 5415.5},
        {"2005-10-01T02:00+01:00", 3600},
        {"2005-10-01T00:00-0030", 1800},
        {"2005-09-30T24:00Z", 0},
        {"2008-03-01", (365 + 365 + 152) * 86400.0},  // February 2008 has 29 days
    };
    for (const auto& c : cases) {
        const std::optional<IsoInstant> t = ParseIsoDateTime(c.text);
        ASSERT_TRUE(t) << c.text;
        EXPECT_EQ(SecondsBetween(day, *t), c.secondsAfter) << c.text;
    }
    for (const char* bad : {"2005-02-29", "2005-13-01", "01.10.2005", "2005-10-01T25:00",
                            "2005-10-01T12", "2005-10-01x", "20051001"})
        EXPECT_FALSE(ParseIsoDateTime(bad)) << bad;
}

TEST(SeriesImport, TheWindowGetsTheColumnsFoundAndMayKeepTheFirstRows) {
    std::string text = "Date;Regen;PET;Abfluss\n";
    for (int d = 1; d <= 9; ++d)
        text += "2005-10-0" + std::to_string(d) + ";" + std::to_string(d) + ",5;0,1;1\n";
    const CsvTable table = ParseCsv(text);
    SeriesImportRequest request;
    SeriesImport imported = ImportSeries(table, request);
    ASSERT_TRUE(imported.Problem);
    EXPECT_EQ(imported.Problem->Kind, ImportRefusal::NoSuchColumn);
    EXPECT_EQ(imported.Problem->Role, SeriesRole::Rain);
    EXPECT_EQ(imported.Found, (std::array<int, 4>{0, -1, 2, -1}));  // preselected in the dialog

    request.Job = SeriesJob::Prediction;
    request.Columns[1] = "regen";  // names match without regard to case
    request.FirstRow = 2;
    imported = ImportSeries(table, request);
    ASSERT_TRUE(imported.Series);
    EXPECT_EQ(imported.Series->Of(SeriesRole::Time), (std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(imported.Series->Of(SeriesRole::Rain)[0], 2.5);
    EXPECT_EQ(imported.Series->FirstLine, 3);

    std::string many = "time,rain,pet\n";
    for (int t = 1; t <= 502; ++t) many += std::to_string(t) + ",1,0.1\n";
    SeriesImportRequest keep;
    keep.Job = SeriesJob::Prediction;
    keep.KeepFirstRows = true;  // the window's answer Yes to its question
    imported = ImportSeries(ParseCsv(many), keep);
    ASSERT_TRUE(imported.Series);
    EXPECT_EQ(imported.Series->Rows(), 501);
    EXPECT_EQ(imported.Series->LastLine, 502);
}

// Ten minutes are 0.0069 days: from day 1 on, where the input file writes
// two decimals, they become equal times. Refused as such; hours keep them apart.
TEST(SeriesImport, TimesMustIncreaseAsTheInputFileWritesThem) {
    const CsvTable table = ParseCsv(
        "date,rain,pet,discharge\n2005-10-01T00:00,1,0.1,1\n2005-10-02T00:00,1,0.1,1\n"
        "2005-10-02T00:10,1,0.1,1\n2005-10-02T00:20,1,0.1,1\n");
    SeriesImportRequest request;
    const SeriesImport days = ImportSeries(table, request);
    ASSERT_TRUE(days.Problem);
    EXPECT_EQ(days.Problem->Kind, ImportRefusal::TimesNotIncreasing);
    EXPECT_TRUE(days.Problem->WrittenPrecision);
    EXPECT_EQ(days.Problem->Line, 5);
    request.Unit = TimeUnit::Hours;
    EXPECT_TRUE(ImportSeries(table, request).Series);
}

}  // namespace
}  // namespace tervala
