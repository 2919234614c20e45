// Help > About: the program's name, version and licence, and the libraries it
// is built with, each with its licence. A small window of its own beside the
// main window (not modal); asked for twice, it is shown once.
#pragma once

#include <QWidget>

class QLabel;

namespace tervala {

class TAboutBox : public QWidget {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* AboutText;
};

}  // namespace tervala
