// "Fit diagnostics" of the analysis just run: the measures of fit, the water
// balance, the edge of the grid and the confidence region as text, and the
// picture of the search sum over the grid, which can be saved as PNG or SVG.
// A window of its own beside the main window (not modal). The diagnosis
// (the region's enumeration takes about as long as the search) is computed
// in a thread of its own; the window shows it when it is done.
#pragma once

#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

#include "engine/fit_diagnosis.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tervala {

class Dialogs;

class TFitDiagnosticsForm : public QWidget {
    Q_OBJECT
  public:
    TFitDiagnosticsForm(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TFitDiagnosticsForm() override;

    // Diagnoses `fit` and shows the outcome when it is ready; what an earlier
    // call is still computing is not shown any more.
    void Diagnose(const AnalysisFit& fit);
    // Asks for a PNG or SVG file and writes the picture to it.
    void SavePictureButtonClick();

    QPlainTextEdit* DiagnosticsMemo = nullptr;
    QLabel* LandscapeImage = nullptr;
    QPushButton* SavePictureButton = nullptr;
    QPushButton* CloseButton = nullptr;

  signals:
    // The diagnosis is shown (tests wait for it).
    void Shown();

  private:
    void Show(const FitDiagnosis& diagnosis, int request);

    Dialogs& dialogs_;
    std::optional<FitDiagnosis> diagnosis_;
    int request_ = 0;  // the latest request; older results are dropped
    // Asks the latest diagnosis to stop, when a newer one starts or the
    // window goes.
    std::shared_ptr<std::atomic<bool>> stop_;
};

}  // namespace tervala
