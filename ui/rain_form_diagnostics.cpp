// "Fit diagnostics" on the Output tab: after an analysis run in the window,
// its measures of fit, water balance, edge of the grid, confidence region
// and the picture of the search sum, computed by the core as
// `tervala-batch diagnose` computes them, in a window of their own.
#include <QPushButton>

#include "engine/fit_diagnosis.h"
#include "engine/session.h"
#include "ui/fit_diagnostics_form.h"
#include "ui/rain_form.h"

namespace tervala {

void TRainForm::CreateDiagnosticsCommands() {
    connect(FitDiagnosticsButton, &QPushButton::clicked, this,
            &TRainForm::FitDiagnosticsButtonClick);
}

void TRainForm::KeepFit() {
    const TDMOmbrel& dm = DM();
    // Diagnostics on screen belong to the analysis before.
    if (FitDiagnosticsForm) FitDiagnosticsForm->hide();
    if (dm.DischargeMode || dm.HeadMode) {
        fit_ = std::make_unique<AnalysisFit>(CaptureAnalysisFit(
            *session_, dm.HeadMode ? AnalysisKind::Head : AnalysisKind::Discharge));
        ++fitNumber_;
    } else {
        fit_.reset();  // a prediction has no fit
    }
    FitDiagnosticsButton->setVisible(fit_ != nullptr);
}

void TRainForm::ForgetFit() {
    if (FitDiagnosticsForm) FitDiagnosticsForm->hide();
    fit_.reset();
    FitDiagnosticsButton->hide();
}

void TRainForm::FitDiagnosticsButtonClick() {
    if (!fit_) return;
    if (!FitDiagnosticsForm) FitDiagnosticsForm = new TFitDiagnosticsForm(dialogs_, this);
    // Asked again for the same analysis, the window shows what it has.
    if (diagnosedNumber_ != fitNumber_) {
        FitDiagnosticsForm->Diagnose(*fit_);
        diagnosedNumber_ = fitNumber_;
    }
    ShowWindow(FitDiagnosticsForm);
}

}  // namespace tervala
