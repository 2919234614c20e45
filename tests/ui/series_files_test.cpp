// Series in and out of the window, as a user works: File > "Import series..."
// (the column dialog answered for a header in another language), Save/Run,
// "Save series as CSV..." on the Output tab and "Copy graph data" on the
// Graphics tab: what the window writes is what tervala-batch writes.
#include "tests/ui/window_harness.h"

namespace tervala::testing {
namespace {

TEST(SeriesFiles, ImportRunSaveSeriesAndCopyGraphDataAsTheBatchCommandDoes) {
    Windows w;
    const std::string csv = TERVALA_SOURCE_DIR "/tests/data/series/window_field.csv";
    const std::string input = w.dir.File("field.inp");
    w.dialogs.openAnswers.push_back(csv);
    w.dialogs.columnAnswer = {0, 1, 2, 3};
    w.ChooseMenu("&File", "Import &series...");
    ASSERT_EQ(w.dialogs.columnRequests.size(), 1u);
    EXPECT_EQ(w.dialogs.columnRequests[0].Preselected, (std::vector<int>{-1, -1, 2, -1}));  // PET
    // A decimal comma read; days from the first date.
    EXPECT_EQ((std::tuple{w.form.PageControl1->currentWidget(), w.form.NrOfDataEdit->text(),
                          w.grid().Cell(1, 2), w.grid().Cell(0, 14)}),
              (std::tuple{w.form.InputTabSheet, "15", "12.75", "14"}));

    // The batch command's file for the same columns, then the window's in its place.
    const BatchResult batch =
        RunBatch(w.dir, {"import", csv, "-o", input, "--job", "analysis", "--time", "datum",
                         "--rain", "Regen", "--escape", "3", "--observed", "Abfluss"});
    ASSERT_EQ(batch.exitCode, 0) << batch.err;
    const std::string batchFile = ReadBytes(input);
    std::filesystem::remove(input);
    w.dialogs.saveAnswers.push_back(input);
    w.Click(w.form.InputSaveButton);
    EXPECT_EQ(ReadBytes(input), batchFile);
    ASSERT_EQ(w.form.PageControl1->currentWidget(), w.form.OutputTabSheet)
        << w.dialogs.messages.back();

    w.dialogs.saveAnswers.push_back(w.dir.File("window.csv"));
    w.Click(w.form.SaveSeriesCsvButton);
    ASSERT_EQ(RunBatch(w.dir, "export field.out -o batch.csv").exitCode, 0);
    EXPECT_EQ(ReadBytes(w.dir.File("window.csv")), ReadBytes(w.dir.File("batch.csv")));

    w.Click(w.form.ViewGraphButton);
    w.Click(w.form.GoButton1);  // observed and calculated in time
    w.Click(w.form.CopyGraphDataButton);
    const QStringList rows = QApplication::clipboard()->text().split("\r\n");
    ASSERT_EQ(rows.size(), 17);  // header, 15 rows, nothing after the last line end
    EXPECT_EQ(rows[0], "time (t)\tobserved discharge (mm/t)\tcalculated discharge (mm/t)");
    EXPECT_EQ(rows[1], "0\t1.25\t1.25");  // row 1 is calculated as observed
    EXPECT_TRUE(rows[15].startsWith("14\t1.9\t"));
}

}  // namespace
}  // namespace tervala::testing
