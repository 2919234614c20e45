#include "ui/base_form.h"

#include <QFont>
#include <QLabel>
#include <QStatusBar>

namespace tervala {

TBaseForm::TBaseForm(QWidget* parent) : QMainWindow(parent) {
    // The windows are laid out in pixels for this font (metric-compatible
    // "Liberation Sans" where Arial itself is missing).
    QFont font("Arial", 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    // The guidance text lives in a panel of its own: hints of menu entries
    // cover it while the mouse is over them and it comes back afterwards.
    statusPanel_ = new QLabel(StatusBar1);
    statusPanel_->setObjectName("StatusPanel");
    StatusBar1->addWidget(statusPanel_, 1);
    setStatusBar(StatusBar1);
}

void TBaseForm::ShowStatus(const QString& text) {
    statusPanel_->setText(text);
    statusPanel_->repaint();
}

QString TBaseForm::StatusText() const { return statusPanel_->text(); }

}  // namespace tervala
