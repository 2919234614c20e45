#include "ui/finish_form.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tervala {

TFinishForm::TFinishForm(QWidget* parent) : TBaseForm(parent) {
    setObjectName("FinishForm");
    setWindowTitle("Ombrel finish");

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    FinishMemo = new QPlainTextEdit(central);
    FinishMemo->setObjectName("FinishMemo");
    FinishMemo->setReadOnly(true);
    FinishMemo->setPlainText("\nThank you for using Tervala");
    layout->addWidget(FinishMemo);

    FinishButton = new QPushButton("Finish", central);
    FinishButton->setObjectName("FinishButton");
    layout->addWidget(FinishButton, 0, Qt::AlignHCenter);
    connect(FinishButton, &QPushButton::clicked, this, &TFinishForm::FinishButtonClick);

    setCentralWidget(central);
    resize(320, 200);
}

void TFinishForm::FinishButtonClick() { emit EndProgram(); }

void TFinishForm::showEvent(QShowEvent* event) {
    TBaseForm::showEvent(event);
    ShowStatus("Click on the Finish button to end program");
}

void TFinishForm::closeEvent(QCloseEvent* event) {
    event->accept();
    emit EndProgram();
}

}  // namespace tervala
