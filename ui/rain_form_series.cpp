// Series in and out of the window: File > "Import series..." reads a CSV file
// into the grid (asking for the columns when the header does not name them),
// "Save series as CSV..." on the Output tab writes every series of the report
// shown, and "Copy graph data" on the Graphics tab puts the drawn graph's
// series on the clipboard as spreadsheet text. The core reads and writes;
// the window asks and tells.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "engine/report_series.h"
#include "engine/series_import.h"
#include "engine/series_input_file.h"
#include "engine/series_messages.h"
#include "engine/session.h"
#include "graphs/graph_data_table.h"
#include "model/file_replace.h"
#include "model/input_file.h"
#include "ui/dialogs.h"
#include "ui/program_folders.h"
#include "ui/rain_form.h"
#include "ui/window_helpers.h"

namespace tervala {

namespace {

// Asks which column holds each series the job needs; false when cancelled.
bool AskColumns(Dialogs& dialogs, const std::string& file, const SeriesImport& imported,
                SeriesImportRequest& request) {
    ColumnChoiceRequest ask;
    ask.File = file;
    for (int c = 0; c < imported.Columns; ++c) {
        const size_t i = static_cast<size_t>(c);
        ask.Columns.push_back(std::to_string(c + 1) + ": " +
                              (i < imported.Header.size() ? imported.Header[i] : "column"));
    }
    const int needed = request.Job == SeriesJob::Analysis ? kSeriesRoles : kSeriesRoles - 1;
    for (int r = 0; r < needed; ++r) {
        ask.Roles.push_back(RoleName(static_cast<SeriesRole>(r)));
        ask.Preselected.push_back(imported.Found[r]);
    }
    const std::optional<std::vector<int>> chosen = dialogs.ChooseColumns(ask);
    if (!chosen) return false;
    for (size_t r = 0; r < chosen->size() && r < request.Columns.size(); ++r)
        request.Columns[r] = std::to_string((*chosen)[r] + 1);
    return true;
}

bool ColumnProblem(const SeriesImport& imported) {
    return imported.Problem && (imported.Problem->Kind == ImportRefusal::NoSuchColumn ||
                                imported.Problem->Kind == ImportRefusal::ColumnTwice);
}

}  // namespace

void TRainForm::CreateSeriesCommands() {
    ImportSeriesAction = new QAction("Import &series...", this);
    ImportSeriesAction->setObjectName("ImportSeriesAction");
    ImportSeriesAction->setStatusTip(
        "Reads time, rain, escape rate and observed discharge from a CSV file into the grid");
    FileMenu->insertAction(OutputOpenAction, ImportSeriesAction);
    connect(ImportSeriesAction, &QAction::triggered, this, [this] { ImportSeriesActionExecute(); });
    connect(SaveSeriesCsvButton, &QPushButton::clicked, this, &TRainForm::SaveSeriesCsvButtonClick);
    connect(CopyGraphDataButton, &QPushButton::clicked, this, &TRainForm::CopyGraphDataButtonClick);
}

void TRainForm::ImportSeriesActionExecute() {
    FileDialogRequest open{kImportSeriesTitle, kCsvFilesFilter, "csv",
                           FileDialogs.InputOpenDialog.InitialFolder, ""};
    const std::optional<std::string> file = dialogs_.ChooseOpenFile(open);
    if (!file) return;
    const std::optional<CsvTable> table = ReadCsvFile(*file);
    if (!table) {
        dialogs_.ShowMessage(SeriesFileNotReadText(*file));
        return;
    }
    // The job of the option selector: its first entry an analysis.
    SeriesImportRequest request;
    request.Job = OptionComboBox->currentIndex() == 1 ? SeriesJob::Prediction : SeriesJob::Analysis;
    SeriesImport imported = ImportSeries(*table, request);
    if (ColumnProblem(imported)) {
        if (!AskColumns(dialogs_, *file, imported, request)) return;
        imported = ImportSeries(*table, request);
    }
    if (imported.Problem && imported.Problem->Kind == ImportRefusal::TooManyRows) {
        if (!dialogs_.AskYesNo(KeepFirstRowsQuestion(*imported.Problem, *file))) return;
        request.KeepFirstRows = true;
        imported = ImportSeries(*table, request);
    }
    if (imported.Problem) {
        dialogs_.ShowMessage(ImportProblemText(*imported.Problem, *file, Asker::Window));
        return;
    }
    const ImportedSeries& series = *imported.Series;
    PutSeriesIntoDataSet(DM(), series, request.Job);
    if (Title1Edit->text().isEmpty() && Title2Edit->text().isEmpty()) {
        Title1Edit->setText(QString::fromStdString(ImportedTitle1(*file)));
        Title2Edit->setText(QString::fromStdString(ImportedTitle2(series)));
    }
    DataEntered = true;
    FileDialogs.SetDialogFolders(FolderOf(*file));
    ForgetGridHistory();
    RefreshInputTab();
    PageControl1->setCurrentWidget(InputTabSheet);
    if (const std::string leftOut = LeftOutText(series, *file); !leftOut.empty())
        dialogs_.ShowMessage(leftOut);
}

void TRainForm::SaveSeriesCsvButtonClick() {
    const std::string report = DM().LastFileName;
    if (!ReportShown || report.empty()) {
        dialogs_.ShowMessage(kNoReportForSeriesText);
        return;
    }
    const std::optional<SeriesTable> table = ReadReportSeries(report, dialogs_);
    if (!table) return;
    const std::filesystem::path reportPath(report);
    FileDialogRequest save{kSaveSeriesTitle, kSaveSeriesFilter, "csv",
                           FolderForSaving(reportPath.parent_path().string()),
                           reportPath.stem().string() + ".csv"};
    const std::optional<std::string> file = ChooseFileToWrite(dialogs_, save);
    if (!file) return;
    if (!ReplaceFileContent(*file, SeriesTableText(*table, ',')))
        dialogs_.ShowMessage(FileNotWrittenText(*file));
}

void TRainForm::CopyGraphDataButtonClick() {
    if (!GraphImage->isVisible()) {
        dialogs_.ShowMessage(kNoGraphForDataText);
        return;
    }
    const GraphInput shown{DM(), session_->Values, GraphKind, ColourMode};
    QApplication::clipboard()->setText(
        QString::fromStdString(SeriesTableText(GraphDataTable(shown), '\t')));
    ShowStatus(kGraphDataCopiedText);
}

}  // namespace tervala
