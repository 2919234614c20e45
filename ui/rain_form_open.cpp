// "Open input" and "Open output": an input file brought back onto the Input
// tab, laid out for its mode, and a report brought onto the Output tab.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <cctype>
#include <filesystem>

#include "engine/open_input_file.h"
#include "engine/session.h"
#include "model/graph_request.h"
#include "model/input_file.h"
#include "model/message_texts.h"
#include "model/number_text.h"
#include "ui/dialogs.h"
#include "ui/rain_form.h"
#include "ui/window_helpers.h"

namespace tervala {

void TRainForm::InputOpenActionExecute() { OpenInput(std::nullopt); }

void TRainForm::OutputOpenActionExecute() { OpenOutput(std::nullopt); }

void TRainForm::OpenGivenFile(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".out") {
        OpenOutput(path);
        return;
    }
    // As if the user had gone to the Input tab and pressed " Open input".
    PageControl1->setCurrentWidget(InputTabSheet);
    OpenInput(path);
}

void TRainForm::OpenInput(const std::optional<std::string>& given) {
    TDMOmbrel& dm = DM();
    if (windows_.AlfaForm) windows_.AlfaForm->hide();
    dm.ParFileRead = false;
    const std::optional<std::string> chosen =
        given ? given : dialogs_.ChooseOpenFile(FileDialogs.InputOpenDialog);
    if (!chosen) {
        ShowMessage(kNoInputSelectedText);
        return;
    }
    // Whatever went wrong has been told; the data set stays the one shown.
    const OpenedInput opened =
        OpenInputFile(*session_, *chosen, OptionComboBox->currentIndex() == 1, dialogs_);
    if (!opened.Read) return;
    RememberInputFile(dm.FileName);
    ForgetGridHistory();
    if (opened.Derived) ShowDerivedAlpha(*opened.Derived);

    NrOfDataEdit->setText(QString::number(dm.NrOfData));
    // The reader took the file only with one of the three tags.
    if (dm.TaggedMode() == DataMode::Prediction) {
        OptionComboBox->setCurrentIndex(1);
    } else {
        if (dm.TaggedMode() == DataMode::DischargeAnalysis) OptionComboBox->setCurrentIndex(0);
        AlphaDrainBox->hide();
    }
    if (dm.PredictionMode) {
        AlphaDrainBox->show();
        AlfaMemo->show();
        AlfaButton->show();
    } else {
        AlfaMemo->hide();
        AlfaButton->hide();
    }
    FileNameEdit->setText(QString::fromStdString(dm.FileName));
    FileNameEdit->show();
    FileNameLabel->show();
    InputImage->hide();
    // A comment belongs to a graph of the earlier data.
    HideCommentWindow();

    Title1Edit->setText(QString::fromStdString(dm.Title1));
    Title2Edit->setText(QString::fromStdString(dm.Title2));
    NrOfDataEdit->setText(QString::number(dm.NrOfData));
    MaxStorEdit->setText(General(dm.MaxSto));
    InitStorEdit->setText(General(dm.IniSto));
    EscapeEdit->setText(General(dm.MaxEsc));
    DataEntered = true;
    ColourMode = true;
    FileDialogs.SetDialogFolders(FolderOf(dm.FileName));
    RefreshInputTab();
}

void TRainForm::ShowDerivedAlpha(const DrainageResult& alpha) {
    A1coeffEdit->setText(QString::fromStdString(AlphaFieldText(alpha.Exact.M)));
    B1valueEdit->setText(QString::fromStdString(AlphaFieldText(alpha.Exact.N)));
    PorosityEdit->setText(General(DM().Porosity));
    ShowWindow(windows_.AlfaForm);
}

bool TRainForm::ChooseAndLoadReport(const std::optional<std::string>& given) {
    TDMOmbrel& dm = DM();
    const std::optional<std::string> chosen =
        given ? given : dialogs_.ChooseOpenFile(FileDialogs.OutputOpenDialog);
    if (!chosen) {
        ShowMessage(kNoOutputSelectedText);
        return false;
    }
    ForgetFit();  // the report shown is no longer the analysis just run
    // A report that is not there or cannot be read has been told; the lines
    // held before are shown.
    OpenReport(dm, *chosen, dialogs_);
    return true;
}

void TRainForm::OpenOutput(const std::optional<std::string>& given) {
    TDMOmbrel& dm = DM();
    if (!ChooseAndLoadReport(given)) return;
    ShowStatus("The output file can be imported into spreadsheets");
    OutputTabSheet->setUpdatesEnabled(false);
    ShowReportLines();
    OutputTabSheet->setUpdatesEnabled(true);
    FileDialogs.SetDialogFolders(FolderOf(dm.FileName));
    ReportShown = true;
    ColourMode = true;
    ViewGraphButton->show();
    SeeGraphButton->show();
    HideCommentWindow();
    OutputTabSheet->show();
    PageControl1->setCurrentWidget(OutputTabSheet);
}

}  // namespace tervala
