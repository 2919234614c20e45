// " Save / Run" driven headless with scripted dialogs: a pasted series saved
// and run, the report on the Output tab, the files on disk against those of
// tervala-batch for the same input, and every refusal with the files and
// state it leaves.
#include <QAbstractButton>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QThread>
#include <filesystem>
#include <functional>
#include <ostream>

#include "engine/session.h"
#include "tests/support/batch_runner.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/rain_form_fixture.h"

namespace tervala::testing {
namespace {

namespace fs = std::filesystem;

const std::string kDashes50 = " " + std::string(50, '-');
const std::string kDashes41 = " " + std::string(41, '-');
const char* kNotSaved = "The input data were not saved";
const char* kNotReal = "Not all data values in the inputfile are real";
const char* kInputErrors =
    "The input data were not saved due to input errors like negative values or a "
    "non-sequential time series";

// Fifteen days of a drained field: day, rain + irrigation (mm/day), maximum
// escape rate (mm/day), drain discharge (mm/day).
const std::vector<QStringList> kDischargeRows = {
    {"1", "0", "0.2", "2"},       {"2", "0", "0.2", "1.59"},   {"3", "2.5", "0.2", "1.62"},
    {"4", "3.5", "0.2", "1.22"},  {"5", "1.9", "0.2", "1.25"}, {"6", "12.7", "0.2", "1.08"},
    {"7", "1", "0.2", "1.07"},    {"8", "0", "0.2", "1"},      {"9", "0", "0.2", "0.95"},
    {"10", "4.7", "0.2", "1.06"}, {"11", "0", "0.2", "1.02"},  {"12", "0", "0.2", "0.84"},
    {"13", "0", "0.2", "0.73"},   {"14", "0", "0.2", "0.77"},  {"15", "11.6", "0.2", "1.78"}};

// The rows above as the input file holds them.
const std::vector<std::string> kDischargeFileRows = {
    "    1         1.00  0.0E+0000  2.0E-0001       2.00",
    "    2         2.00  0.0E+0000  2.0E-0001       1.59",
    "    3         3.00       2.50  2.0E-0001       1.62",
    "    4         4.00       3.50  2.0E-0001       1.22",
    "    5         5.00       1.90  2.0E-0001       1.25",
    "    6         6.00      12.70  2.0E-0001       1.08",
    "    7         7.00       1.00  2.0E-0001       1.07",
    "    8         8.00  0.0E+0000  2.0E-0001       1.00",
    "    9         9.00  0.0E+0000  2.0E-0001  9.5E-0001",
    "   10        10.00       4.70  2.0E-0001       1.06",
    "   11        11.00  0.0E+0000  2.0E-0001       1.02",
    "   12        12.00  0.0E+0000  2.0E-0001  8.4E-0001",
    "   13        13.00  0.0E+0000  2.0E-0001  7.3E-0001",
    "   14        14.00  0.0E+0000  2.0E-0001  7.7E-0001",
    "   15        15.00      11.60  2.0E-0001       1.78"};

// Fifteen days of rain on a pipe-drained field with escape 0.3 mm/day.
const std::vector<QStringList> kPredictionRows = {
    {"1", "0.7", "0.3"},  {"2", "0", "0.3"},  {"3", "7.4", "0.3"},  {"4", "5.4", "0.3"},
    {"5", "0.4", "0.3"},  {"6", "0", "0.3"},  {"7", "17.4", "0.3"}, {"8", "7", "0.3"},
    {"9", "9.1", "0.3"},  {"10", "0", "0.3"}, {"11", "3", "0.3"},   {"12", "0", "0.3"},
    {"13", "1.7", "0.3"}, {"14", "0", "0.3"}, {"15", "0", "0.3"}};

const std::vector<std::string> kPredictionFileRows = {
    "    1         1.00  7.0E-0001  3.0E-0001", "    2         2.00  0.0E+0000  3.0E-0001",
    "    3         3.00       7.40  3.0E-0001", "    4         4.00       5.40  3.0E-0001",
    "    5         5.00  4.0E-0001  3.0E-0001", "    6         6.00  0.0E+0000  3.0E-0001",
    "    7         7.00      17.40  3.0E-0001", "    8         8.00       7.00  3.0E-0001",
    "    9         9.00       9.10  3.0E-0001", "   10        10.00  0.0E+0000  3.0E-0001",
    "   11        11.00       3.00  3.0E-0001", "   12        12.00  0.0E+0000  3.0E-0001",
    "   13        13.00       1.70  3.0E-0001", "   14        14.00  0.0E+0000  3.0E-0001",
    "   15        15.00  0.0E+0000  3.0E-0001"};

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

// A report file's lines as the output memo shows them.
std::string MemoTextOf(const std::string& bytes) {
    QStringList lines = QString::fromStdString(bytes).replace("\r\n", "\n").split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines.join('\n').toStdString();
}

std::string MemoText(QPlainTextEdit* memo) { return memo->toPlainText().toStdString(); }

std::vector<std::string> MemoLines(QPlainTextEdit* memo) {
    std::vector<std::string> lines;
    for (const QString& l : memo->toPlainText().split('\n')) lines.push_back(l.toStdString());
    if (lines.size() == 1 && lines[0].empty()) lines.clear();
    return lines;
}

std::vector<std::string> FilesIn(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class SaveRun : public RainFormTest {
  protected:
    void SetUp() override {
        RainFormTest::SetUp();
        form->ProgressPausePercent = 0;
        ShowInputTab();
        dialogs.Clear();
    }

    // The series pasted into the first cell, titles and first reservoir typed.
    void EnterDischargeSeries() {
        Paste(0, 0, SpreadsheetRows(kDischargeRows));
        TypeReservoir("50", "30");
    }

    void TypeReservoir(const QString& maxSto, const QString& iniSto) {
        form->Title1Edit->setText("Vidora field");
        form->Title2Edit->setText("days, mm");
        form->MaxStorEdit->setText(maxSto);
        form->MaxStorEditExit();
        form->InitStorEdit->setText(iniSto);
        form->InitStorEditExit();
    }

    void EnterPredictionSeries() {
        form->OptionComboBox->setCurrentIndex(1);
        form->OptionComboBoxChange();  // re-reads the start folder: its message goes
        Paste(0, 0, SpreadsheetRows(kPredictionRows));
        TypeReservoir("30", "25");
        form->A1coeffEdit->setText("0.032");
        form->B1valueEdit->setText("0.20173");
        form->InitRunEdit->setText("1");
        form->InitLevelEdit->setText("250");
        form->PorosityEdit->setText("5");
        dialogs.Clear();
    }

    void SaveAs(const std::string& name) {
        dialogs.saveAnswers.push_back(dir.File(name));
        form->InputSaveActionExecute();
    }

    std::string DischargeFileText(const std::string& path) {
        std::vector<std::string> lines = {" Input data for Tervala program",
                                          " Discharge analysis and reconstruction",
                                          "",
                                          "Vidora field",
                                          "days, mm",
                                          "",
                                          " Filename: " + path,
                                          " Maximum dead storage:    50.00",
                                          " Initial dead storage:    30.00",
                                          " Max.escape/time unit:  1.0E-0001",
                                          "",
                                          kDashes50,
                                          "  Serial    T i m e   R a i n    Esc. rate  Run-off",
                                          kDashes50};
        lines.insert(lines.end(), kDischargeFileRows.begin(), kDischargeFileRows.end());
        return Lines(lines);
    }

    TempDir dir;
};

TEST_F(SaveRun, DischargeAnalysisFromPastedSeriesToTheOutputTab) {
    EnterDischargeSeries();
    ASSERT_EQ(dm().MaxEsc, 0.1);  // the Intro tab's starting value
    SaveAs("vidora.inp");

    const std::string inp = dir.File("vidora.inp");
    const std::string out = dir.File("vidora.out");
    ASSERT_EQ(
        dialogs.messages,
        std::vector<std::string>{"The input is saved in " + inp +
                                 " ; Calculations were done and the output is saved in  " + out});
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].filter, "Input files (*.inp)|*.inp");
    EXPECT_EQ(dialogs.saveRequests[0].defaultExtension, "inp");
    EXPECT_TRUE(dialogs.questions.empty());

