// The grid of the Input tab: the template of a new data set and the paste of
// spreadsheet blocks, delivered as the cell editor delivers them, by Ctrl+V on
// a cell and through Edit > Paste.
#include <QAbstractItemModel>
#include <QLabel>
#include <QPlainTextEdit>

#include "tests/ui/rain_form_fixture.h"

namespace tervala::testing {
namespace {

const char* kMaintainQuestion =
    "The number of data is less than the original number. Do you want to maintain the original "
    "number?";
const char* kInsufficientPaste =
    "An insufficient number of data has been pasted more data are needed.";

// Ten rows of time, rain and escape rate: time r + 1, rain 1.5 * r, escape 0.2.
std::vector<QStringList> TenRainRows() {
    std::vector<QStringList> rows;
    for (int r = 0; r < 10; ++r)
        rows.push_back({QString::number(r + 1), QString::number(1.5 * r), "0.2"});
    return rows;
}

class DataGrid : public RainFormTest {
  protected:
    void SetUp() override {
        RainFormTest::SetUp();
        ShowInputTab();
        dialogs.Clear();
    }
};

TEST_F(DataGrid, InputTabStartsWithATemplateOf15RowsOfZeros) {
    EXPECT_EQ(grid().RowCount(), 15);
    EXPECT_EQ(grid().ColCount(), 4);
    for (int r = 0; r < 15; ++r) EXPECT_EQ(Row(r), QStringList({"0", "0", "0", "0"})) << r;
    EXPECT_EQ(form->NrOfDataEdit->text(), "15");
    EXPECT_EQ(dm().NrOfData, 15);
    EXPECT_EQ(form->OrigNrOfData, 15);
    EXPECT_TRUE(dm().DischargeMode);
    EXPECT_FALSE(dm().PredictionMode);
    EXPECT_EQ(dm().ModeTag, " Dis");
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 0);
    EXPECT_FALSE(form->DataEntered);
    EXPECT_GE(dm().TimeData.size(), 16u);
    EXPECT_GE(dm().DischData.size(), 16u);
}

TEST_F(DataGrid, TemplateHasTheAnalysisLayout) {
    EXPECT_EQ(grid().geometry().left(), 150);
    EXPECT_EQ(grid().geometry().width(), 282);
    EXPECT_EQ(form->TimeLabel->x(), 151);
    EXPECT_EQ(form->RainLabel->x(), 210);
    EXPECT_EQ(form->EvapLabel->x(), 278);
    EXPECT_EQ(form->RunoffLabel->x(), 357);
    EXPECT_TRUE(form->RunoffLabel->isVisible());
    EXPECT_EQ(form->RunoffLabel->text(), "Discharge mm     *)");
    EXPECT_FALSE(form->AlphaDrainBox->isVisible());
    EXPECT_FALSE(form->PredictGroupBox->isVisible());
    EXPECT_FALSE(form->AlfaMemo->isVisible());
    EXPECT_FALSE(form->AlfaButton->isVisible());
    EXPECT_TRUE(form->TryMemo->isVisible());
    EXPECT_EQ(form->StartLabel->pos(), QPoint(430, 188));
    EXPECT_EQ(form->StartLabel->text(), "*) see Start help");
    EXPECT_EQ(grid().rowHeight(0), 20);
    EXPECT_EQ(grid().rowHeight(14), 20);
}

TEST_F(DataGrid, TemplateFieldsShowTheFirstReservoirValuesARunUses) {
    EXPECT_EQ(form->MaxStorEdit->text(), "50");
    EXPECT_EQ(form->InitStorEdit->text(), "50");
}

TEST_F(DataGrid, TenLinesAnsweredNoLeaveTenRowsAndTheMinimumNotice) {
    dialogs.answers = {false};
    Paste(0, 0, SpreadsheetRows(TenRainRows()));

    EXPECT_EQ(dialogs.questions, std::vector<std::string>({kMaintainQuestion}));
    EXPECT_EQ(grid().RowCount(), 10);
    EXPECT_EQ(dm().NrOfData, 10);
    // The count check that follows every cell edit corrects the field, not the grid.
    EXPECT_EQ(dialogs.messages, std::vector<std::string>({" The minimum number of data is 12"}));
    EXPECT_EQ(form->NrOfDataEdit->text(), "12");
    EXPECT_EQ(form->OrigNrOfData, 10);
    EXPECT_TRUE(form->DataEntered);

    EXPECT_EQ(Row(0), QStringList({"1", "0", "0.2", "0"}));
    EXPECT_EQ(Row(9), QStringList({"10", "13.5", "0.2", "0"}));
    EXPECT_EQ(dm().TimeData[0], 1);
    EXPECT_EQ(dm().TimeData[9], 10);
    EXPECT_EQ(dm().RainData[1], 1.5);
    EXPECT_EQ(dm().RainData[9], 13.5);
    EXPECT_EQ(dm().EscData[4], 0.2);
    EXPECT_EQ(dm().DischData[9], 0);
    EXPECT_GE(dm().MissingObs.size(), 11u);
    EXPECT_EQ(dm().MissingObs[3], 0);
}

TEST_F(DataGrid, TenLinesAnsweredYesKeepFifteenRowsWithTheirFormerTexts) {
    dialogs.answers = {true};
    Paste(0, 0, SpreadsheetRows(TenRainRows()));

    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(grid().RowCount(), 15);
    EXPECT_EQ(dm().NrOfData, 15);
    EXPECT_EQ(form->NrOfDataEdit->text(), "15");
    for (int r = 10; r < 15; ++r) EXPECT_EQ(Row(r), QStringList({"0", "0", "0", "0"})) << r;
    EXPECT_EQ(dm().TimeData[9], 10);
    EXPECT_EQ(dm().TimeData[14], 0);
    EXPECT_EQ(form->OrigNrOfData, 15);
}

TEST_F(DataGrid, BlockOfTwentyLinesAtRowFiveMakesTwentyFiveRows) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 20; ++r)
        rows.push_back({QString::number(100 + r), "2", "0.5", QString::number(r) + ".25"});
    Paste(0, 5, SpreadsheetRows(rows));

    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(grid().RowCount(), 25);
    EXPECT_EQ(dm().NrOfData, 25);
    EXPECT_EQ(form->NrOfDataEdit->text(), "25");
    for (int r = 0; r < 5; ++r) EXPECT_EQ(Row(r), QStringList({"0", "0", "0", "0"})) << r;
    EXPECT_EQ(Row(5), QStringList({"100", "2", "0.5", "0.25"}));
    EXPECT_EQ(Row(24), QStringList({"119", "2", "0.5", "19.25"}));
    EXPECT_EQ(dm().TimeData[5], 100);
    EXPECT_EQ(dm().TimeData[24], 119);
    EXPECT_EQ(dm().DischData[24], 19.25);
    EXPECT_EQ(form->OrigNrOfData, 25);
}

