// What a user does in the window, start to finish, with the files written
// compared byte for byte with tests/data and with what tervala-batch writes.
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTreeView>
#include <random>

#include "tests/ui/window_harness.h"
#include "ui/fit_diagnostics_form.h"
#include "ui/qt_dialogs.h"

namespace tervala::testing {
namespace {

using Texts = std::vector<std::string>;

// Fifteen days of a drained field: day, rain + irrigation (mm/day), maximum
// escape rate (mm/day), drain discharge (mm/day).
const std::vector<QStringList> kFifteenDays = {
    {"1", "0", "0.2", "2"},       {"2", "0", "0.2", "1.59"},   {"3", "2.5", "0.2", "1.62"},
    {"4", "3.5", "0.2", "1.22"},  {"5", "1.9", "0.2", "1.25"}, {"6", "12.7", "0.2", "1.08"},
    {"7", "1", "0.2", "1.07"},    {"8", "0", "0.2", "1"},      {"9", "0", "0.2", "0.95"},
    {"10", "4.7", "0.2", "1.06"}, {"11", "0", "0.2", "1.02"},  {"12", "0", "0.2", "0.84"},
    {"13", "0", "0.2", "0.73"},   {"14", "0", "0.2", "0.77"},  {"15", "11.6", "0.2", "1.78"}};

TEST(Scenario, EveryPasteRouteGivesTheSameGrid) {
    // Twelve lines from row 2 make 14 rows, fewer than the 15 before: the
    // question is answered No.
    QString text;
    for (int r = 0; r < 12; ++r) text += QString("%1\t%2,5\t0.3\t1\r\n").arg(r + 5).arg(r);
    const std::function<void(Windows&)> routes[] = {
        [&](Windows& w) { w.PasteIntoCell(2, 0, text); },
        [&](Windows& w) { w.ClickCell(2, 0), w.ChooseMenu("&Edit", "&Paste"); },
        [&](Windows& w) { QTest::keyClick(w.OpenEditor(2, 0), Qt::Key_V, Qt::ControlModifier); },
        [&](Windows& w) {
            ASSERT_TRUE(w.OpenEditor(2, 0));
            w.ChooseMenu("&Edit", "&Paste");
        },
        // Regression: the editor's context menu glued the cell's text to the first value.
        [&](Windows& w) { w.ChooseFromContextMenu(w.OpenEditor(2, 0), "&Paste"); },
        [&](Windows& w) {
            w.ChooseFromContextMenu(w.grid().viewport(), "&Paste", w.CellCenter(2, 0));
        },
        // Regression: a block dropped into the open editor was glued to its text.
        [&](Windows& w) {
            QMimeData block;
            block.setText(text);
            w.DropOn(w.OpenEditor(2, 0), block);
        },
    };
    std::vector<QStringList> first;
    for (const auto& paste : routes) {
        Windows w(true);
        w.dialogs.answers = {false};
        w.SetClipboard(text);
        paste(w);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.dialogs.questions.size(), 1u);
        EXPECT_EQ(w.grid().ActiveEditor(), nullptr);  // no raw block written back into a cell
        EXPECT_EQ((std::tuple{w.grid().RowCount(), w.Row(2), w.dm().RainData[13]}),
                  (std::tuple{14, QStringList{"5", "0,5", "0.3", "1"}, 11.5}));
        if (first.empty()) first = w.Grid();
        EXPECT_EQ(w.Grid(), first);
    }
}

TEST(Scenario, PastedSeriesSavedAndRunToItsReportAndASavedGraph) {
    Windows w(true);
    w.PasteIntoCell(0, 0, SpreadsheetRows(kFifteenDays));
    w.Type(w.form.Title1Edit, "Vidora field");
    w.Type(w.form.MaxStorEdit, "50");
    w.Type(w.form.InitStorEdit, "30");
    w.SaveRun("vidora.inp");
    const std::string inp = w.dir.File("vidora.inp"), out = w.dir.File("vidora.out");
    EXPECT_EQ(w.dialogs.messages,
              Texts{"The input is saved in " + inp +
                    " ; Calculations were done and the output is saved in  " + out});
    EXPECT_EQ(w.dialogs.saveRequests.at(0).Filter, "Input files (*.inp)|*.inp");
    EXPECT_EQ(w.dir.Names(), (Texts{"vidora.dat", "vidora.inp", "vidora.out"}));
    const QStringList wait = w.form.WaitMemo->toPlainText().split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(wait.size(), 12);
    EXPECT_EQ(wait.mid(0, 3) + wait.mid(11),
              (QStringList{" Saving data .....", " Progress 10% ....", " Please wait .....",
                           " Filing results .."}));
    EXPECT_FALSE(w.form.WaitMemo->isVisible());
    EXPECT_EQ(w.form.PageControl1->currentWidget(), w.form.OutputTabSheet);
    EXPECT_EQ(w.form.OutputMemo->toPlainText().toStdString() + "\n", ReadBytes(out));
    EXPECT_TRUE(w.form.PageControl1->tabBar()->isEnabled() && w.form.MainMenu1->isEnabled());

    // The batch command writes the same report and fit file of the input saved.
    const std::string report = ReadBytes(out), fit = ReadBytes(w.dir.File("vidora.dat"));
    std::filesystem::remove(out);
    ASSERT_EQ(RunBatch(w.dir, {"run", inp}).exitCode, 0);
    EXPECT_EQ(ReadBytes(out) + ReadBytes(w.dir.File("vidora.dat")), report + fit);

    // "Fit diagnostics": the figures and the picture `diagnose` gives for the input saved.
    ASSERT_TRUE(w.form.FitDiagnosticsButton->isVisible());
    w.Click(w.form.FitDiagnosticsButton);
    TFitDiagnosticsForm& diagnostics = *w.form.FitDiagnosticsForm;
    ASSERT_TRUE(QSignalSpy(&diagnostics, &TFitDiagnosticsForm::Shown).wait(30000));
    const BatchResult b = RunBatch(w.dir, {"diagnose", inp, "--picture", "batch.svg"});
    EXPECT_EQ(diagnostics.DiagnosticsMemo->toPlainText().toStdString() +
                  "\nPicture: " + w.dir.File("batch.svg") + "\n",
              b.out);
    w.dialogs.saveAnswers.push_back(w.dir.File("fit.svg"));
    w.Click(diagnostics.SavePictureButton);
    EXPECT_EQ(ReadBytes(w.dir.File("fit.svg")), ReadBytes(w.dir.File("batch.svg")));
    diagnostics.close();

    // View graph, the third choice, Go, and "Save color graph": the bitmap
    // the batch command draws of the report.
    w.Click(w.form.ViewGraphButton);
    ASSERT_EQ(w.form.PageControl1->currentWidget(), w.form.GraphicsTabSheet);
    ASSERT_TRUE(w.form.Panel1->isVisible());
    w.Click(w.form.CalcObsRadioButton);
    w.Click(w.form.GoButton1);
    EXPECT_TRUE(w.form.GraphImage->isVisible() && !w.form.Panel1->isVisible());
    w.dialogs.saveAnswers.push_back(w.dir.File("calc.bmp"));
    w.Click(w.form.SaveGraphButton);
    EXPECT_EQ(w.dialogs.messages.back(), "The graph was saved in  " + w.dir.File("calc.bmp"));
    ASSERT_EQ(
        RunBatch(w.dir, {"graph", out, "--kind", "7", "-o", w.dir.File("batch.bmp")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(w.dir.File("calc.bmp")), ReadBytes(w.dir.File("batch.bmp")));
    EXPECT_EQ(ReadBytes(w.dir.File("calc.bmp")).size(), 54u + 1872u * 465u);
    // Drawn for the screen's pixel ratio, larger in a larger window; the file stays the same.
    EXPECT_EQ(w.form.GraphImage->pixmap().devicePixelRatio(), w.form.devicePixelRatioF());
    const QSize graph = w.form.GraphImage->size();
    const int grid = w.grid().height();
    w.form.resize(1400, 1100);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.form.GraphImage->width() > graph.width() &&
                w.form.GraphImage->height() > graph.height() && w.grid().height() > grid);
    w.dialogs.saveAnswers.push_back(w.dir.File("calc.bmp"));
    w.dialogs.answers.push_back(true);  // over the one saved before
    w.Click(w.form.SaveGraphButton);
    EXPECT_EQ(ReadBytes(w.dir.File("calc.bmp")), ReadBytes(w.dir.File("batch.bmp")));

    // A report opened is no analysis run here: it offers no fit diagnostics.
    w.ShowTab(w.form.OutputTabSheet);
    w.dialogs.openAnswers.push_back(out);
    w.Click(w.form.SeeOutputButton);
    EXPECT_TRUE(w.form.ViewGraphButton->isVisible() && !w.form.FitDiagnosticsButton->isVisible());
}

TEST(Scenario, AnInputFileOpenedAndSavedAgainRunsToItsGoldenReport) {
    Windows w(true);
    w.OpenInput(w.dir.Write("twelve.inp", DataFile("golden/twelve.inp", "x")));
    EXPECT_EQ((std::tuple{w.form.Title1Edit->text(), w.form.NrOfDataEdit->text(),
                          w.form.FileNameEdit->text()}),
              (std::tuple{"Twelve rows", "12", QString::fromStdString(w.dir.File("twelve.inp"))}));
    w.SaveRun("field.inp");
    EXPECT_EQ(ReadBytes(w.dir.File("field.out")),
              DataFile("golden/twelve.out", w.dir.File("field.inp")));
    EXPECT_EQ(ReadBytes(w.dir.File("field.dat")), DataFile("golden/twelve.dat"));
    EXPECT_EQ(w.dialogs.saveRequests.at(0).InitialFolder, w.dir.path().string());
}

TEST(Scenario, TheWindowTakesNoOtherCommandWhileARunComputes) {
    Windows w(true);
    w.PasteIntoCell(0, 0, SpreadsheetRows(kFifteenDays));
    const std::vector<QStringList> grid = w.Grid();
    bool probed = false;
    w.DuringRun([&] {
        probed = true;
        w.ShowTab(w.form.OutputTabSheet);
        w.PasteIntoCell(3, 1, "7\t7\r\n");
        w.Click(w.form.InputSaveButton);  // a second Save/Run
        w.Click(w.form.InputOpenButton);
        QTest::keyClick(&w.form, Qt::Key_F, Qt::AltModifier);  // the File menu
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(w.form.PageControl1->currentWidget(), w.form.InputTabSheet);
        EXPECT_EQ(w.Grid(), grid);
        EXPECT_TRUE(w.form.WaitMemo->isVisible() && w.form.WaitMemo->isEnabled());
    });
    w.SaveRun("field.inp");
    EXPECT_TRUE(probed);
    EXPECT_EQ((std::tuple{w.dialogs.saveRequests.size(), w.dialogs.openRequests.size(),
                          w.dialogs.messages.size()}),
              (std::tuple{1u, 0u, 1u}));
    // Afterwards every command is back.
    EXPECT_TRUE(w.form.PageControl1->tabBar()->isEnabled() && w.form.MainMenu1->isEnabled());
    EXPECT_TRUE(w.form.InputOpenButton->isEnabled() && w.form.OutputOpenAction->isEnabled());
    w.ShowTab(w.form.GraphicsTabSheet);
    EXPECT_EQ(w.form.PageControl1->currentWidget(), w.form.GraphicsTabSheet);
}

// 1500 days of rain and a drain discharge scattered far around what the
// model makes of it: the search gives up few grid points early and computes
// for seconds, long enough to end the program in the middle of it.
QString LongSeries() {
    std::mt19937 random(3);  // fully specified: the same series everywhere
    auto unit = [&random] { return double(random() % 10000) / 10000; };
    QString text;
    double q = 1;
    for (int day = 1; day <= 1500; ++day) {
        const double wet = unit(), size = unit(), scale = unit(), scatter = unit();
        const double rain = wet < 0.6 ? 0 : 25 * size * scale;
        const double e = std::exp(-(0.03 * q + 0.015));
        q = q * e + (1 - e) * std::max(0.0, rain - 0.2);
        text += QString("%1\t%2\t0.2\t%3\r\n")
                    .arg(day)
                    .arg(rain, 0, 'f', 2)
                    .arg(q * (1 + 1.5 * (scatter - 0.5)), 0, 'f', 2);
    }
    return text;
}

// Regression: the run waited for the window to show a progress line while
// the window waited for the run to end, and the program hung.
TEST(Scenario, EndingTheProgramDuringARunEndsItWithoutAReport) {
    for (bool finishButton : {true, false}) {  // "Finish", or the finish window closed
        Windows w(true);
        w.dir.Write("long.out", "an older report\r\n");
        w.PasteIntoCell(0, 0, LongSeries());
        ASSERT_EQ(w.grid().RowCount(), 1500);
        w.DuringRun([&] {
            w.form.close();  // refused: the finish window opens
            EXPECT_TRUE(w.finish.isVisible());
            finishButton ? w.Click(w.finish.FinishButton) : void(w.finish.close());
        });
        EXPECT_EQ(w.RunProgram([&] { w.SaveRun("long.inp"); }), 0);
        EXPECT_EQ(w.dir.Names(), (Texts{"long.inp", "long.out"}));
        EXPECT_EQ(ReadBytes(w.dir.File("long.out")), "an older report\r\n");
        EXPECT_TRUE(w.ended && w.dialogs.messages.empty());
    }
}

TEST(Scenario, RefusedRunsKeepTheInputTabAndThePreviousReport) {
    Windows w(true);
    w.PasteIntoCell(0, 0, SpreadsheetRows(kFifteenDays));
    w.Click(w.form.InputSaveButton);  // the file dialog cancelled
    EXPECT_EQ(w.dialogs.messages, Texts{"The input data were not saved"});
    w.SaveRun("first.inp");
    const QString previous = w.form.OutputMemo->toPlainText();
    w.ShowTab(w.form.InputTabSheet);
    // The same discharge every day: nothing to calibrate alpha on. Day 6
    // lacks its escape rate and is left out.
    std::vector<QStringList> flat = kFifteenDays;
    for (QStringList& row : flat) row[3] = "1.5";
    w.PasteIntoCell(0, 0, SpreadsheetRows(flat));
    w.ClickCell(5, 2);
    QTest::keyClick(&w.grid(), Qt::Key_Delete);
    w.dialogs.Clear();
    w.SaveRun("flat.inp");
    EXPECT_EQ(
        w.dialogs.messages,
        Texts{
            "There is no variation in runoff values. Rainfall-Discharge analysis cannot be made"});
    EXPECT_EQ(w.dir.Names(), (Texts{"first.dat", "first.inp", "first.out", "flat.inp"}));
    // The rows kept, packed to the top.
    EXPECT_EQ((std::pair{w.form.NrOfDataEdit->text(), w.grid().RowCount()}),
              (std::pair{QString("14"), 14}));
    EXPECT_EQ(w.Row(5), kFifteenDays[6].mid(0, 3) + QStringList{"1.5"});
    EXPECT_EQ(w.form.OutputMemo->toPlainText(), previous);
    EXPECT_EQ(w.form.PageControl1->currentWidget(), w.form.InputTabSheet);
    EXPECT_FALSE(w.form.WaitMemo->isVisible());
    // Ctrl+R on the Figure tab (Save input stays offered): a run that fails, on a
    // maximum storage of 0 or on a report it cannot write, shows the Input tab.
    w.PasteIntoCell(0, 0, SpreadsheetRows(kFifteenDays));
    std::filesystem::create_directory(w.dir.File("locked.out"));
    for (auto [maxSto, file] : {std::pair{"0", "empty.inp"}, {"50", "locked.inp"}}) {
        w.Type(w.form.MaxStorEdit, maxSto);
        w.ShowTab(w.form.FigureTabSheet);
        w.dialogs.saveAnswers.push_back(w.dir.File(file));
        QTest::keyClick(&w.form, Qt::Key_R, Qt::ControlModifier);
        EXPECT_EQ(w.form.PageControl1->currentWidget(), w.form.InputTabSheet) << file;
    }
}

TEST(Scenario, ClosingTheMainWindowShowsTheFinishWindowWhichEndsTheProgram) {
    Windows w;
    EXPECT_FALSE(w.form.close());
    EXPECT_TRUE(w.form.isVisible() && w.finish.isVisible());
    EXPECT_EQ(w.finish.StatusText(), "Click on the Finish button to end program");
    w.finish.hide();
    w.ChooseMenu("&File", "Program e&Xit");
    EXPECT_TRUE(w.form.isVisible() && w.finish.isVisible() && !w.ended);
    w.Click(w.finish.FinishButton);
    EXPECT_TRUE(w.ended);
    Windows again;
    again.form.close();
    EXPECT_TRUE(again.finish.close() && again.ended);
}

TEST(Scenario, OnlyTheInputTabOffersSaveInputAndOnlyTheFigureTabKeepsTheComment) {
    Windows w(true);
    w.Click(w.form.HelpButton);  // "Start help, units", pressed twice: one help window
    w.Click(w.form.HelpButton);
    EXPECT_TRUE(w.help.isVisible());
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(
        std::count_if(windows.begin(), windows.end(),
                      [](QWidget* t) { return qobject_cast<THelpForm*>(t) && t->isVisible(); }),
        1);
    for (QWidget* page : {w.form.OutputTabSheet, w.form.GraphicsTabSheet, w.form.FigureTabSheet,
                          w.form.IntroTabSheet, w.form.InputTabSheet}) {
        w.form.CommentButton->setEnabled(true);
        w.comment.show();
        w.ShowTab(page);
        const bool input = page == w.form.InputTabSheet, figure = page == w.form.FigureTabSheet;
        EXPECT_EQ(
            (std::tuple{w.form.PageControl1->currentWidget(), w.form.InputSaveAction->isEnabled(),
                        w.form.InputSaveButton->isEnabled(), w.comment.isVisible(),
                        w.form.CommentButton->isEnabled()}),
            (std::tuple{page, input, input, figure, figure}));
    }
}

TEST(Scenario, OpeningInputFilesOfEachModeAndSwitchingTheOption) {
    Windows w(true);
    // A prediction opens in the prediction layout with its alpha function.
    w.OpenInput(w.dir.Write("pred.inp", DataFile("inputs/prediction.inp", "x")));
    EXPECT_EQ(
        (std::tuple{w.dialogs.messages.size(), w.form.OptionComboBox->currentIndex(),
                    w.grid().ColCount(), w.form.A1coeffEdit->text(), w.form.InitLevelEdit->text()}),
        (std::tuple{0u, 1, 3, "0.032", "120"}));
    EXPECT_TRUE(w.form.AlphaDrainBox->isVisible() && w.form.AlfaButton->isVisible());
    // The data set holds a value of every row the grid shows.
    EXPECT_TRUE(w.dm().TimeData.size() >= 3 && w.dm().RainData.size() >= 3 &&
                w.dm().EscData.size() >= 3);
    // The analysis entry chosen on the selector: the analysis layout again.
    w.form.OptionComboBox->setFocus();
    QTest::keyClick(w.form.OptionComboBox, Qt::Key_Up);
    EXPECT_TRUE(w.dm().DischargeMode && !w.dm().PredictionMode &&
                !w.form.AlphaDrainBox->isVisible());
    EXPECT_EQ((std::pair{w.dm().ModeTag, w.grid().ColCount()}),
              (std::pair{std::string(" Dis"), 4}));
    // A file that is not there, or no input file at all, changes nothing.
    w.dialogs.Clear();
    w.OpenInput(w.dir.File("gone.inp"));
    w.Click(w.form.InputOpenButton);
    EXPECT_EQ(w.dialogs.messages, (Texts{"File does not exist, please select another one,",
                                         "No input file was selected"}));
    // A head-analysis file beside its parameter file opens as a prediction
    // with M and N derived, and the calculator.
    w.dir.Write("head.par", DataFile("inputs/field.par"));
    w.OpenInput(w.dir.Write("head.inp", DataFile("inputs/head.inp", "x")));
    EXPECT_EQ((std::tuple{w.dm().ModeTag, w.form.A1coeffEdit->text(), w.form.B1valueEdit->text()}),
              (std::tuple{" Pre", "0.032", "0.20173"}));
    EXPECT_TRUE(w.alfa.isVisible());
}

// Regression: after a report or a picture was opened, choosing the prediction
// entry read it as an input file, and the calculator named its file after it.
TEST(Scenario, PredictionAndCalculatorFollowTheInputFileNotAReportOrPicture) {
    Windows w(true);
    w.OpenInput(w.dir.Write("field.inp", DataFile("golden/twelve.inp", "x")));
    QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(w.dir.File("graph.bmp")));
    w.ShowTab(w.form.GraphicsTabSheet);
    w.dialogs.openAnswers = {w.dir.File("graph.bmp")};
    w.Click(w.form.SeeGraphButton);
    w.ShowTab(w.form.InputTabSheet);
    w.form.OptionComboBox->setFocus();
    QTest::keyClick(w.form.OptionComboBox, Qt::Key_Down);
    EXPECT_EQ(w.dialogs.messages, Texts{});
    w.alfa.show();
    w.alfa.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.alfa));
    for (auto [field, text] : {std::pair{w.alfa.Edit1, "1"},
                               {w.alfa.Edit2, "1"},
                               {w.alfa.Edit3, "5"},
                               {w.alfa.Edit4, "0.5"},
                               {w.alfa.Edit5, "5"},
                               {w.alfa.Edit6, "50"}})
        w.Type(field, text);
    w.Click(w.alfa.Button1);
    EXPECT_EQ(w.dir.Names(), (Texts{"field.inp", "field.par", "graph.bmp"}));
}

