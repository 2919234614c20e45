// " Save / Run": the grid and fields saved as an input file, the run of the
// mode the data set is in, with its progress lines in WaitMemo, and the
// report on the Output tab. The engine works in a thread of its own so that
// the progress lines are painted as they come; meanwhile the window takes no
// other command. Ending the program during the run stops the search and
// leaves the report unwritten.
#include <QAction>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <exception>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "engine/run_selected_mode.h"
#include "engine/save_input.h"
#include "engine/session.h"
#include "model/input_file.h"
#include "model/number_text.h"
#include "model/report_loading.h"
#include "ui/dialogs.h"
#include "ui/gui_thread_relay.h"
#include "ui/program_folders.h"
#include "ui/rain_form.h"
#include "ui/string_grid.h"
#include "ui/window_helpers.h"

namespace tervala {

namespace {

// While a run works, the window takes no other command: the tab bar, the
// menus, the actions and the controls of the page in front are disabled and
// afterwards restored as they were. The progress memo stays readable, and the
// run's message boxes stay usable, since they are windows of their own.
class CommandsHeldBack {
  public:
    CommandsHeldBack(QTabWidget* pages, QMenuBar* menu, const QList<QAction*>& actions,
                     QWidget* keepActive) {
        for (QAction* a : actions) {
            held_.emplace_back(a, a->isEnabled());
            a->setEnabled(false);
        }
        Hold(pages->tabBar());
        Hold(menu);
        if (QWidget* page = pages->currentWidget()) {
            for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w != keepActive) Hold(w);
        }
    }
    ~CommandsHeldBack() {
        for (auto& [widget, enabled] : widgets_)
            if (widget) widget->setEnabled(enabled);
        for (auto& [action, enabled] : held_) action->setEnabled(enabled);
    }
    CommandsHeldBack(const CommandsHeldBack&) = delete;
    CommandsHeldBack& operator=(const CommandsHeldBack&) = delete;

  private:
    void Hold(QWidget* w) {
        if (!w) return;
        widgets_.emplace_back(w, w->isEnabled());
        w->setEnabled(false);
    }

    std::vector<std::pair<QPointer<QWidget>, bool>> widgets_;
    std::vector<std::pair<QAction*, bool>> held_;
};

}  // namespace

void TRainForm::CreateRunControls() {
    WaitMemo = new QPlainTextEdit(InputTabSheet);
    WaitMemo->setObjectName("WaitMemo");
    WaitMemo->setReadOnly(true);
    WaitMemo->setGeometry(445, 282, 212, kWaitMemoHeight);
    WaitMemo->hide();

    connect(InputSaveAction, &QAction::triggered, this, [this] { InputSaveActionExecute(); });
    connect(InputOpenAction, &QAction::triggered, this, [this] { InputOpenActionExecute(); });
    connect(OutputOpenAction, &QAction::triggered, this, [this] { OutputOpenActionExecute(); });
}

bool TRainForm::ChooseInputFile() {
    RunCancelled = false;
    // An example opened from the program's folder is saved as the user's own
    // copy: the dialog proposes its name in a folder of the user's.
    FileDialogRequest request = FileDialogs.InputSaveDialog;
    request.InitialFolder = FolderForSaving(request.InitialFolder);
    if (InExamplesFolder(DM().FileName))
        request.InitialName = std::filesystem::path(DM().FileName).filename().string();
    const std::optional<std::string> chosen = dialogs_.ChooseSaveFile(request);
    if (!chosen) {
        RunCancelled = true;
        return false;
    }
    // The run writes the report and fit file beside the input file under its
    // base name; an input file named like one of them would be lost.
    std::optional<std::string> refusal = InputNameRefusal(*chosen);
    if (!refusal) refusal = ExamplesKeptRefusal(*chosen);
    if (refusal) {
        dialogs_.ShowMessage(*refusal);
        return false;
    }
    if (FileExists(*chosen) && !dialogs_.AskYesNo(kOverwriteQuestion)) {
        return false;
    }
    // Only a name that may be written becomes the data set's file.
    DM().FileName = *chosen;
    return true;
}

