// The Output tab (the report text), with the buttons that carry out its
// commands. The Graphics tab is built with its commands in
// rain_form_graphics.cpp.
#include <QAction>
#include <QFont>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/rain_form.h"
#include "ui/window_helpers.h"

namespace tervala {

void TRainForm::CreateOutputTab() {
    OutputTabSheet = new QWidget;
    OutputTabSheet->setObjectName("OutputTabSheet");
    auto* layout = new QVBoxLayout(OutputTabSheet);

    OutputMemo = new QPlainTextEdit(OutputTabSheet);
    OutputMemo->setObjectName("OutputMemo");
    OutputMemo->setReadOnly(true);
    // Reports are laid out in fixed columns.
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::Monospace);
    fixed.setBold(true);
    OutputMemo->setFont(fixed);
    OutputMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    OutputMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    OutputMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(OutputMemo, 1);

    auto* buttons = new QHBoxLayout;
    SeeOutputButton = MakeButton(OutputTabSheet, "SeeOutputButton", OutputOpenAction->text());
    BindButtonToAction(SeeOutputButton, OutputOpenAction);
    ViewGraphButton = MakeButton(OutputTabSheet, "ViewGraphButton", "View graph");
    ViewGraphButton->hide();
    SaveSeriesCsvButton =
        MakeButton(OutputTabSheet, "SaveSeriesCsvButton", "Save series as CSV...");
    buttons->addWidget(SeeOutputButton);
    buttons->addWidget(ViewGraphButton);
    FitDiagnosticsButton = MakeButton(OutputTabSheet, "FitDiagnosticsButton", "Fit diagnostics");
    FitDiagnosticsButton->hide();
    buttons->addWidget(SaveSeriesCsvButton);
    buttons->addWidget(FitDiagnosticsButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    PageControl1->addTab(OutputTabSheet, "  Output  ");
}

}  // namespace tervala