TEST(Scenario, UndoAndRedoWalkThroughTheGridStepsCellForCell) {
    Windows w(true);
    std::vector<std::vector<QStringList>> seen{w.Grid()};
    auto step = [&](const std::function<void()>& act) { act(), seen.push_back(w.Grid()); };
    step([&] { w.PasteIntoCell(0, 0, SpreadsheetRows(kFifteenDays)); });
    step([&] {
        QTest::keyClicks(w.OpenEditor(3, 1), "7.25");
        QTest::keyClick(w.grid().ActiveEditor(), Qt::Key_Return);
    });
    EXPECT_EQ((std::pair{w.grid().Cell(1, 3), w.grid().currentIndex().row()}),
              (std::pair{QString("7.25"), 4}));  // Enter moved to the next row
    step([&] { w.Click(w.form.ClearButton); });
    step([&] { w.Type(w.form.NrOfDataEdit, "18"); });
    w.ClickCell(0, 3);
    for (size_t i = seen.size() - 1; i > 0; --i) {
        QTest::keyClick(&w.grid(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w.Grid(), seen[i - 1]) << i;
    }
    for (size_t i = 1; i < seen.size(); ++i) {
        QTest::keyClick(&w.grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(w.Grid(), seen[i]) << i;
    }
    EXPECT_EQ(w.dm().NrOfData, 18);
}

TEST(Scenario, FilesDroppedOrRecentOpenAndTheWindowIsAsLeftAfterARestart) {
    Windows w(true);
    const std::string inp = w.dir.Write("field.inp", DataFile("golden/twelve.inp", "x"));
    w.Drop(inp);
    EXPECT_EQ(w.form.FileNameEdit->text().toStdString(), inp);
    w.Drop(w.dir.Write("field.out", "report line\r\n"));
    EXPECT_EQ(w.form.OutputMemo->toPlainText(), "report line");
    QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(w.dir.File("graph.bmp")));
    w.Drop(w.dir.File("graph.bmp"));
    w.Drop(w.dir.Write("notes.txt", "x"));  // no file Tervala opens: a message
    EXPECT_TRUE(w.form.PictureImage->isVisible() && w.dialogs.messages.size() == 1);
    w.OpenInput(w.dir.Write("other.inp", DataFile("golden/twelve.inp", "x")));
    w.form.resize(900, 700);
    w.form.close();
    w.Click(w.finish.FinishButton);

    Windows again(true, /*restart=*/true);
    EXPECT_EQ(again.form.size(), QSize(900, 700));
    again.ChooseRecent(1);  // the second file used last
    EXPECT_EQ(again.form.FileNameEdit->text().toStdString(), inp);
    std::filesystem::remove(w.dir.File("other.inp"));  // second now, after field.inp
    again.ChooseRecent(1);
    EXPECT_EQ((std::tuple{again.dialogs.messages.size(), again.form.RecentMenu->actions().size()}),
              (std::tuple{1u, 1}));
}

// Regression: a short message cut its caption in the title bar, and the file
// dialogs opened too narrow to show the columns of their files.
TEST(QtDialogs, MessagesShowTheirCaptionAndFileDialogsTheirColumns) {
    QtDialogs dialogs("Ombrel rainfall runoff relations");
    bool wholeCaption = false, allColumns = false;
    Windows::WhenShown(QApplication::activeModalWidget, [&](QWidget* box) {
        wholeCaption =
            box->width() > box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100;
        box->close();
    });
    dialogs.ShowMessage("Saved");
    Windows::WhenShown(QApplication::activeModalWidget, [&](QWidget* dialog) {
        auto* files = dialog->findChild<QTreeView*>();
        const QHeaderView* columns = files->header();
        const int last = columns->logicalIndex(columns->count() - 1);  // the date, shown whole
        const QString date =
            QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
        allColumns =
            columns->sectionSize(last) > files->fontMetrics().horizontalAdvance(date) + 20 &&
            columns->sectionViewportPosition(last) + columns->sectionSize(last) <=
                files->viewport()->width();
        dialog->close();
    });
    dialogs.ChooseOpenFile({"Open input file", "Input files (*.inp)|*.inp", "inp", "", ""});
    EXPECT_TRUE(wholeCaption && allColumns);
}

}  // namespace
}  // namespace tervala::testing