TEST_F(DataGrid, TimeWithAFractionStaysInTheCellButFailsThePaste) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 15; ++r) rows.push_back({QString::number(r + 1), "1", "0", "3"});
    rows[2][0] = "2.5";
    Paste(0, 0, SpreadsheetRows(rows));

    EXPECT_EQ(dialogs.messages, std::vector<std::string>({kInsufficientPaste}));
    EXPECT_EQ(grid().Cell(0, 2), "2.5");
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
    EXPECT_FALSE(form->DataEntered);
    // The rows before the failing one were read.
    EXPECT_EQ(dm().TimeData[1], 2);
    EXPECT_EQ(dm().DischData[1], 3);
}

TEST_F(DataGrid, LastLineWithoutClosingLineBreakIsReadLikeTheOthers) {
    // Regression: the last line of a block copied without a closing line
    // break was put below the counted rows and silently lost.
    std::vector<QStringList> rows;
    for (int r = 0; r < 16; ++r) rows.push_back({QString::number(r + 1), "4", "1", "2"});
    rows[15] = {"16", "8.5", "1", "7"};
    Paste(0, 0, SpreadsheetRows(rows, /*closingBreak=*/false));

    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(grid().RowCount(), 16);
    EXPECT_EQ(dm().NrOfData, 16);
    EXPECT_EQ(Row(15), QStringList({"16", "8.5", "1", "7"}));
    EXPECT_EQ(dm().TimeData[15], 16);
    EXPECT_EQ(dm().RainData[15], 8.5);
    EXPECT_EQ(dm().DischData[15], 7);
}

TEST_F(DataGrid, OneRowWithoutLineBreakIsOneRow) {
    dialogs.answers = {true};
    Paste(0, 3, "7\t1,5\t0.1\t9");
    EXPECT_EQ(dialogs.questions.size(), 1u);  // 3 + 1 rows is less than 15
    EXPECT_EQ(grid().RowCount(), 15);
    EXPECT_EQ(Row(3), QStringList({"7", "1,5", "0.1", "9"}));
    EXPECT_EQ(dm().RainData[3], 1.5);
    EXPECT_EQ(dm().DischData[3], 9);
}

