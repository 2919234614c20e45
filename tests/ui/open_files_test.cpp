// "Open input" and "Open output": input files of every mode laid out on the
// Input tab, reports brought onto the Output tab, and the dialogs' folders.
#include <QStatusBar>
#include <filesystem>

#include "engine/session.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/rain_form_fixture.h"

namespace tervala::testing {
namespace {

namespace fs = std::filesystem;

const char* kNoSuchFile = "File does not exist, please select another one,";

std::string Dashes(int n) { return " " + std::string(n, '-'); }

std::vector<std::string> Header(const char* modeLine, const std::string& path) {
    return {" Input data for Tervala program",
            modeLine,
            "",
            "Polder Vidora",
            "days and mm",
            "",
            " Filename: " + path,
            " Maximum dead storage:    60.00",
            " Initial dead storage:    45.00",
            " Max.escape/time unit:  5.0E-0001"};
}

// Twelve rows: day 10 + r, rain r / 2 (mm/day), escape 0.5, and for an
// analysis the observed value 1.25 * r (discharge) or 100 + 10 r (head).
std::string FileRow(int r, const char* observed) {
    char line[80];
    std::snprintf(line, sizeof line, "%5d %12.2f %10.2f  5.0E-0001", r, 10.0 + r, r / 2.0 + 1);
    return std::string(line) + observed;
}

class OpenFiles : public RainFormTest {
  protected:
    void SetUp() override {
        RainFormTest::SetUp();
        AuxiliaryWindows windows;
        windows.FinishForm = finish.get();
        windows.AlfaForm = &calculator;
        windows.CommentForm = &comment;
        form->UseWindows(windows);
        ShowInputTab();
        dialogs.Clear();
    }

    std::string Write(const std::string& name, std::vector<std::string> lines) {
        const std::string path = dir.File(name);
        std::string text;
        for (const std::string& l : lines) text += l + "\r\n";
        WriteBytes(path, text);
        return path;
    }

    std::string DischargeFile() {
        const std::string path = dir.File("polder.inp");
        std::vector<std::string> lines = Header(" Discharge analysis and reconstruction", path);
        for (const char* l : {"", "", "  Serial    T i m e   R a i n    Esc. rate  Run-off", ""})
            lines.push_back(l);
        lines[11] = lines[13] = Dashes(50);
        for (int r = 1; r <= 12; ++r) {
            char obs[16];
            std::snprintf(obs, sizeof obs, " %10.2f", 1.25 * r);
            lines.push_back(FileRow(r, obs));
        }
        return Write("polder.inp", lines);
    }

    std::string HeadFile() {
        const std::string path = dir.File("head.inp");
        std::vector<std::string> lines =
            Header(" Hydraulic head analysis and reconstruction", path);
        for (const std::string& l :
             {std::string(""), Dashes(52),
              std::string("  Serial    T i m e   R a i n    Esc. rate  hydr.head"), Dashes(52)})
            lines.push_back(l);
        for (int r = 1; r <= 12; ++r) {
            char obs[16];
            std::snprintf(obs, sizeof obs, " %10.2f", 100.0 + 10 * r);
            lines.push_back(FileRow(r, obs));
        }
        return Write("head.inp", lines);
    }

    std::string PredictionFile(const std::string& name) {
        const std::string path = dir.File(name);
        std::vector<std::string> lines = Header(" Prediction of drainage", path);
        for (const std::string& l :
             {std::string(" Linear reservoir function : Alpha = A * Runoff + B"),
              std::string(" A coefficient : 4.0000E-002"),
              std::string(" Value of B is : 5.0000E-002"),
              std::string(" Effective porosity (%) :   12.50"),
              std::string(" Initial runoff rate :     2.00"),
              std::string(" Initial water level :   300.00"), std::string(""), Dashes(41),
              std::string(" Serial    T i m e   Rainfall  Escape rate"), Dashes(41)})
            lines.push_back(l);
        for (int r = 1; r <= 12; ++r) lines.push_back(FileRow(r, ""));
        return Write(name, lines);
    }

    void OpenInput(const std::string& path) {
        dialogs.openAnswers.push_back(path);
        form->InputOpenActionExecute();
    }

    void OpenOutput(const std::string& path) {
        dialogs.openAnswers.push_back(path);
        form->OutputOpenActionExecute();
    }