    EXPECT_EQ(ReadBytes(inp), DischargeFileText(inp));
    EXPECT_EQ(FilesIn(dir), (std::vector<std::string>{"vidora.dat", "vidora.inp", "vidora.out"}));
    EXPECT_EQ(dm().FileName, out);
    EXPECT_EQ(dm().LastFileName, out);
    EXPECT_EQ(MemoText(form->OutputMemo), MemoTextOf(ReadBytes(out)));
    EXPECT_GT(dm().OutputLineCount, 15);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->OutputTabSheet);
    EXPECT_TRUE(form->ReportShown);
    EXPECT_TRUE(form->GraphRequested);
    EXPECT_TRUE(form->ViewGraphButton->isVisible());
    EXPECT_FALSE(form->WaitMemo->isVisible());
    EXPECT_FALSE(form->RunCancelled);
    // Every file dialog now opens in the folder of the files just written.
    EXPECT_EQ(form->FileDialogs.InputOpenDialog.initialFolder, dir.path().string());
    EXPECT_EQ(form->FileDialogs.OutputOpenDialog.initialFolder, dir.path().string());
    EXPECT_EQ(form->FileDialogs.GraphSaveDialog.initialFolder, dir.path().string());
    // The window takes commands again.
    EXPECT_TRUE(form->PageControl1->tabBar()->isEnabled());
    EXPECT_TRUE(form->InputOpenButton->isEnabled());
    EXPECT_TRUE(form->MainMenu1->isEnabled());
    EXPECT_TRUE(form->OutputOpenAction->isEnabled());

