#include "ui/fit_diagnostics_form.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <filesystem>

#include "model/message_texts.h"
#include "ui/dialogs.h"
#include "ui/objective_map_picture.h"
#include "ui/program_folders.h"
#include "ui/window_helpers.h"

namespace tervala {

TFitDiagnosticsForm::TFitDiagnosticsForm(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
    setObjectName("FitDiagnosticsForm");
    setWindowTitle("Fit diagnostics");
    DiagnosticsMemo = new QPlainTextEdit(this);
    DiagnosticsMemo->setObjectName("DiagnosticsMemo");
    DiagnosticsMemo->setReadOnly(true);
    DiagnosticsMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The figures stand in aligned columns.
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::Monospace);
    DiagnosticsMemo->setFont(fixed);
    LandscapeImage = new QLabel(this);
    LandscapeImage->setObjectName("LandscapeImage");
    LandscapeImage->setFixedSize(kObjectiveMapWidth, kObjectiveMapHeight);
    SavePictureButton = MakeButton(this, "SavePictureButton", "Save picture...");
    SavePictureButton->setEnabled(false);
    CloseButton = MakeButton(this, "CloseButton", "Close");
    connect(SavePictureButton, &QPushButton::clicked, this,
            &TFitDiagnosticsForm::SavePictureButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);

    auto* pages = new QHBoxLayout;
    pages->addWidget(DiagnosticsMemo, 1);
    pages->addWidget(LandscapeImage);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SavePictureButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);
    resize(1240, kObjectiveMapHeight + 60);
}

TFitDiagnosticsForm::~TFitDiagnosticsForm() {
    // Older diagnoses were asked to stop when a newer one started.
    if (stop_) *stop_ = true;
    for (QThread* thread : findChildren<QThread*>()) thread->wait();
}

void TFitDiagnosticsForm::Diagnose(const AnalysisFit& fit) {
    const int request = ++request_;
    diagnosis_.reset();
    SavePictureButton->setEnabled(false);
    LandscapeImage->clear();
    DiagnosticsMemo->setPlainText("Computing the fit diagnostics and the confidence region ...");
    if (stop_) *stop_ = true;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    auto result = std::make_shared<FitDiagnosis>();
    DiagnosisOptions options;
    options.Picture = true;
    options.StopRequested = [stop = stop_] { return stop->load(); };
    // The window goes on meanwhile; the thread works on its own copy.
    QThread* thread =
        QThread::create([fit, options, result] { *result = DiagnoseFit(fit, options); });
    thread->setParent(this);
    connect(thread, &QThread::finished, this, [this, thread, result, request] {
        thread->deleteLater();
        Show(*result, request);
    });
    thread->start();
}

void TFitDiagnosticsForm::Show(const FitDiagnosis& diagnosis, int request) {
    if (request != request_) return;
    diagnosis_ = diagnosis;
    DiagnosticsMemo->setPlainText(QString::fromStdString(DiagnosisText(diagnosis)));
    if (diagnosis.Map)
        LandscapeImage->setPixmap(QPixmap::fromImage(DrawObjectiveMapImage(*diagnosis.Map)));
    SavePictureButton->setEnabled(diagnosis.Map.has_value());
    emit Shown();
}

void TFitDiagnosticsForm::SavePictureButtonClick() {
    if (!diagnosis_ || !diagnosis_->Map) return;
    const std::filesystem::path input(diagnosis_->InputFile);
    FileDialogRequest save{"Save the picture of the fit",
                           "PNG pictures (*.png)|*.png|SVG drawings (*.svg)|*.svg", "png",
                           FolderForSaving(FolderOf(diagnosis_->InputFile)),
                           input.stem().string() + "-fit.png"};
    const std::optional<std::string> file = ChooseFileToWrite(dialogs_, save);
    if (!file) return;
    if (MapFileTypeOf(*file) == MapFileType::Unknown) {
        dialogs_.ShowMessage(FitPictureTypeText(*file));
        return;
    }
    if (!SaveObjectiveMap(*diagnosis_->Map, *file))
        dialogs_.ShowMessage(FitPictureNotWrittenText(*file));
}

}  // namespace tervala