    void ExpectFileShown(const std::string& path) {
        EXPECT_EQ(form->FileNameEdit->text().toStdString(), path);
        EXPECT_TRUE(form->FileNameEdit->isVisible());
        EXPECT_TRUE(form->FileNameLabel->isVisible());
        EXPECT_FALSE(form->InputImage->isVisible());
        EXPECT_TRUE(form->DataEntered);
        EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
        EXPECT_EQ(form->Title1Edit->text(), "Polder Vidora");
        EXPECT_EQ(form->Title2Edit->text(), "days and mm");
        EXPECT_EQ(form->NrOfDataEdit->text(), "12");
        EXPECT_EQ(form->MaxStorEdit->text(), "60");
        EXPECT_EQ(form->InitStorEdit->text(), "45");
        EXPECT_EQ(form->EscapeEdit->text(), "0.5");
        EXPECT_FALSE(comment.isVisible());
        EXPECT_FALSE(form->CommentButton->isEnabled());
        for (const FileDialogRequest* d :
             {&form->FileDialogs.InputOpenDialog, &form->FileDialogs.InputSaveDialog,
              &form->FileDialogs.OutputOpenDialog, &form->FileDialogs.GraphOpenDialog,
              &form->FileDialogs.GraphSaveDialog})
            EXPECT_EQ(d->initialFolder, dir.path().string());
    }

    TempDir dir;
    QWidget calculator;
    QWidget comment;
};

TEST_F(OpenFiles, DischargeAnalysisOpensInTheAnalysisLayout) {
    comment.show();
    form->CommentButton->setEnabled(true);
    const std::string path = DischargeFile();
    OpenInput(path);
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].filter, "Input files (*.inp)|*.inp");
    EXPECT_EQ(dialogs.openRequests[0].defaultExtension, "inp");
    ExpectFileShown(path);
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 0);
    EXPECT_EQ(grid().ColCount(), 4);
    EXPECT_EQ(grid().RowCount(), 12);
    EXPECT_FALSE(form->AlphaDrainBox->isVisible());
    EXPECT_FALSE(form->AlfaMemo->isVisible());
    EXPECT_FALSE(form->AlfaButton->isVisible());
    EXPECT_EQ(form->RunoffLabel->text(), "Discharge mm     *)");
    EXPECT_EQ(Row(0), (QStringList{"11", "1.5", "0.5", "1.25"}));
    EXPECT_EQ(Row(11), (QStringList{"22", "7", "0.5", "15"}));
    EXPECT_TRUE(dm().DischargeMode);
    EXPECT_EQ(dm().FileName, path);
}

TEST_F(OpenFiles, PredictionOpensWithTheAlphaAndInitialValues) {
    const std::string path = PredictionFile("pred.inp");
    OpenInput(path);
    EXPECT_TRUE(dialogs.messages.empty());
    ExpectFileShown(path);
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 1);
    EXPECT_EQ(grid().ColCount(), 3);
    EXPECT_TRUE(form->AlphaDrainBox->isVisible());
    EXPECT_TRUE(form->PredictGroupBox->isVisible());
    EXPECT_TRUE(form->AlfaMemo->isVisible());
    EXPECT_TRUE(form->AlfaButton->isVisible());
    EXPECT_EQ(form->AlfaButton->text(), "AlfaCalc");
    EXPECT_EQ(form->A1coeffEdit->text(), "0.04");
    EXPECT_EQ(form->B1valueEdit->text(), "0.05");
    EXPECT_EQ(form->InitRunEdit->text(), "2");
    EXPECT_EQ(form->InitLevelEdit->text(), "300");
    EXPECT_EQ(form->PorosityEdit->text(), "12.5");
    EXPECT_EQ(Row(0, 3), (QStringList{"11", "1.5", "0.5"}));
    EXPECT_FALSE(calculator.isVisible());
}