    // The progress lines, in order: saving, the search's tenths, filing.
    EXPECT_EQ(MemoLines(form->WaitMemo),
              (std::vector<std::string>{
                  " Saving data .....", " Progress 10% ....", " Please wait .....",
                  " Progress 20% ....", " Progress 30% ....", " Progress 40% ....",
                  " Progress 50% ....", " Progress 60% ....", " Progress 70% ....",
                  " Progress 80% ....", " Progress 90% ....", " Filing results .."}));

    // tervala-batch run on the same input file writes the same report and fit file.
    const std::string report = ReadBytes(out);
    const std::string fit = ReadBytes(dir.File("vidora.dat"));
    fs::remove(out);
    fs::remove(dir.File("vidora.dat"));
    const BatchResult batch = RunBatch({"run", inp}, dir);
    ASSERT_EQ(batch.exitCode, 0) << batch.err;
    EXPECT_EQ(ReadBytes(out), report);
    EXPECT_EQ(ReadBytes(dir.File("vidora.dat")), fit);
    EXPECT_EQ(ReadBytes(inp), DischargeFileText(inp));
}

TEST_F(SaveRun, PredictionFromPastedSeriesMatchesTheBatchCommand) {
    EnterPredictionSeries();
    SaveAs("field.inp");

    const std::string inp = dir.File("field.inp");
    const std::string out = dir.File("field.out");
    ASSERT_EQ(
        dialogs.messages,
        std::vector<std::string>{"The input is saved in " + inp +
                                 " ; Calculations were done and the output is saved in  " + out});
    std::vector<std::string> lines = {" Input data for Tervala program",
                                      " Prediction of drainage",
                                      "",
                                      "Vidora field",
                                      "days, mm",
                                      "",
                                      " Filename: " + inp,
                                      " Maximum dead storage:    30.00",
                                      " Initial dead storage:    25.00",
                                      " Max.escape/time unit:  1.0E-0001",
                                      " Linear reservoir function : Alpha = A * Runoff + B",
                                      " A coefficient : 3.2000E-002",
                                      " Value of B is : 2.0173E-001",
                                      " Effective porosity (%) :    5.00",
                                      " Initial runoff rate :     1.00",
                                      " Initial water level :   250.00",
                                      "",
                                      kDashes41,
                                      " Serial    T i m e   Rainfall  Escape rate",
                                      kDashes41};
    lines.insert(lines.end(), kPredictionFileRows.begin(), kPredictionFileRows.end());
    EXPECT_EQ(ReadBytes(inp), Lines(lines));
    EXPECT_EQ(FilesIn(dir), (std::vector<std::string>{"field.inp", "field.out"}));
    EXPECT_EQ(session.Values.MCoeff, 0.032);
    EXPECT_EQ(session.Values.NValue, 0.20173);
    EXPECT_EQ(dm().HeadIni, 250);
    EXPECT_EQ(MemoText(form->OutputMemo), MemoTextOf(ReadBytes(out)));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->OutputTabSheet);
    EXPECT_EQ(
        MemoLines(form->WaitMemo),
        (std::vector<std::string>{" Saving data .....", " Progress 10% ....", " Calculating .....",
                                  " Progress 75% ....", " Filing results .."}));

    const std::string report = ReadBytes(out);
    fs::remove(out);
    const BatchResult batch = RunBatch({"run", inp}, dir);
    ASSERT_EQ(batch.exitCode, 0) << batch.err;
    EXPECT_EQ(ReadBytes(out), report);
}

