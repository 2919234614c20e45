// The common ground of the program's windows that talk to the user through a
// status bar: one panel of guidance text that is painted at once, so that it
// can be read even while a long computation follows.
#pragma once

#include <QMainWindow>
#include <QString>

class QLabel;
class QStatusBar;

namespace tervala {

class TBaseForm : public QMainWindow {
    Q_OBJECT

  public:
    explicit TBaseForm(QWidget* parent = nullptr);

    // Puts `text` into the status bar and repaints it before returning.
    void ShowStatus(const QString& text);
    QString StatusText() const;

    QStatusBar* StatusBar1 = nullptr;

  private:
    QLabel* statusPanel_ = nullptr;
};

}  // namespace tervala