TEST_F(DataGrid, DecimalCommaInAPastedNumberIsADecimalSeparator) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 12; ++r) rows.push_back({QString::number(r), "1,5", "0,25", "2,75"});
    dialogs.answers = {false};
    Paste(0, 0, SpreadsheetRows(rows));

    EXPECT_EQ(Row(0), QStringList({"0", "1,5", "0,25", "2,75"}));
    EXPECT_EQ(dm().RainData[0], 1.5);
    EXPECT_EQ(dm().EscData[11], 0.25);
    EXPECT_EQ(dm().DischData[5], 2.75);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DataGrid, NumberWithBothSeparatorsFailsThePaste) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 15; ++r) rows.push_back({QString::number(r), "1", "0", "1"});
    rows[4][1] = "1.2,5";
    Paste(0, 0, SpreadsheetRows(rows));
    EXPECT_EQ(grid().Cell(1, 4), "1.2,5");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>({kInsufficientPaste}));
}

TEST_F(DataGrid, ExponentLosesItsEAndFailsThePaste) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 15; ++r) rows.push_back({QString::number(r), "1", "0", "1"});
    rows[0][3] = "1.5E-3";
    Paste(0, 0, SpreadsheetRows(rows));
    EXPECT_EQ(grid().Cell(3, 0), "1.5-3");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>({kInsufficientPaste}));
}

TEST_F(DataGrid, BlanksSignsQuotesAndLettersAreDroppedFromPastedCells) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 15; ++r) rows.push_back({QString::number(r), "1", "0", "1"});
    rows[1] = {" 12 ", "\"1 000\"", "+0.5", "-2 mm"};
    Paste(0, 0, SpreadsheetRows(rows));
    EXPECT_EQ(Row(1), QStringList({"12", "1000", "0.5", "-2"}));
    EXPECT_EQ(dm().RainData[1], 1000);
    EXPECT_EQ(dm().DischData[1], -2);
}

TEST_F(DataGrid, EmptyEscapeCellBecomesZero) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 15; ++r) rows.push_back({QString::number(r), "1", "", "1"});
    Paste(0, 0, SpreadsheetRows(rows));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(grid().Cell(2, 7), "0");
    EXPECT_EQ(dm().EscData[7], 0);
}

TEST_F(DataGrid, EmptyTimeCellFailsThePaste) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 15; ++r) rows.push_back({QString::number(r), "1", "0", "1"});
    rows[6][0] = "";
    Paste(0, 0, SpreadsheetRows(rows));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>({kInsufficientPaste}));
}

TEST_F(DataGrid, ColumnsBeyondTheGridAreKeptOutOfSight) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 15; ++r)
        rows.push_back({QString::number(r), "1", "0", "1", "77", QString::number(r * 2)});
    Paste(0, 0, SpreadsheetRows(rows));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(grid().ColCount(), 4);
    EXPECT_EQ(grid().model()->columnCount(), 4);
    EXPECT_EQ(grid().Cell(4, 3), "77");
    EXPECT_EQ(grid().Cell(5, 3), "6");
}

TEST_F(DataGrid, RowsEndedByLineFeedsAloneArePastedAsRows) {
    QString text;
    for (int r = 0; r < 15; ++r) text += QString("%1\t3\t0.5\t%2\n").arg(r + 1).arg(r);
    Paste(0, 0, text);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(grid().RowCount(), 15);
    EXPECT_EQ(Row(14), QStringList({"15", "3", "0.5", "14"}));
    EXPECT_EQ(dm().TimeData[14], 15);
    EXPECT_EQ(dm().DischData[14], 14);
}

TEST_F(DataGrid, SingleColumnPasteFillsTheColumnPastedInto) {
    QString text;
    for (int r = 0; r < 15; ++r) text += QString("%1\r\n").arg(r * 0.5);
    Paste(1, 0, text);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Row(3), QStringList({"0", "1.5", "0", "0"}));
    EXPECT_EQ(dm().RainData[3], 1.5);
}

TEST_F(DataGrid, PasteWithThePredictionEntrySwitchesToPrediction) {
    form->OptionComboBox->setCurrentIndex(1);  // set without the change handler
    std::vector<QStringList> rows;
    for (int r = 0; r < 15; ++r) rows.push_back({QString::number(r), "2", "0.5"});
    Paste(0, 0, SpreadsheetRows(rows));
    EXPECT_TRUE(dm().PredictionMode);
    EXPECT_FALSE(dm().DischargeMode);
    EXPECT_EQ(dm().ModeTag, " Pre");
    EXPECT_EQ(grid().ColCount(), 3);
    EXPECT_EQ(grid().geometry().left(), 72);
    EXPECT_EQ(grid().geometry().width(), 218);
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 1);
}

