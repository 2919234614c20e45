// The Output tab (the report text) and the Graphics tab (graphs drawn from
// the report), with the buttons that carry out their commands.
#include <QAction>
#include <QFont>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/action_button.h"
#include "ui/rain_form.h"

namespace tervala {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

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
    buttons->addWidget(SeeOutputButton);
    buttons->addWidget(ViewGraphButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    PageControl1->addTab(OutputTabSheet, "  Output  ");
}

void TRainForm::CreateGraphicsTab() {
    GraphicsTabSheet = new QWidget;
    GraphicsTabSheet->setObjectName("GraphicsTabSheet");
    auto* layout = new QVBoxLayout(GraphicsTabSheet);
    layout->addStretch(1);  // the graph picture and its selection panels go here

    auto* buttons = new QHBoxLayout;
    MakeGraphButton = MakeButton(GraphicsTabSheet, "MakeGraphButton", "Make graph");
    BindButtonToAction(MakeGraphButton, OutputOpenForGraphics);
    SeeGraphButton = MakeButton(GraphicsTabSheet, "SeeGraphButton", "Open graph");
    BindButtonToAction(SeeGraphButton, GraphOpenAction);
    SaveGraphButton = MakeButton(GraphicsTabSheet, "SaveGraphButton", "Save color graph");
    BindButtonToAction(SaveGraphButton, GraphSaveAction);
    BlWhButton = MakeButton(GraphicsTabSheet, "BlWhButton", "Save Bl-Wh graph");
    BlWhButton->setEnabled(false);
    CommentButton = MakeButton(GraphicsTabSheet, "CommentButton", "Comment");
    CommentButton->setEnabled(false);
    connect(CommentButton, &QPushButton::clicked, this, &TRainForm::CommentButtonClick);
    for (QPushButton* b :
         {MakeGraphButton, SeeGraphButton, SaveGraphButton, BlWhButton, CommentButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    PageControl1->addTab(GraphicsTabSheet, " Graphics ");
}

}  // namespace tervala
