// The option selector between discharge analysis and prediction, with the
// re-read of the current input file, and "Clear all" in both layouts.
#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "model/number_text.h"
#include "tests/ui/rain_form_fixture.h"

namespace tervala::testing {
namespace {

std::string Dashes(int n) {
    std::string dashes = " ";
    dashes.append(static_cast<size_t>(n), '-');
    return dashes;
}

void WriteCrLf(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
}

// Header lines 1 to 10 of an input file: first-reservoir values 120, 80 and 2.
std::vector<std::string> Header(const char* modeLine, const std::string& path) {
    return {" Input data for Tervala program",
            modeLine,
            "",
            "Test catchment",
            "mm and days",
            "",
            " Filename: " + path,
            " Maximum dead storage:   120.00",
            " Initial dead storage:    80.00",
            " Max.escape/time unit:     2.00"};
}

// Twelve rows: time r, rain 5 + r, escape 2, observed discharge 1.5 (analysis only).
void AddRows(std::vector<std::string>& lines, bool withDischarge) {
    for (int r = 1; r <= 12; ++r) {
        char row[80];
        std::snprintf(row, sizeof row, "%5d %12.2f %10.2f %10.2f", r, double(r), 5.0 + r, 2.0);
        std::string line = row;
        if (withDischarge) line += "       1.50";
        lines.push_back(line);
    }
}

class OptionSwitching : public RainFormTest {
  protected:
    void SetUp() override {
        RainFormTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        ShowInputTab();
        dialogs.Clear();
    }

    std::string PredictionFile() {
        const std::string path = folder.filePath("pred.inp").toStdString();
        std::vector<std::string> lines = Header(" Prediction of drainage", path);
        for (const std::string& l :
             {std::string(" Linear reservoir function : Alpha = A * Runoff + B"),
              std::string(" A coefficient : 5.0000E-001"),
              std::string(" Value of B is : 2.0000E-002"),
              std::string(" Effective porosity (%) :   12.50"),
              std::string(" Initial runoff rate :     1.50"),
              std::string(" Initial water level :   300.00"), std::string(""), Dashes(41),
              std::string(" Serial    T i m e   Rainfall  Escape rate"), Dashes(41)})
            lines.push_back(l);
        AddRows(lines, false);
        WriteCrLf(path, lines);
        return path;
    }

    std::string DischargeFile() {
        const std::string path = folder.filePath("dis.inp").toStdString();
        std::vector<std::string> lines = Header(" Discharge analysis and reconstruction", path);
        for (const std::string& l :
             {std::string(""), Dashes(50),
              std::string("  Serial    T i m e   R a i n    Esc. rate  Run-off"), Dashes(50)})
            lines.push_back(l);
        AddRows(lines, true);
        WriteCrLf(path, lines);
        return path;
    }

    void Choose(int entry) {
        form->OptionComboBox->setCurrentIndex(entry);
        form->OptionComboBoxChange();
    }

    void ExpectPredictionLayout(int gridWidth) {
        EXPECT_EQ(grid().ColCount(), 3);
        EXPECT_EQ(grid().geometry().left(), 72);
        EXPECT_EQ(grid().geometry().width(), gridWidth);
        EXPECT_EQ(form->TimeLabel->x(), 86);
        EXPECT_EQ(form->RainLabel->x(), 135);
        EXPECT_EQ(form->EvapLabel->x(), 204);
        EXPECT_FALSE(form->RunoffLabel->isVisible());
        EXPECT_TRUE(form->AlphaDrainBox->isVisible());
        EXPECT_TRUE(form->PredictGroupBox->isVisible());
    }