TEST_F(DataGrid, TypingInACellMarksTheDataAsEntered) {
    const QModelIndex cell = grid().model()->index(3, 1);
    grid().setCurrentIndex(cell);
    grid().edit(cell);
    GridCellEditor* editor = grid().ActiveEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "7");
    EXPECT_EQ(grid().Cell(1, 3), "7");
    EXPECT_TRUE(form->DataEntered);
    EXPECT_TRUE(dialogs.messages.empty());
    // Typing changes the grid only.
    EXPECT_EQ(dm().RainData[3], 0);
}

class GridClipboard : public DataGrid {
  protected:
    void SetUp() override {
        DataGrid::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QString text;
        for (int r = 0; r < 12; ++r) text += QString("%1\t%2\t0.3\t1\r\n").arg(r + 5).arg(r);
        QApplication::clipboard()->setText(text);
        dialogs.answers = {false};
    }

    // Twelve lines from row 2 make 14 rows, fewer than the 15 before: the
    // question is asked and answered No.
    void ExpectPastedAtRow2() {
        EXPECT_EQ(dialogs.questions, std::vector<std::string>({kMaintainQuestion}));
        EXPECT_EQ(grid().RowCount(), 14);
        EXPECT_EQ(Row(1), QStringList({"0", "0", "0", "0"}));
        EXPECT_EQ(Row(2), QStringList({"5", "0", "0.3", "1"}));
        EXPECT_EQ(Row(13), QStringList({"16", "11", "0.3", "1"}));
        EXPECT_EQ(dm().TimeData[13], 16);
        EXPECT_EQ(dm().RainData[13], 11);
    }
};

TEST_F(GridClipboard, PasteIntoACellEditorSpreadsTheWholeBlock) {
    const QModelIndex cell = grid().model()->index(2, 0);
    grid().setCurrentIndex(cell);
    grid().edit(cell);
    GridCellEditor* editor = grid().ActiveEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    ExpectPastedAtRow2();
    // The editor closed without writing the raw block back into its cell.
    EXPECT_EQ(grid().ActiveEditor(), nullptr);
    EXPECT_EQ(grid().Cell(0, 2), "5");
}

TEST_F(GridClipboard, CtrlVOnACellPastesTheBlock) {
    grid().setCurrentIndex(grid().model()->index(2, 0));
    grid().setFocus();
    QTest::keyClick(&grid(), Qt::Key_V, Qt::ControlModifier);
    ExpectPastedAtRow2();
}

TEST_F(GridClipboard, EditMenuPasteOnACellPastesTheBlock) {
    grid().setCurrentIndex(grid().model()->index(2, 0));
    grid().setFocus();
    form->EditPaste1->trigger();
    ExpectPastedAtRow2();
}

TEST_F(GridClipboard, EditMenuPasteIntoAnOpenCellEditorPastesTheBlock) {
    const QModelIndex cell = grid().model()->index(2, 0);
    grid().setCurrentIndex(cell);
    grid().edit(cell);
    ASSERT_NE(grid().ActiveEditor(), nullptr);
    ASSERT_EQ(QApplication::focusWidget(), grid().ActiveEditor());
    form->EditPaste1->trigger();
    QCoreApplication::processEvents();
    ExpectPastedAtRow2();
}

TEST_F(GridClipboard, CopyOfSelectedCellsGivesSpreadsheetText) {
    grid().SetCell(0, 0, "1");
    grid().SetCell(1, 0, "2,5");
    grid().SetCell(0, 1, "3");
    grid().SetCell(1, 1, "4");
    grid().selectionModel()->select(
        QItemSelection(grid().model()->index(0, 0), grid().model()->index(1, 1)),
        QItemSelectionModel::ClearAndSelect);
    grid().setFocus();
    form->EditCopy1->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "1\t2,5\r\n3\t4\r\n");
}

TEST_F(GridClipboard, DeleteEmptiesTheSelectedCellsAndCountsAsAnEdit) {
    grid().setCurrentIndex(grid().model()->index(4, 1));
    grid().selectionModel()->select(
        QItemSelection(grid().model()->index(4, 1), grid().model()->index(5, 2)),
        QItemSelectionModel::ClearAndSelect);
    grid().setFocus();
    form->EditDelete1->trigger();
    EXPECT_EQ(Row(4), QStringList({"0", "", "", "0"}));
    EXPECT_EQ(Row(5), QStringList({"0", "", "", "0"}));
    EXPECT_EQ(Row(6), QStringList({"0", "0", "0", "0"}));
    EXPECT_TRUE(form->DataEntered);
}

TEST_F(GridClipboard, CutCopiesTheSelectionAndEmptiesIt) {
    grid().SetCell(2, 7, "0,3");
    grid().setCurrentIndex(grid().model()->index(7, 2));
    grid().setFocus();
    form->EditCut1->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "0,3\r\n");
    EXPECT_EQ(grid().Cell(2, 7), "");
}

}  // namespace
}  // namespace tervala::testing
