// Series in and out of the window, as a user works: File > "Import series..."
// chosen with the mouse (the column dialog answered for a header in another
// language), " Save / Run", then "Save series as CSV..." on the Output tab and
// "Copy graph data" on the Graphics tab. What the window writes is what
// tervala-batch writes for the same file and choices.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "engine/session.h"
#include "tests/support/batch_runner.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/scripted_dialogs.h"
#include "ui/rain_form.h"
#include "ui/string_grid.h"

namespace tervala {
namespace {

using testing::ReadBytes;
using testing::RunBatch;

// Scripted dialogs that also answer the column dialog.
struct ColumnDialogs : testing::ScriptedDialogs {
    std::vector<ColumnChoiceRequest> columnRequests;
    std::vector<int> columnAnswer;
    std::optional<std::vector<int>> ChooseColumns(const ColumnChoiceRequest& request) override {
        columnRequests.push_back(request);
        return columnAnswer;
    }
};

void ChooseMenu(TRainForm& form, const QString& title, const QString& command) {
    QMenuBar* bar = form.MainMenu1;
    for (QAction* m : bar->actions())
        if (m->text() == title)
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(m).center());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* a : menu->actions())
        if (a->text() == command)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
}

TEST(SeriesFiles, ImportRunSaveSeriesAndCopyGraphDataAsTheBatchCommandDoes) {
    ColumnDialogs dialogs;
    Session session;
    TRainForm form(dialogs);
    form.UseDataSet(session);
    form.ProgressPausePercent = 0;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    testing::TempDir dir;
    const std::string csv = TERVALA_SOURCE_DIR "/tests/data/series/window_field.csv";
    const std::string input = dir.File("field.inp");

    dialogs.openAnswers.push_back(csv);
    dialogs.columnAnswer = {0, 1, 2, 3};
    ChooseMenu(form, "&File", "Import &series...");
    ASSERT_EQ(dialogs.columnRequests.size(), 1u);
    EXPECT_EQ(dialogs.columnRequests[0].preselected, (std::vector<int>{-1, -1, 2, -1}));  // PET
    EXPECT_EQ(form.PageControl1->currentWidget(), form.InputTabSheet);
    EXPECT_EQ(form.NrOfDataEdit->text(), "15");
    EXPECT_EQ(form.StringGrid1->Cell(1, 2), "12.75");  // a decimal comma read
    EXPECT_EQ(form.StringGrid1->Cell(0, 14), "14");    // days from the first date

    // The batch command's file for the same columns, then the window's in its place.
    const testing::BatchResult batch =
        RunBatch({"import", csv, "-o", input, "--job", "analysis", "--time", "datum", "--rain",
                  "Regen", "--escape", "3", "--observed", "Abfluss"},
                 dir);
    ASSERT_EQ(batch.exitCode, 0) << batch.err;
    const std::string batchFile = ReadBytes(input);
    std::filesystem::remove(input);
    dialogs.saveAnswers.push_back(input);
    QTest::mouseClick(form.InputSaveButton, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(input), batchFile);
    ASSERT_EQ(form.PageControl1->currentWidget(), form.OutputTabSheet) << dialogs.messages.back();

    dialogs.saveAnswers.push_back(dir.File("window.csv"));
    QTest::mouseClick(form.SaveSeriesCsvButton, Qt::LeftButton);
    ASSERT_EQ(RunBatch({"export", "field.out", "-o", "batch.csv"}, dir).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.File("window.csv")), ReadBytes(dir.File("batch.csv")));

    QTest::mouseClick(form.ViewGraphButton, Qt::LeftButton);
    QTest::mouseClick(form.GoButton1, Qt::LeftButton);  // observed and calculated in time
    QTest::mouseClick(form.CopyGraphDataButton, Qt::LeftButton);
    const QStringList rows = QApplication::clipboard()->text().split("\r\n");
    ASSERT_EQ(rows.size(), 17);  // header, 15 rows, nothing after the last line end
    EXPECT_EQ(rows[0], "time (t)\tobserved discharge (mm/t)\tcalculated discharge (mm/t)");
    EXPECT_EQ(rows[1], "0\t1.25\t1.25");  // row 1 is calculated as observed
    EXPECT_TRUE(rows[15].startsWith("14\t1.9\t"));
}

}  // namespace
}  // namespace tervala