    void ExpectAnalysisLayout() {
        EXPECT_EQ(grid().ColCount(), 4);
        EXPECT_EQ(grid().geometry().left(), 150);
        EXPECT_EQ(grid().geometry().width(), 282);
        EXPECT_EQ(form->TimeLabel->x(), 151);
        EXPECT_EQ(form->RainLabel->x(), 210);
        EXPECT_EQ(form->EvapLabel->x(), 278);
        EXPECT_EQ(form->RunoffLabel->x(), 357);
        EXPECT_TRUE(form->RunoffLabel->isVisible());
        EXPECT_FALSE(form->AlphaDrainBox->isVisible());
        EXPECT_FALSE(form->PredictGroupBox->isVisible());
    }

    QTemporaryDir folder;
};

TEST_F(OptionSwitching, SelectorHoldsItsTwoEntries) {
    ASSERT_EQ(form->OptionComboBox->count(), 2);
    EXPECT_EQ(form->OptionComboBox->itemText(0),
              "Determine alpha from recharge and discharge data and construct discharge");
    EXPECT_EQ(form->OptionComboBox->itemText(1),
              "Predict discharge and head from recharge based on the alpha function");
}

TEST_F(OptionSwitching, PredictionReadsTheCurrentInputFileAgain) {
    dm().FileName = PredictionFile();
    Choose(1);

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dm().PredictionMode);
    EXPECT_FALSE(dm().DischargeMode);
    EXPECT_EQ(dm().ModeTag, " Pre");
    EXPECT_TRUE(form->DataEntered);
    ExpectPredictionLayout(219);
    EXPECT_TRUE(form->AlfaMemo->isVisible());
    EXPECT_TRUE(form->AlfaButton->isVisible());
    EXPECT_FALSE(form->TryMemo->isVisible());
    EXPECT_FALSE(form->InputImage->isVisible());
    EXPECT_EQ(form->StartLabel->x(), 285);
    EXPECT_EQ(form->AlphaLabel->text(), "Alpha=M*discharge+N");

    EXPECT_EQ(form->A1coeffEdit->text(), "0.5");
    EXPECT_EQ(form->B1valueEdit->text(), "0.02");
    EXPECT_EQ(form->InitRunEdit->text(), "1.5");
    EXPECT_EQ(form->InitLevelEdit->text(), "300");
    EXPECT_EQ(form->PorosityEdit->text(), "12.5");
    EXPECT_EQ(form->MaxStorEdit->text(), "120");
    EXPECT_EQ(form->InitStorEdit->text(), "80");
    EXPECT_EQ(form->NrOfDataEdit->text(), "12");
    EXPECT_EQ(grid().RowCount(), 12);
    EXPECT_EQ(Row(0, 3), QStringList({"1", "6", "2"}));
    EXPECT_EQ(Row(11, 3), QStringList({"12", "17", "2"}));
    EXPECT_EQ(form->OrigNrOfData, 12);
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 1);
}

TEST_F(OptionSwitching, PredictionWithAParameterFileBesideShowsTheCalculator) {
    // The example of a pipe-drained field: Ka = Kb = 1 m/day, D = 5 m,
    // U = 0.5 m, P = 5 %, L = 50 m in the parameter file beside it.
    const QString inp = folder.filePath("DrainedField.inp");
    const QString par = folder.filePath("DrainedField.par");
    ASSERT_TRUE(QFile::copy(TERVALA_SOURCE_DIR "/Data/DrainedField.inp", inp));
    ASSERT_TRUE(QFile::copy(TERVALA_SOURCE_DIR "/Data/DrainedField.par", par));
    dm().FileName = inp.toStdString();
    Choose(1);

    EXPECT_TRUE(dm().PredictionMode);
    EXPECT_TRUE(dm().ParFileRead);
    EXPECT_EQ(session.Values.Ka, 1);
    EXPECT_EQ(session.Values.L, 50);
    EXPECT_TRUE(alfa->isVisible());
    ExpectPredictionLayout(219);
    // The fields show the alpha function and porosity the run will use.
    EXPECT_EQ(form->A1coeffEdit->text().toStdString(), FormatGeneral(session.Values.MCoeff));
    EXPECT_EQ(form->B1valueEdit->text().toStdString(), FormatGeneral(session.Values.NValue));
    EXPECT_GT(session.Values.MCoeff, 0);
    EXPECT_EQ(form->PorosityEdit->text(), "5");
    EXPECT_EQ(form->MaxStorEdit->text(), "30");
    EXPECT_EQ(form->InitStorEdit->text(), "25");
}