SaveRequest TRainForm::ReadInputControls() const {
    SaveRequest request;
    request.Title1 = Title1Edit->text().toStdString();
    request.Title2 = Title2Edit->text().toStdString();
    const int n = session_->DMOmbrel.NrOfData;
    request.Grid.resize(static_cast<size_t>(n > 0 ? n : 0));
    for (int r = 0; r < n; ++r) {
        GridRowTexts& row = request.Grid[static_cast<size_t>(r)];
        for (int c = 0; c < 4; ++c)
            row[static_cast<size_t>(c)] = StringGrid1->Cell(c, r).toStdString();
    }
    request.Fields.MCoeff = A1coeffEdit->text().toStdString();
    request.Fields.NValue = B1valueEdit->text().toStdString();
    request.Fields.RunIni = InitRunEdit->text().toStdString();
    request.Fields.HeadIni = InitLevelEdit->text().toStdString();
    request.Fields.Porosity = PorosityEdit->text().toStdString();
    return request;
}

void TRainForm::ShowKeptRows(const SaveOutcome& saved) {
    const TDMOmbrel& dm = DM();
    NrOfDataEdit->setText(QString::number(saved.KeptRows));
    StringGrid1->SetRowCount(saved.KeptRows > 0 ? saved.KeptRows : 1);
    OrigNrOfData = StringGrid1->RowCount();
    if (!saved.RowsLeftOut) return;
    // The kept rows, packed from the top, in the shortest text of their value.
    const bool analysis = dm.DischargeMode || dm.HeadMode;
    TStringGrid::Batch batch(*StringGrid1);
    for (int k = 0; k < saved.KeptRows; ++k) {
        StringGrid1->SetCell(0, k, General(dm.TimeData[k]));
        StringGrid1->SetCell(1, k, General(dm.RainData[k]));
        StringGrid1->SetCell(2, k, General(dm.EscData[k]));
        if (analysis)
            StringGrid1->SetCell(3, k,
                                 General(dm.DischargeMode ? dm.DischData[k] : dm.HeadData[k]));
    }
}

void TRainForm::AddWaitLine(const std::string& line) {
    WaitMemo->appendPlainText(QString::fromStdString(line));
    WaitMemo->repaint();
}

void TRainForm::PauseForReading(int milliseconds) {
    const int wait = milliseconds * ProgressPausePercent / 100;
    if (wait <= 0) return;
    // The window keeps painting while the user reads; its commands are held back.
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    loop.exec();
}

RunOutcome TRainForm::RunSelectedModeOffThread(std::string& failure) {
    Session& s = *session_;
    GuiThreadRelay relay(
        dialogs_, [this](const std::string& line) { AddWaitLine(line); },
        [this](int rows) { NrOfDataEdit->setText(QString::number(rows)); });
    const int percent = ProgressPausePercent;
    const RunPause pause = [&relay, percent](int milliseconds) {
        relay.Pause(milliseconds * percent / 100);
    };

    RunOutcome outcome;
    // A thread of the run's own, not one of Qt's shared pool: the window's
    // painting hands work to that pool and waits for it, and on a machine
    // with one processor the pool has a single thread.
    std::unique_ptr<QThread> run(QThread::create([&s, &relay, &pause, &outcome, &failure] {
        try {
            outcome = RunSelectedMode(s, relay, relay, pause);
        } catch (const std::exception& e) {
            // A report or fit file that cannot be written, or an input file
            // that cannot be read back: the run has no result.
            failure = e.what();
        } catch (...) {
            failure = kRunStoppedText;
        }
    }));
    // The run's end reaches this loop after everything the run handed over,
    // so its lines and messages are all shown before the window goes on.
    QEventLoop loop;
    connect(run.get(), &QThread::finished, &loop, &QEventLoop::quit);
    runRelay_ = &relay;
    run->start();
    loop.exec();
    // The loop ends before the run only when the program is ending. The
    // search then stops at its next progress point, and nothing the run still
    // does waits for this thread.
    if (!run->isFinished()) relay.RequestStop();
    run->wait();
    runRelay_ = nullptr;
    return outcome;
}