TEST_F(OpenFiles, PredictionBesideAParameterFileDerivesAlphaAndShowsTheCalculator) {
    const std::string path = PredictionFile("field.inp");
    // Ka = Kb = 1 m/day, D = 5 m, U = 0.5 m, P = 5 %, L = 50 m: M = 4 Ka / (P L L)
    // = 0.032 and N = 8 Kb d / (P L L) with equivalent depth d = 3.152 m: 0.20173.
    WriteBytes(dir.File("field.par"),
               " Hydraulic conductivity above drain level (Ka, m/day)  1.00\r\n"
               " Hydraulic conductivity below drain level (Kb, m/day)  1.00\r\n"
               " Depth of soil layer below drain level (D=D1-Dd, m)    5.00\r\n"
               " Wet perimeter of drain or ditch (U, m)                0.50\r\n"
               " Drainable (effective) porosity of top soil (P, %)     5.00\r\n"
               " Drain spacing (L, m)                                 50.00\r\n");
    OpenInput(path);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dm().ParFileRead);
    EXPECT_TRUE(calculator.isVisible());
    EXPECT_EQ(session.Values.MCoeff, 0.032);
    EXPECT_EQ(session.Values.NValue, 0.20173);
    EXPECT_EQ(form->A1coeffEdit->text(), "0.032");
    EXPECT_EQ(form->B1valueEdit->text(), "0.20173");
    EXPECT_EQ(form->PorosityEdit->text(), "5");
    EXPECT_EQ(grid().ColCount(), 3);
}

TEST_F(OpenFiles, HeadAnalysisFileOpensAsAPredictionKeepingItsHeads) {
    form->OptionComboBox->setCurrentIndex(0);
    const std::string path = HeadFile();
    OpenInput(path);
    EXPECT_TRUE(dialogs.messages.empty());
    ExpectFileShown(path);
    EXPECT_TRUE(dm().PredictionMode);
    EXPECT_FALSE(dm().HeadMode);
    EXPECT_EQ(dm().ModeTag, " Pre");
    ASSERT_GE(dm().HeadData.size(), 12u);
    EXPECT_EQ(dm().HeadData[0], 110);
    EXPECT_EQ(dm().HeadData[11], 220);
    EXPECT_EQ(form->OptionComboBox->currentIndex(), 1);
    EXPECT_EQ(grid().ColCount(), 3);
    EXPECT_TRUE(form->AlphaDrainBox->isVisible());
    EXPECT_TRUE(form->AlfaMemo->isVisible());
}

TEST_F(OpenFiles, ParameterFileFlagIsClearedBeforeEveryOpen) {
    dm().ParFileRead = true;
    calculator.show();
    OpenInput(DischargeFile());
    EXPECT_FALSE(dm().ParFileRead);
    EXPECT_FALSE(calculator.isVisible());
}

TEST_F(OpenFiles, CancelledInputDialogChangesNothing) {
    const std::string before = dm().FileName;
    form->InputOpenActionExecute();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"No input file was selected"});
    EXPECT_EQ(dm().FileName, before);
    EXPECT_FALSE(form->FileNameEdit->isVisible());
}

TEST_F(OpenFiles, MissingInputFileStopsWithItsName) {
    const std::string missing = dir.File("gone.inp");
    OpenInput(missing);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kNoSuchFile});
    EXPECT_EQ(dm().FileName, missing);
    EXPECT_FALSE(form->FileNameEdit->isVisible());
    EXPECT_FALSE(form->DataEntered);
}

TEST_F(OpenFiles, CorruptInputFileLeavesTheDataSetAsItWas) {
    std::string path = DischargeFile();
    std::string text = ReadBytes(path);
    text.replace(text.find("       1.25"), 11, "       x.25");
    WriteBytes(path, text);
    const std::string before = dm().FileName;
    const int rows = dm().NrOfData;
    OpenInput(path);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "A program error occurred.Real numbers in the inputfile \"" +
                                       path + "\" are corrupt");
    EXPECT_EQ(dm().FileName, before);
    EXPECT_EQ(dm().NrOfData, rows);
    EXPECT_FALSE(form->FileNameEdit->isVisible());
}

TEST_F(OpenFiles, OpenedInputCanBeSavedAndRunAgain) {
    OpenInput(DischargeFile());
    form->ProgressPausePercent = 0;
    dialogs.saveAnswers.push_back(dir.File("again.inp"));
    form->InputSaveActionExecute();
    EXPECT_EQ(dialogs.saveRequests[0].initialFolder, dir.path().string());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "The input is saved in " + dir.File("again.inp") +
                                       " ; Calculations were done and the output is saved in  " +
                                       dir.File("again.out"));
    // The rows of the file come back in the same text.
    const std::string original = ReadBytes(dir.File("polder.inp"));
    const std::string again = ReadBytes(dir.File("again.inp"));
    EXPECT_EQ(again.substr(again.find(" Maximum")), original.substr(original.find(" Maximum")));
}

