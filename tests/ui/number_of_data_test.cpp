// The number-of-data field: its limits 12 and 1500, growth of the grid, and
// the check that follows every cell edit.
#include <QLabel>

#include "tests/ui/rain_form_fixture.h"

namespace tervala::testing {
namespace {

class NumberOfData : public RainFormTest {
  protected:
    void SetUp() override {
        RainFormTest::SetUp();
        ShowInputTab();
        dialogs.Clear();
    }
};

TEST_F(NumberOfData, Typing1500AddsRowsOfZerosAfterTheNotice) {
    EnterNrOfData("1500");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>({" Add data in the last cells at the end of the column"}));
    EXPECT_EQ(grid().RowCount(), 1500);
    EXPECT_EQ(dm().NrOfData, 1500);
    EXPECT_EQ(form->NrOfDataEdit->text(), "1500");
    EXPECT_EQ(form->OrigNrOfData, 1500);
    EXPECT_EQ(Row(15), QStringList({"0", "0", "0", "0"}));
    EXPECT_EQ(Row(1499), QStringList({"0", "0", "0", "0"}));
    EXPECT_EQ(grid().rowHeight(1499), 20);
    ASSERT_GE(dm().RowCheck.size(), 1501u);
    EXPECT_EQ(dm().RowCheck[15], 16);
    EXPECT_EQ(dm().RowCheck[1499], 1500);
    EXPECT_GE(dm().TimeData.size(), 1501u);
    EXPECT_GE(dm().DischData.size(), 1501u);
    EXPECT_EQ(dm().TimeData[1200], 0);
}

TEST_F(NumberOfData, Typing1501SetsTheFieldTo1500AndAddsNothing) {
    EnterNrOfData("1501");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>(
                  {" The maximum number of data is 1500. Not enough? Contact the author."}));
    EXPECT_EQ(form->NrOfDataEdit->text(), "1500");
    EXPECT_EQ(grid().RowCount(), 15);
    EXPECT_EQ(dm().NrOfData, 15);
    // Leaving the field again with the corrected count adds the rows.
    dialogs.Clear();
    form->NrOfDataEditExit();
    EXPECT_EQ(grid().RowCount(), 1500);
}

TEST_F(NumberOfData, FewerThan12SetsTheFieldTo12) {
    EnterNrOfData("11");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>({" The minimum number of data is 12"}));
    EXPECT_EQ(form->NrOfDataEdit->text(), "12");
    EXPECT_EQ(grid().RowCount(), 15);
    EXPECT_EQ(dm().NrOfData, 15);
}

TEST_F(NumberOfData, TextThatIsNoWholeNumberIsRefusedAndLeftAsTyped) {
    for (const char* text : {"abc", "12.5", ""}) {
        dialogs.Clear();
        EnterNrOfData(text);
        EXPECT_EQ(dialogs.messages,
                  std::vector<std::string>({"The number of data is not a valid integer"}))
            << text;
        EXPECT_EQ(form->NrOfDataEdit->text(), text);
        EXPECT_EQ(grid().RowCount(), 15);
    }
}

TEST_F(NumberOfData, FewerRowsAreRemovedByEmptyingCellsNotByTheCount) {
    EnterNrOfData("13");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>({" To remove data make the relevant data cells empty"}));
    EXPECT_EQ(grid().RowCount(), 15);
    EXPECT_EQ(dm().NrOfData, 15);
}

TEST_F(NumberOfData, TheSameCountChangesNothing) {
    EnterNrOfData(" 15 ");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(grid().RowCount(), 15);
}

TEST_F(NumberOfData, EveryKeystrokeInACellRepeatsTheInvalidCountMessage) {
    form->NrOfDataEdit->setText("x");
    form->StringGrid1SetEditText(1, 0, "4");
    form->StringGrid1SetEditText(1, 0, "42");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>({"The number of data is not a valid integer",
                                        "The number of data is not a valid integer"}));
}

TEST_F(NumberOfData, CellEditWithAValidCountNeitherGrowsNorComplains) {
    form->NrOfDataEdit->setText("40");
    form->StringGrid1SetEditText(1, 0, "4");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(grid().RowCount(), 15);
    EXPECT_TRUE(form->DataEntered);
    EXPECT_FALSE(form->InGridEdit);
}

TEST_F(NumberOfData, GrowthAfterAPasteShowsThePastedValuesAndZerosBelow) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 15; ++r)
        rows.push_back({QString::number(r + 1), "2.5", "0.1", QString::number(r)});
    Paste(0, 0, SpreadsheetRows(rows));
    dialogs.Clear();
    EnterNrOfData("18");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>({" Add data in the last cells at the end of the column"}));
    EXPECT_EQ(grid().RowCount(), 18);
    EXPECT_EQ(Row(14), QStringList({"15", "2.5", "0.1", "14"}));
    EXPECT_EQ(Row(15), QStringList({"0", "0", "0", "0"}));
    EXPECT_EQ(Row(17), QStringList({"0", "0", "0", "0"}));
    EXPECT_EQ(dm().TimeData[14], 15);
    EXPECT_EQ(dm().TimeData[17], 0);
}

TEST_F(NumberOfData, GrowthKeepsValuesTypedIntoTheGrid) {
    // Regression: raising the count rewrote the grid from the data set and
    // threw away what had been typed since the last paste.
    form->StringGrid1->SetCell(1, 3, "7.25");
    form->StringGrid1SetEditText(1, 3, "7.25");
    form->StringGrid1->SetCell(3, 14, "3");
    form->StringGrid1SetEditText(3, 14, "3");
    dialogs.Clear();
    EnterNrOfData("20");
    EXPECT_EQ(grid().RowCount(), 20);
    EXPECT_EQ(grid().Cell(1, 3), "7.25");
    EXPECT_EQ(grid().Cell(3, 14), "3");
    EXPECT_EQ(Row(19), QStringList({"0", "0", "0", "0"}));
}

TEST_F(NumberOfData, LeavingTheFieldRunsItsCheck) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->NrOfDataEdit->setFocus();
    ASSERT_TRUE(form->NrOfDataEdit->hasFocus());
    form->NrOfDataEdit->setText("30");
    form->Title1Edit->setFocus();
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>({" Add data in the last cells at the end of the column"}));
    EXPECT_EQ(grid().RowCount(), 30);
}

}  // namespace
}  // namespace tervala::testing