TEST_F(SaveRun, RunNamesTheGraphChoiceOfTheReport) {
    // The graph choice of the Graphics tab, when it is there, follows the run.
    auto* choice = new QRadioButton("Reservoir storage", form->GraphicsTabSheet);
    choice->setObjectName("RadioButton4");
    EnterDischargeSeries();
    SaveAs("vidora.inp");
    EXPECT_EQ(choice->text(), "Watertable in time");
}

TEST_F(SaveRun, CancelledDialogSavesNothing) {
    EnterDischargeSeries();
    const TDMOmbrel before = dm();
    form->InputSaveActionExecute();  // no answer scripted: cancelled
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kNotSaved});
    EXPECT_TRUE(FilesIn(dir).empty());
    EXPECT_TRUE(form->RunCancelled);
    EXPECT_EQ(dm().FileName, before.FileName);
    EXPECT_EQ(dm().NrOfData, 15);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
    EXPECT_FALSE(form->WaitMemo->isVisible());
}

TEST_F(SaveRun, RefusedOverwriteLeavesTheOldFile) {
    EnterDischargeSeries();
    WriteBytes(dir.File("old.inp"), "an older file\r\n");
    const std::string nameBefore = dm().FileName;
    dialogs.answers.push_back(false);
    SaveAs("old.inp");
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"The file already exists, overwrite?"});
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kNotSaved});
    EXPECT_EQ(ReadBytes(dir.File("old.inp")), "an older file\r\n");
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"old.inp"});
    EXPECT_EQ(dm().FileName, nameBefore);
}

TEST_F(SaveRun, AcceptedOverwriteReplacesTheOldFile) {
    EnterDischargeSeries();
    WriteBytes(dir.File("old.inp"), "an older file\r\n");
    dialogs.answers.push_back(true);
    SaveAs("old.inp");
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"The file already exists, overwrite?"});
    EXPECT_EQ(ReadBytes(dir.File("old.inp")), DischargeFileText(dir.File("old.inp")));
    EXPECT_TRUE(fs::exists(dir.File("old.out")));
}

struct GridRefusal {
    const char* name;
    int row;
    int column;
    const char* text;
    const char* message;
};

// Test listings name the case rather than dumping its bytes.
void PrintTo(const GridRefusal& refusal, std::ostream* os) { *os << refusal.name; }

class SaveRunGridRefusal : public SaveRun, public ::testing::WithParamInterface<GridRefusal> {};