TEST_F(OpenFiles, OneLineReportIsShownAndKeepsTheTag) {
    dm().ModeTag = " Dis";
    const std::string path = dir.File("one.out");
    WriteBytes(path, "Hydraulic Head simulation\r\n");
    OpenOutput(path);
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].filter, "Output files (*.out)|*.out");
    EXPECT_EQ(form->OutputMemo->toPlainText(), "Hydraulic Head simulation");
    EXPECT_EQ(dm().ModeTag, " Dis");
    EXPECT_EQ(dm().OutputLineCount, 1);
    EXPECT_EQ(dm().FileName, path);
    EXPECT_EQ(dm().LastFileName, path);
    EXPECT_TRUE(form->ReportShown);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->OutputTabSheet);
    EXPECT_TRUE(form->ViewGraphButton->isVisible());
    EXPECT_EQ(form->FileDialogs.GraphOpenDialog.initialFolder, dir.path().string());
    // Coming from the Input tab, the Output tab's own guidance follows the hint.
    EXPECT_EQ(form->StatusText().toStdString(),
              "The output file can be inspected. Use \"Open output\" to see examples under "
              "\"Data\" or to inspect any other output file.");
}

TEST_F(OpenFiles, ReportOpenedOnTheOutputTabLeavesTheSpreadsheetHint) {
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    const std::string path = dir.File("one.out");
    WriteBytes(path, "a report\r\n");
    OpenOutput(path);
    EXPECT_EQ(form->StatusText().toStdString(),
              "The output file can be imported into spreadsheets");
}

TEST_F(OpenFiles, EmptyReportEmptiesTheMemo) {
    form->OutputMemo->setPlainText("an earlier report");
    const std::string path = dir.File("empty.out");
    WriteBytes(path, "");
    OpenOutput(path);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->OutputMemo->toPlainText(), "");
    EXPECT_EQ(dm().OutputLineCount, 0);
}

TEST_F(OpenFiles, HeadReportSetsTheHeadTag) {
    dm().ModeTag = " Pre";
    const std::string path = dir.File("head.out");
    WriteBytes(path, "Polder Vidora\r\nHydraulic Head simulation\r\nrows\r\n");
    OpenOutput(path);
    EXPECT_EQ(dm().ModeTag, " Hyd");
    EXPECT_EQ(form->OutputMemo->toPlainText(), "Polder Vidora\nHydraulic Head simulation\nrows");
}

TEST_F(OpenFiles, CancelledOutputDialogChangesNothing) {
    form->OutputMemo->setPlainText("kept");
    form->OutputOpenActionExecute();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"No output file selected"});
    EXPECT_EQ(form->OutputMemo->toPlainText(), "kept");
    EXPECT_FALSE(form->ReportShown);
}

TEST_F(OpenFiles, MissingReportShowsTheLinesHeldBefore) {
    const std::string first = dir.File("first.out");
    WriteBytes(first, "first report\r\nsecond line\r\n");
    OpenOutput(first);
    dialogs.Clear();
    const std::string missing = dir.File("gone.out");
    OpenOutput(missing);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kNoSuchFile});
    EXPECT_EQ(form->OutputMemo->toPlainText(), "first report\nsecond line");
    EXPECT_EQ(dm().LastFileName, missing);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->OutputTabSheet);
}

TEST_F(OpenFiles, ActionsAndButtonsCarryOutTheCommands) {
    EXPECT_TRUE(form->InputOpenAction->isEnabled());
    EXPECT_TRUE(form->OutputOpenAction->isEnabled());
    const std::string path = dir.File("one.out");
    WriteBytes(path, "a report\r\n");
    dialogs.openAnswers.push_back(path);
    form->OutputOpenAction->trigger();
    EXPECT_EQ(form->OutputMemo->toPlainText(), "a report");
    dialogs.openAnswers.push_back(DischargeFile());
    form->InputOpenButton->click();
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
    EXPECT_EQ(form->Title1Edit->text(), "Polder Vidora");
}

}  // namespace
}  // namespace tervala::testing