TEST_F(OptionSwitching, PredictionBeforeAnyFileTellsTheFileCannotBeReadAndStillSwitches) {
    // The current file is still the start folder.
    Choose(1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("could not be opened"), std::string::npos);
    EXPECT_TRUE(dm().PredictionMode);
    EXPECT_EQ(dm().ModeTag, " Pre");
    ExpectPredictionLayout(219);
    EXPECT_EQ(grid().RowCount(), 15);
    // A porosity of exactly 0 becomes 10 percent.
    EXPECT_EQ(dm().Porosity, 10);
    EXPECT_EQ(form->PorosityEdit->text(), "10");
}

TEST_F(OptionSwitching, PredictionEntryOnADischargeFileKeepsTheAnalysis) {
    dm().FileName = DischargeFile();
    Choose(1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dm().DischargeMode);
    EXPECT_FALSE(dm().PredictionMode);
    EXPECT_EQ(dm().ModeTag, " Dis");
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 1);
    ExpectAnalysisLayout();
    EXPECT_EQ(Row(11), QStringList({"12", "17", "2", "1.5"}));
}

TEST_F(OptionSwitching, LeavingTheSelectorKeepsTheTagWithTheModeOfTheData) {
    // Regression: leaving the selector on the prediction entry while the data
    // set stayed an analysis tagged it " Pre", so Save/Run wrote a file whose
    // mode line did not match its table.
    dm().FileName = DischargeFile();
    Choose(1);
    form->OptionComboBoxExit();
    EXPECT_EQ(dm().ModeTag, " Dis");
    EXPECT_TRUE(form->AlfaMemo->isVisible());
    EXPECT_TRUE(form->AlfaButton->isVisible());
}

TEST_F(OptionSwitching, LeavingTheSelectorOnTheAnalysisEntry) {
    form->OptionComboBoxExit();
    EXPECT_EQ(dm().ModeTag, " Dis");
    EXPECT_FALSE(form->AlfaMemo->isVisible());
    EXPECT_FALSE(form->AlfaButton->isVisible());
    EXPECT_EQ(form->RunoffLabel->text(), "Discharge mm     ");
}

TEST_F(OptionSwitching, BackToTheAnalysisEntry) {
    dm().FileName = PredictionFile();
    Choose(1);
    dialogs.Clear();
    Choose(0);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dm().DischargeMode);
    EXPECT_FALSE(dm().PredictionMode);
    EXPECT_EQ(dm().ModeTag, " Dis");
    ExpectAnalysisLayout();
    EXPECT_EQ(form->RunoffLabel->text(), "Discharge mm     *)");
    EXPECT_FALSE(form->AlfaMemo->isVisible());
    EXPECT_FALSE(form->AlfaButton->isVisible());
    EXPECT_TRUE(form->TryMemo->isVisible());
    EXPECT_EQ(form->StartLabel->x(), 432);
    EXPECT_EQ(grid().RowCount(), 12);
    EXPECT_EQ(Row(11, 3), QStringList({"12", "17", "2"}));
}

TEST_F(OptionSwitching, IntroTabSetsTheModeFromTheSelector) {
    dm().FileName = PredictionFile();
    Choose(1);
    form->PageControl1->setCurrentWidget(form->IntroTabSheet);
    EXPECT_TRUE(dm().PredictionMode);
    EXPECT_EQ(dm().ModeTag, " Pre");
    form->OptionComboBox->setCurrentIndex(0);
    form->PageControl1->setCurrentWidget(form->FigureTabSheet);
    form->PageControl1->setCurrentWidget(form->IntroTabSheet);
    EXPECT_TRUE(dm().DischargeMode);
    EXPECT_FALSE(dm().PredictionMode);
    EXPECT_EQ(dm().ModeTag, " Dis");
}