TEST_P(SaveRunGridRefusal, WritesNoFileAndKeepsTheInputTab) {
    const GridRefusal& p = GetParam();
    EnterDischargeSeries();
    grid().SetCell(p.column, p.row, p.text);
    SaveAs("refused.inp");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{p.message});
    EXPECT_TRUE(FilesIn(dir).empty());
    EXPECT_EQ(dm().NrOfData, 15);
    EXPECT_EQ(dm().Title1, "Vidora field");
    EXPECT_EQ(form->NrOfDataEdit->text(), "15");
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
    EXPECT_FALSE(form->WaitMemo->isVisible());
    EXPECT_FALSE(form->ReportShown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveRunGridRefusal,
    ::testing::Values(GridRefusal{"NonNumberCell", 4, 1, "1.9mm", kNotReal},
                      GridRefusal{"EmptyObservedCell", 6, 3, "", kNotReal},
                      GridRefusal{"RepeatedTime", 2, 0, "2", kInputErrors},
                      GridRefusal{"NegativeRain", 9, 1, "-4.7", kInputErrors},
                      GridRefusal{"NegativeDischarge", 0, 3, "-2", kInputErrors}),
    [](const ::testing::TestParamInfo<GridRefusal>& info) { return std::string(info.param.name); });

TEST_F(SaveRun, TimesOneTwoTwoThreeAreRefused) {
    Paste(0, 0,
          SpreadsheetRows({{"1", "1", "0.2", "1"},
                           {"2", "1", "0.2", "2"},
                           {"2", "1", "0.2", "1"},
                           {"3", "1", "0.2", "3"}}));
    dialogs.answers.clear();
    dialogs.Clear();
    SaveAs("times.inp");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kInputErrors});
    EXPECT_TRUE(FilesIn(dir).empty());
}

TEST_F(SaveRun, EngineRefusalLeavesTheInputFileAndThePreviousReport) {
    // A good run first, so that a report is on the Output tab.
    EnterDischargeSeries();
    SaveAs("first.inp");
    const std::string previousReport = MemoText(form->OutputMemo);
    ASSERT_FALSE(previousReport.empty());
    form->PageControl1->setCurrentWidget(form->InputTabSheet);
    dialogs.Clear();

    // The same discharge every day: nothing to calibrate alpha on. Row 5
    // lacks its escape rate and is left out.
    Paste(0, 0, SpreadsheetRows(kDischargeRows));
    for (int r = 0; r < 15; ++r) grid().SetCell(3, r, "1.5");
    grid().SetCell(2, 5, "");
    SaveAs("flat.inp");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{
                  "There is no variation in runoff values. Rainfall-Discharge analysis cannot "
                  "be made"});
    EXPECT_EQ(FilesIn(dir),
              (std::vector<std::string>{"first.dat", "first.inp", "first.out", "flat.inp"}));
    EXPECT_EQ(dm().NrOfData, 14);
    EXPECT_EQ(form->NrOfDataEdit->text(), "14");
    EXPECT_EQ(dm().FileName, dir.File("flat.inp"));
    EXPECT_EQ(dm().LastFileName, dir.File("first.out"));
    EXPECT_EQ(MemoText(form->OutputMemo), previousReport);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
    EXPECT_FALSE(form->WaitMemo->isVisible());
    EXPECT_TRUE(MemoLines(form->WaitMemo).empty());
    EXPECT_TRUE(form->PageControl1->tabBar()->isEnabled());
    EXPECT_TRUE(form->InputSaveButton->isEnabled());
}

// Dialogs that look at the window whenever a message comes, as a user would
// who sees the message box while the run waits for it.
class ProbingDialogs : public ScriptedDialogs {
  public:
    std::function<void()> onMessage;
    void ShowMessage(const std::string& text) override {
        ScriptedDialogs::ShowMessage(text);
        if (onMessage) onMessage();
    }
};

