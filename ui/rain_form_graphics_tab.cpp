// The Graphics tab: the choice of graphs a report offers (five for an
// analysis, three for a prediction), "View graph" from the Output tab,
// "Make graph", "Select graph", the two "Go" buttons and the drawn graph.
// Every graph is drawn from the report file chosen for graphs, never from the
// engine's memory.
#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/session.h"
#include "graphs/plot_frame.h"
#include "model/graph_report_probe.h"
#include "model/graph_request.h"
#include "ui/dialogs.h"
#include "ui/graph_picture.h"
#include "ui/rain_form.h"
#include "ui/window_helpers.h"

namespace tervala {

namespace {

// An opened graph bitmap is shown in an area a little smaller than the
// picture, clipped at its right and bottom.
constexpr int kPictureAreaWidth = 617;
constexpr int kPictureAreaHeight = 449;

QRadioButton* MakeChoice(QGroupBox* group, const char* name, const QString& caption) {
    auto* choice = new QRadioButton(caption, group);
    choice->setObjectName(name);
    group->layout()->addWidget(choice);
    return choice;
}

// A panel of choices in a frame captioned "Select graph", with its "Go".
QWidget* MakeChoicePanel(QWidget* parent, const char* name, const char* groupName,
                         QGroupBox*& group, QPushButton*& go, const char* goName) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(panel);
    group = new QGroupBox("Select graph", panel);
    group->setObjectName(groupName);
    new QVBoxLayout(group);
    layout->addWidget(group);
    go = MakeButton(panel, goName, "Go");
    layout->addWidget(go, 0, Qt::AlignHCenter);
    return panel;
}

// The captions of the analysis choices for discharge and for head analyses.
struct AnalysisCaptions {
    const char* runoff;
    const char* calculatedObserved;
    const char* rechargeRunoff;
    const char* rechargeRunoffInTime;
};

constexpr AnalysisCaptions kDischargeCaptions = {
    "Runoff/Discharge in time", "RunOff/Discharge observed-calculated",
    "Recharge and Runoff/Discharge", "Recharge and RunOff/Discharge in time"};
constexpr AnalysisCaptions kHeadCaptions = {
    "Hydraulic Head   in time", "Hydraulic head   observed-calculated",
    "Recharge and Hydraulic Head", "Recharge and Hydraulic Head     in time"};

}  // namespace