TEST_F(OptionSwitching, InputTabShowsTheLayoutOfTheModeSetElsewhere) {
    dm().FileName = PredictionFile();
    Choose(1);
    form->PageControl1->setCurrentWidget(form->IntroTabSheet);
    EXPECT_FALSE(form->AlphaDrainBox->isVisible());
    ShowInputTab();
    ExpectPredictionLayout(219);
}

TEST_F(OptionSwitching, ClearAllInAnalysisKeepsColumnThree) {
    std::vector<QStringList> rows;
    for (int r = 0; r < 20; ++r)
        rows.push_back({QString::number(r + 1), "3", "1", QString::number(r) + ".5"});
    Paste(0, 0, SpreadsheetRows(rows));
    form->Title1Edit->setText("Area");
    form->ClearButton->click();

    EXPECT_EQ(grid().RowCount(), 15);
    EXPECT_EQ(form->NrOfDataEdit->text(), "15");
    for (int r = 0; r < 15; ++r)
        EXPECT_EQ(Row(r), QStringList({"0", "0", "0", QString::number(r) + ".5"})) << r;
    for (QLineEdit* edit : {form->A1coeffEdit, form->B1valueEdit, form->InitRunEdit,
                            form->InitLevelEdit, form->MaxStorEdit, form->InitStorEdit,
                            form->EscapeEdit, form->Title1Edit, form->Title2Edit})
        EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
    EXPECT_EQ(form->PorosityEdit->text(), " 5 ");
    EXPECT_FALSE(form->DataEntered);
    ExpectAnalysisLayout();
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 0);
    // The series themselves stay.
    EXPECT_EQ(dm().TimeData[19], 20);
    EXPECT_TRUE(dm().DischargeMode);
}

TEST_F(OptionSwitching, ClearAllLeavesNoHiddenRowsForARun) {
    // Regression: after "Clear all" the grid showed 15 rows while the data set
    // still counted the 20 pasted ones, so a run read rows out of sight.
    std::vector<QStringList> rows;
    for (int r = 0; r < 20; ++r) rows.push_back({QString::number(r + 1), "3", "1", "1"});
    Paste(0, 0, SpreadsheetRows(rows));
    form->ClearButtonClick();
    EXPECT_EQ(dm().NrOfData, 15);
    EXPECT_EQ(form->OrigNrOfData, 15);
}

TEST_F(OptionSwitching, ClearAllInPredictionKeepsThreeColumnsAndTheSecondEntry) {
    dm().FileName = PredictionFile();
    Choose(1);
    form->ClearButtonClick();
    ExpectPredictionLayout(219);
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 1);
    EXPECT_EQ(grid().RowCount(), 15);
    for (int r = 0; r < 15; ++r) EXPECT_EQ(Row(r, 3), QStringList({"0", "0", "0"})) << r;
    EXPECT_EQ(form->A1coeffEdit->text(), "");
    EXPECT_EQ(form->PorosityEdit->text(), " 5 ");
    EXPECT_FALSE(form->DataEntered);
    EXPECT_TRUE(dm().PredictionMode);
}

TEST_F(OptionSwitching, InputTabAfterClearAllMakesTheTemplateAgain) {
    dm().FileName = PredictionFile();
    Choose(1);
    form->ClearButtonClick();
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    ShowInputTab();
    EXPECT_TRUE(dm().DischargeMode);
    EXPECT_EQ(dm().ModeTag, " Dis");
    ExpectAnalysisLayout();
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 0);
    for (int r = 0; r < 15; ++r) EXPECT_EQ(Row(r), QStringList({"0", "0", "0", "0"})) << r;
}

}  // namespace
}  // namespace tervala::testing