TEST(SaveRunWhileRunning, WindowTakesNoOtherCommandAndMessagesComeOnItsThread) {
    Session session;
    ProbingDialogs dialogs;
    TRainForm form(dialogs);
    form.UseDataSet(session);
    form.show();
    form.ProgressPausePercent = 0;
    form.PageControl1->setCurrentWidget(form.InputTabSheet);
    TempDir dir;
    std::vector<QStringList> flat = kDischargeRows;
    for (QStringList& row : flat) row[3] = "1.5";
    form.StringGrid1SetEditText(0, 0, SpreadsheetRows(flat));
    dialogs.Clear();

    bool probed = false;
    dialogs.onMessage = [&] {
        probed = true;
        EXPECT_EQ(QThread::currentThread(), qApp->thread());
        EXPECT_FALSE(form.PageControl1->tabBar()->isEnabled());
        EXPECT_FALSE(form.MainMenu1->isEnabled());
        EXPECT_FALSE(form.InputSaveButton->isEnabled());
        EXPECT_FALSE(form.StringGrid1->isEnabled());
        EXPECT_FALSE(form.Title1Edit->isEnabled());
        EXPECT_TRUE(form.WaitMemo->isEnabled());
        EXPECT_FALSE(form.InputSaveAction->isEnabled());
        EXPECT_FALSE(form.OutputOpenAction->isEnabled());
        EXPECT_TRUE(form.WaitMemo->isVisible());
        EXPECT_EQ(MemoLines(form.WaitMemo),
                  (std::vector<std::string>{" Saving data .....", " Progress 10% ...."}));
        // A second Save/Run while the first one works is not started.
        form.InputSaveActionExecute();
    };
    dialogs.saveAnswers.push_back(dir.File("flat.inp"));
    form.InputSaveActionExecute();
    EXPECT_TRUE(probed);
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(form.PageControl1->tabBar()->isEnabled());
    EXPECT_TRUE(form.InputSaveButton->isEnabled());
    EXPECT_TRUE(form.StringGrid1->isEnabled());
    EXPECT_TRUE(form.MainMenu1->isEnabled());
    EXPECT_TRUE(form.InputSaveAction->isEnabled());
    EXPECT_TRUE(form.OutputOpenAction->isEnabled());
}

TEST_F(SaveRun, ZeroMaximumStorageFailsTheRunAndBringsTheInputTabForward) {
    EnterDischargeSeries();
    form->MaxStorEdit->setText("0");
    form->MaxStorEditExit();
    form->PageControl1->setCurrentWidget(form->OutputTabSheet);
    dialogs.Clear();
    SaveAs("nostore.inp");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"nostore.inp"});
    EXPECT_FALSE(dm().RunFailed);
    EXPECT_TRUE(form->RunCancelled || !session.Flags.MaxStoOk);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
    EXPECT_FALSE(form->WaitMemo->isVisible());
    EXPECT_FALSE(form->ReportShown);
}

TEST_F(SaveRun, UnwritableInputFileStopsBeforeAnyRun) {
    EnterDischargeSeries();
    // A folder holds the name: the file cannot be created, and whatever lies
    // there must not be run.
    fs::create_directory(dir.File("taken.inp"));
    dialogs.answers.push_back(true);
    SaveAs("taken.inp");
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"The file already exists, overwrite?"});
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The file \"" + dir.File("taken.inp") +
                                       "\"could not be opened. It may be damaged or in use by "
                                       "another program."});
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"taken.inp"});
    EXPECT_TRUE(MemoLines(form->WaitMemo).empty());
    EXPECT_EQ(dm().NrOfData, 15);
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
}

TEST_F(SaveRun, ReportThatCannotBeWrittenEndsTheCommandWithItsMessage) {
    EnterDischargeSeries();
    // A folder stands where the fit file and report go.
    fs::create_directory(dir.File("blocked.dat"));
    fs::create_directory(dir.File("blocked.out"));
    SaveAs("blocked.inp");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("could not be written"), std::string::npos)
        << dialogs.messages[0];
    EXPECT_TRUE(fs::is_directory(dir.File("blocked.out")));
    EXPECT_TRUE(form->RunCancelled);
    EXPECT_FALSE(form->WaitMemo->isVisible());
    EXPECT_FALSE(form->ReportShown);
    EXPECT_EQ(dm().FileName, dir.File("blocked.inp"));
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
    EXPECT_TRUE(form->PageControl1->tabBar()->isEnabled());
    EXPECT_TRUE(form->InputSaveButton->isEnabled());
}

TEST_F(SaveRun, MissingAlphaStopsThePredictionBeforeAnythingIsWritten) {
    EnterPredictionSeries();
    form->A1coeffEdit->setText("missing");
    form->B1valueEdit->setText("missing");
    SaveAs("legacy.inp");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{
                  "The field \"M coefficient\" holds \"missing\", which is not a number. Give "
                  "the alpha function (M and N) and the initial values as numbers; the input "
                  "data were not saved."});
    EXPECT_TRUE(FilesIn(dir).empty());
    EXPECT_EQ(form->PageControl1->currentWidget(), form->InputTabSheet);
    // Numbers are still read and written with ".".
    EXPECT_EQ(QString::number(2.5), "2.5");
}