void TRainForm::ProgramEnding() {
    programEnding_ = true;
    RememberWindow();
    if (runRelay_) runRelay_->RequestStop();
}

void TRainForm::InputSaveActionExecute() {
    if (runActive_) return;  // one command at a time
    TDMOmbrel& dm = DM();
    if (windows_.AlfaForm) windows_.AlfaForm->hide();
    if (!ChooseInputFile()) {
        ShowMessage(kNotSavedText);
        return;
    }
    const SaveOutcome saved = SaveInputData(*session_, ReadInputControls(), dialogs_);
    // A refusal has been told; the Input tab stays as it is.
    if (saved.Result != SaveResult::Saved) return;
    ShowKeptRows(saved);
    // The grid is the saved file's now: its history ends here.
    ForgetGridHistory();
    RememberInputFile(dm.FileName);

    RunOutcome outcome;
    std::string failure;
    {
        runActive_ = true;
        CommandsHeldBack heldBack(PageControl1, MainMenu1, actions(), WaitMemo);
        WaitMemo->show();
        WaitMemo->raise();
        WaitMemo->clear();
        AddWaitLine(" Saving data .....");
        PauseForReading(500);
        AddWaitLine(" Progress 10% ....");
        if (!programEnding_) outcome = RunSelectedModeOffThread(failure);
        runActive_ = false;
    }
    // The user ended the program meanwhile: whatever the run did not finish
    // stays unwritten, and nothing more is shown.
    if (programEnding_) return;
    if (outcome.Report) {
        // The graph choice of the Graphics tab names what the report allows:
        // a head analysis gives discharge, the others a water table.
        RadioButton4->setText(*outcome.Report == DataMode::HeadAnalysis ? "Discharge in time"
                                                                        : "Watertable in time");
    }
    RunCancelled = outcome.RunCancelled;

    if (!failure.empty()) {
        WaitMemo->clear();
        WaitMemo->hide();
        RunCancelled = true;
        ShowMessage(QString::fromStdString(failure));
        PageControl1->setCurrentWidget(InputTabSheet);
        return;
    }
    switch (JudgeRun(*session_, outcome)) {
        case RunVerdict::Refused:
            // The engine has told why.
            WaitMemo->clear();
            WaitMemo->hide();
            return;
        case RunVerdict::Failed:
            WaitMemo->clear();
            WaitMemo->hide();
            PageControl1->setCurrentWidget(InputTabSheet);
            return;
        case RunVerdict::Stopped:  // the program is ending
            return;
        case RunVerdict::Good:
            break;
    }

    KeepFit();
    dm.FileName = ReplaceExtension(dm.FileName, ".out");
    LoadReport(dm, dm.FileName, dialogs_);
    {
        runActive_ = true;
        CommandsHeldBack heldBack(PageControl1, MainMenu1, actions(), WaitMemo);
        AddWaitLine(" Filing results ..");
        PauseForReading(1000);
        runActive_ = false;
    }
    if (programEnding_) return;
    WaitMemo->hide();
    ShowMessage(
        QString::fromStdString(RunDoneText(ReplaceExtension(dm.FileName, ".inp"), dm.FileName)));
    ShowReportLines();
    dm.LastFileName = dm.FileName;
    FileDialogs.SetDialogFolders(FolderOf(dm.FileName));

    OutputMemo->show();
    ReportShown = true;
    GraphRequested = true;
    PageControl1->setCurrentWidget(OutputTabSheet);
    // Showing the Output tab withdraws a pending graph request; the report
    // just written is the one the Graphics tab is to draw.
    GraphRequested = true;
}

void TRainForm::ShowReportLines() {
    const TDMOmbrel& dm = DM();
    QStringList lines;
    const int count = std::min<int>(dm.OutputLineCount, static_cast<int>(dm.OutputLines.size()));
    lines.reserve(count);
    for (int i = 0; i < count; ++i) lines << QString::fromStdString(dm.OutputLines[i]);
    OutputMemo->clear();
    if (count > 0) OutputMemo->setPlainText(lines.join('\n'));
}

}  // namespace tervala