void TRainForm::CreateGraphicsTab() {
    GraphicsTabSheet = new QWidget;
    GraphicsTabSheet->setObjectName("GraphicsTabSheet");
    auto* layout = new QVBoxLayout(GraphicsTabSheet);

    // The picture area: the drawn graph, an opened bitmap in its place, and
    // the panels of choices over the middle.
    auto* area = GraphArea = new QWidget(GraphicsTabSheet);
    area->setObjectName("GraphArea");
    area->setMinimumSize(kPictureWidth, kPictureHeight);
    area->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    area->installEventFilter(this);
    GraphImage = new QLabel(area);
    GraphImage->setObjectName("GraphImage");
    GraphImage->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    GraphImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    GraphImage->hide();
    PictureImage = new QLabel(area);
    PictureImage->setObjectName("PictureImage");
    PictureImage->setGeometry(0, 0, kPictureAreaWidth, kPictureAreaHeight);
    PictureImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PictureImage->hide();

    Panel1 = MakeChoicePanel(area, "Panel1", "RadioGroup1", RadioGroup1, GoButton1, "GoButton1");
    RunoffRadioButton = MakeChoice(RadioGroup1, "RunoffRadioButton", kDischargeCaptions.runoff);
    RechRadioButton = MakeChoice(RadioGroup1, "RechRadioButton", "Rain and Recharge in time");
    CalcObsRadioButton =
        MakeChoice(RadioGroup1, "CalcObsRadioButton", kDischargeCaptions.calculatedObserved);
    // Until "View graph" sets the captions they read as first written.
    RainRunRadioButton =
        MakeChoice(RadioGroup1, "RainRunRadioButton", "Recharge and RunOff/Discharge ");
    RechRunRadioButton =
        MakeChoice(RadioGroup1, "RechRunRadioButton", "Recharge and Runoff/Discharge in time");
    AlfaRadioButton = MakeChoice(RadioGroup1, "AlfaRadioButton", "Alfa-Discharge");
    AlfaRadioButton->hide();
    RunoffRadioButton->setChecked(true);
    Panel1->adjustSize();
    Panel1->hide();

    Panel3 = MakeChoicePanel(area, "Panel3", "RadioGroup3", RadioGroup3, GoButton3, "GoButton3");
    RadioButton3 = MakeChoice(RadioGroup3, "RadioButton3", "Discharge in time");
    RadioButton4 = MakeChoice(RadioGroup3, "RadioButton4", "Watertable in time");
    RadioButton5 = MakeChoice(RadioGroup3, "RadioButton5", "Rain/Recharge");
    RadioButton3->setChecked(true);
    Panel3->adjustSize();
    Panel3->hide();
    PlaceGraphChoices();

    layout->addWidget(area, 1);

    auto* buttons = new QHBoxLayout;
    MakeGraphButton = MakeButton(GraphicsTabSheet, "MakeGraphButton", "Make graph");
    BindButtonToAction(MakeGraphButton, OutputOpenForGraphics);
    SelectButton = MakeButton(GraphicsTabSheet, "SelectButton", "Select graph");
    SelectButton->setEnabled(false);
    SeeGraphButton = MakeButton(GraphicsTabSheet, "SeeGraphButton", "Open graph");
    BindButtonToAction(SeeGraphButton, GraphOpenAction);
    SaveGraphButton = MakeButton(GraphicsTabSheet, "SaveGraphButton", "Save color graph");
    BindButtonToAction(SaveGraphButton, GraphSaveAction);
    BlWhButton = MakeButton(GraphicsTabSheet, "BlWhButton", "Save Bl-Wh graph");
    BlWhButton->setEnabled(false);
    CommentButton = MakeButton(GraphicsTabSheet, "CommentButton", "Comment");
    CommentButton->setEnabled(false);
    CopyGraphDataButton = MakeButton(GraphicsTabSheet, "CopyGraphDataButton", "Copy graph data");
    for (QPushButton* b : {MakeGraphButton, SelectButton, SeeGraphButton, SaveGraphButton,
                           BlWhButton, CommentButton, CopyGraphDataButton})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(CommentButton, &QPushButton::clicked, this, &TRainForm::CommentButtonClick);
    connect(SelectButton, &QPushButton::clicked, this, &TRainForm::SelectButtonClick);
    connect(GoButton1, &QPushButton::clicked, this, &TRainForm::GoButton1Click);
    connect(GoButton3, &QPushButton::clicked, this, &TRainForm::GoButton3Click);
    connect(BlWhButton, &QPushButton::clicked, this, &TRainForm::BlWhButtonClick);
    connect(OutputOpenForGraphics, &QAction::triggered, this,
            &TRainForm::OutputOpenForGraphicsExecute);
    connect(GraphSaveAction, &QAction::triggered, this, &TRainForm::GraphSaveActionExecute);
    connect(GraphOpenAction, &QAction::triggered, this, &TRainForm::GraphOpenActionExecute);
    if (ViewGraphButton) {
        connect(ViewGraphButton, &QPushButton::clicked, this, &TRainForm::ViewGraphButtonClick);
    }

    PageControl1->addTab(GraphicsTabSheet, " Graphics ");
}

void TRainForm::ShowGraphicsTab() {
    TDMOmbrel& dm = DM();
    GraphSaveAction->setEnabled(false);
    BlWhButton->setEnabled(false);
    if (GraphRequested) {
        // A report that cannot be opened has been reported; the choices then
        // follow the report probed before.
        ProbeGraphReport(dm, dialogs_);
        const std::optional<DataMode> report = ReportModeOfTag(dm.GraphTag);
        const bool analysis = report && report != DataMode::Prediction;
        Panel1->setVisible(analysis);
        Panel3->setVisible(!analysis);
        (analysis ? Panel1 : Panel3)->raise();
    } else {
        Panel1->hide();
        Panel3->hide();
        SelectButton->setEnabled(false);
    }
    SeeGraphButton->show();
    // A drainage prediction has a water table; a prediction of a reservoir
    // without drains only a storage.
    RadioButton4->setText(dm.PredictionMode ? "Watertable in time" : "Reservoir storage");
}

void TRainForm::ViewGraphButtonClick() {
    TDMOmbrel& dm = DM();
    ProbeGraphReport(dm, dialogs_);
    GraphRequested = true;
    SelectButton->setEnabled(false);
    PictureImage->hide();
    const AnalysisCaptions& captions =
        dm.TaggedMode() == DataMode::HeadAnalysis ? kHeadCaptions : kDischargeCaptions;
    RunoffRadioButton->setText(captions.runoff);
    CalcObsRadioButton->setText(captions.calculatedObserved);
    RainRunRadioButton->setText(captions.rechargeRunoff);
    RechRunRadioButton->setText(captions.rechargeRunoffInTime);
    if (PageControl1->currentWidget() == GraphicsTabSheet) {
        GraphicsTabSheetShow();
    } else {
        PageControl1->setCurrentWidget(GraphicsTabSheet);  // its on-show sets up the choices
    }
}