TEST_F(SaveRun, IncompleteRowsArePackedToTheTop) {
    EnterDischargeSeries();
    grid().SetCell(1, 3, "");
    grid().SetCell(1, 7, "");
    grid().SetCell(3, 0, "2.00");  // typed with trailing zeros
    SaveAs("packed.inp");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dm().NrOfData, 13);
    EXPECT_EQ(form->NrOfDataEdit->text(), "13");
    EXPECT_EQ(grid().RowCount(), 13);
    EXPECT_EQ(form->OrigNrOfData, 13);
    EXPECT_EQ(Row(0), (QStringList{"1", "0", "0.2", "2"}));
    EXPECT_EQ(Row(2), (QStringList{"3", "2.5", "0.2", "1.62"}));
    EXPECT_EQ(Row(3), (QStringList{"5", "1.9", "0.2", "1.25"}));
    EXPECT_EQ(Row(6), (QStringList{"9", "0", "0.2", "0.95"}));
    EXPECT_EQ(Row(12), (QStringList{"15", "11.6", "0.2", "1.78"}));
    const std::string file = ReadBytes(dir.File("packed.inp"));
    EXPECT_NE(file.find("\r\n    4         5.00       1.90  2.0E-0001       1.25\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("\r\n   13        15.00      11.60  2.0E-0001       1.78\r\n"),
              std::string::npos);
}

TEST_F(SaveRun, PackingMayGoBelowTheTwelveRowsOfTheField) {
    EnterDischargeSeries();
    for (int r = 0; r < 5; ++r) grid().SetCell(2, r, "");
    SaveAs("short.inp");
    ASSERT_EQ(dialogs.messages.size(), 1u);  // only the closing message
    EXPECT_EQ(dialogs.messages[0].rfind("The input is saved in ", 0), 0u);
    EXPECT_EQ(dm().NrOfData, 10);
    EXPECT_EQ(form->NrOfDataEdit->text(), "10");
    EXPECT_EQ(Row(0), (QStringList{"6", "12.7", "0.2", "1.08"}));
}

TEST_F(SaveRun, OtherExtensionKeepsItsNameAndTheReportTakesOut) {
    EnterDischargeSeries();
    SaveAs("data.txt");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The input is saved in " + dir.File("data.inp") +
                                       " ; Calculations were done and the output is saved in  " +
                                       dir.File("data.out")});
    EXPECT_EQ(FilesIn(dir), (std::vector<std::string>{"data.dat", "data.out", "data.txt"}));
}

TEST_F(SaveRun, InputNamedLikeTheReportIsRefused) {
    EnterDischargeSeries();
    SaveAs("vidora.out");
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{
                  "The input file \"" + dir.File("vidora.out") +
                      "\" has the extension of a report or fit file, which the run would "
                      "overwrite. Please give the input file another extension.",
                  kNotSaved}));
    EXPECT_TRUE(FilesIn(dir).empty());
}

TEST_F(SaveRun, CommaDecimalCellIsAcceptedAndFilesKeepThePoint) {
    EnterDischargeSeries();
    grid().SetCell(1, 2, "2,5");
    SaveAs("comma.inp");
    EXPECT_NE(ReadBytes(dir.File("comma.inp")).find("    3         3.00       2.50  2.0E-0001"),
              std::string::npos);
}

TEST_F(SaveRun, CalculatorWindowIsHidden) {
    QWidget calculator;
    AuxiliaryWindows windows;
    windows.FinishForm = finish.get();
    windows.AlfaForm = &calculator;
    form->UseWindows(windows);
    calculator.show();
    EnterDischargeSeries();
    form->InputSaveActionExecute();  // cancelled
    EXPECT_FALSE(calculator.isVisible());
}

}  // namespace
}  // namespace tervala::testing
