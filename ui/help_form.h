// The "Start help" window: units of the data, entering and pasting data, and a
// worked calibration of the example "Vidora". Non-modal; shown again, not
// duplicated, when its button is pressed twice.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

namespace tervala {

class THelpForm : public QWidget {
    Q_OBJECT
  public:
    explicit THelpForm(QWidget* parent = nullptr);

    QPlainTextEdit* HelpMemo;  // read-only, with a vertical scroll bar
};

}  // namespace tervala
