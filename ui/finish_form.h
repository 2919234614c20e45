// The closing window: the only way out of the program. Closing the main
// window shows it; its "Finish" button, or closing it, ends the program.
#pragma once

#include "ui/base_form.h"

class QPlainTextEdit;
class QPushButton;

namespace tervala {

class TFinishForm : public TBaseForm {
    Q_OBJECT

  public:
    explicit TFinishForm(QWidget* parent = nullptr);

    void FinishButtonClick();

    QPlainTextEdit* FinishMemo = nullptr;
    QPushButton* FinishButton = nullptr;

  signals:
    // The user chose to end the program; the program start connects it to
    // the end of the event loop.
    void EndProgram();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace tervala