void TRainForm::OutputOpenForGraphicsExecute() {
    TDMOmbrel& dm = DM();
    if (!ChooseAndLoadReport()) return;
    ShowStatus("The output file can be imported into spreadsheets");
    ShowReportLines();
    FileDialogs.SetDialogFolders(FolderOf(dm.FileName));
    GraphImage->hide();
    PictureImage->hide();
    HideCommentWindow();
    ReportShown = true;
    ViewGraphButton->show();
    GraphRequested = true;
    ShowGraphicsTab();
}

void TRainForm::SelectButtonClick() {
    GraphImage->hide();
    SelectButton->setEnabled(false);
    HideCommentWindow();
    ShowGraphicsTab();
}

void TRainForm::GoButton1Click() {
    HideCommentWindow();
    if (RunoffRadioButton->isChecked()) {
        GraphKind = tervala::GraphKind::ObservedCalculatedInTime;
    } else if (RechRadioButton->isChecked()) {
        GraphKind = tervala::GraphKind::AnalysisRainRecharge;
    } else if (CalcObsRadioButton->isChecked()) {
        GraphKind = tervala::GraphKind::CalculatedAgainstObserved;
    } else if (RechRunRadioButton->isChecked()) {
        GraphKind = tervala::GraphKind::RechargeObservedInTime;
    } else if (RainRunRadioButton->isChecked()) {
        GraphKind = tervala::GraphKind::ObservedAgainstRecharge;
        // The shape of this curve is what the comment window explains.
        CommentButton->setEnabled(true);
    } else {
        return;
    }
    DrawChosenGraph();
}

void TRainForm::GoButton3Click() {
    if (RadioButton3->isChecked()) {
        GraphKind = tervala::GraphKind::PredictedDischarge;
    } else if (RadioButton4->isChecked()) {
        GraphKind = tervala::GraphKind::WaterTable;
    } else if (RadioButton5->isChecked()) {
        GraphKind = tervala::GraphKind::PredictionRainRecharge;
    } else {
        return;
    }
    DrawChosenGraph();
}

void TRainForm::DrawChosenGraph() {
    // A report that cannot be opened or read, or no longer offers the graph,
    // has been told; drawing the series of an earlier report under this
    // one's choice would mislead, so the choices stay on screen instead.
    if (RequestGraph(DM(), session_->Values, GraphKind, dialogs_) == GraphRequestOutcome::Refused)
        return;
    Panel1->hide();
    Panel3->hide();
    SelectButton->setEnabled(true);
    ShowGraphics();
}

void TRainForm::ShowGraphics() {
    MakeGraphButton->show();
    GraphSaveAction->setEnabled(true);
    BlWhButton->setEnabled(true);
    GraphBitmap = DrawGraphPicture(GraphInput{DM(), session_->Values, GraphKind, ColourMode});
    ShowGraphOnScreen();
    GraphImage->show();
    GraphImage->raise();
}

void TRainForm::ShowGraphOnScreen() {
    // The graph grows with its area in quarter steps, keeping its
    // proportions; at the window's own size it is the picture of the file.
    const double fit = std::min(double(GraphArea->width()) / kPictureWidth,
                                double(GraphArea->height()) / kPictureHeight);
    const double zoom = std::max(1.0, std::floor(fit * 4) / 4);
    const double ratio = devicePixelRatioF();
    if (zoom == 1 && ratio == 1) {
        GraphImage->setPixmap(QPixmap::fromImage(GraphBitmap));
    } else {
        GraphImage->setPixmap(QPixmap::fromImage(DrawGraphOnScreen(
            GraphInput{DM(), session_->Values, GraphKind, ColourMode}, zoom, ratio)));
    }
    GraphImage->setGeometry(0, 0, qRound(kPictureWidth * zoom), qRound(kPictureHeight * zoom));
}

void TRainForm::PlaceGraphChoices() {
    for (QWidget* panel : {Panel1, Panel3})
        panel->move((GraphArea->width() - panel->width()) / 2,
                    (GraphArea->height() - panel->height()) / 2);
}

}  // namespace tervala
