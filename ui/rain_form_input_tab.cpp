// The Input tab: titles, option selector, number of data, the grid with its
// column captions, the parameter boxes, the buttons, and the two layouts
// (analysis: four grid columns; prediction: three columns beside the boxes
// of the alpha function and the initial values).
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

#include "engine/session.h"
#include "ui/focus_exit_filter.h"
#include "ui/rain_form.h"
#include "ui/string_grid.h"
#include "ui/tervala_resources.h"
#include "ui/window_helpers.h"

namespace tervala {

namespace {

// Pixel positions within the tab.
constexpr int kGridTop = 218;
constexpr int kGridHeight = 15 * TStringGrid::kRowHeight + 4;  // 15 rows and the frame
constexpr int kCaptionTop = 182;
constexpr int kCaptionHeight = 34;
constexpr int kStartLabelTop = 188;
constexpr int kTitleWidth = 577;  // file name, titles and option selector

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QPlainTextEdit* MakeHintMemo(QWidget* parent, const char* name, const QString& text,
                             QRect geometry) {
    auto* memo = new QPlainTextEdit(text, parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setGeometry(geometry);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

// A grid caption: wraps onto a second line and sits on the grid's top edge.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& caption, int left) {
    QLabel* label = MakeLabel(parent, name, caption, QRect(left, kCaptionTop, 70, kCaptionHeight));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

void SetHint(QWidget* control, const QString& hint) {
    control->setToolTip(hint);
    control->setStatusTip(hint);
}

}  // namespace

void TRainForm::CreateInputTab() {
    QWidget* tab = InputTabSheet = new QWidget;
    InputTabSheet->setObjectName("InputTabSheet");

    FileNameLabel = MakeLabel(tab, "FileNameLabel", "Input file", QRect(8, 8, 68, 16));
    FileNameEdit = MakeEdit(tab, "FileNameEdit", "", QRect(80, 5, kTitleWidth, 21));
    FileNameEdit->setReadOnly(true);
    Title1Label = MakeLabel(tab, "Title1Label", "Title 1", QRect(8, 33, 68, 16));
    Title1Edit = MakeEdit(tab, "Title1Edit", "", QRect(80, 30, kTitleWidth, 21));
    SetHint(Title1Edit, "Description of the area");
    Title2Label = MakeLabel(tab, "Title2Label", "Title 2", QRect(8, 58, 68, 16));
    Title2Edit = MakeEdit(tab, "Title2Edit", "", QRect(80, 55, kTitleWidth, 21));
    SetHint(Title2Edit, "Particulars and units used (e.g. mm, day)");

    OptionLabel = MakeLabel(tab, "OptionLabel", "Option", QRect(8, 85, 68, 16));
    OptionComboBox = new QComboBox(tab);
    OptionComboBox->setObjectName("OptionComboBox");
    OptionComboBox->setGeometry(80, 81, kTitleWidth, 24);
    OptionComboBox->addItem(
        "Determine alpha from recharge and discharge data and construct discharge");
    OptionComboBox->addItem("Predict discharge and head from recharge based on the alpha function");
    OptionComboBox->setCurrentIndex(0);
    // Only a choice made by the user switches the option; the program's own
    // settings of the selector do not.
    connect(OptionComboBox, &QComboBox::activated, this, [this] { OptionComboBoxChange(); });
    exits_->Watch(OptionComboBox, [this] { OptionComboBoxExit(); });

    FirstReservoirBox = new QGroupBox("First reservoir (see Figure)", tab);
    FirstReservoirBox->setObjectName("FirstReservoirBox");
    FirstReservoirBox->setGeometry(8, 110, 232, 70);
    MaxStorLabel =
        MakeLabel(FirstReservoirBox, "MaxStorLabel", "Max, storage (mm)", QRect(8, 21, 112, 16));
    MaxStorEdit = MakeEdit(FirstReservoirBox, "MaxStorEdit", "100", QRect(126, 18, 96, 21));
    SetHint(MaxStorEdit, "> 0");
    InitStorLabel =
        MakeLabel(FirstReservoirBox, "InitStorLabel", "Init. storage (mm)", QRect(8, 45, 112, 16));
    InitStorEdit = MakeEdit(FirstReservoirBox, "InitStorEdit", "80", QRect(126, 42, 96, 21));
    SetHint(InitStorEdit, "<= Maximum storage");
    // The escape rate of the file header only stands in for missing per-row
    // rates; it comes from input files and is not edited here.
    EscapeLabel = MakeLabel(tab, "EscapeLabel", "Maximum escape rate", QRect(8, 184, 112, 16));
    EscapeEdit = MakeEdit(tab, "EscapeEdit", "2", QRect(8, 200, 96, 21));
    SetHint(EscapeEdit, "< 0.1 * maximum storage");
    EscapeLabel->hide();
    EscapeEdit->hide();

    NrOfDataLabel = MakeLabel(tab, "NrOfDataLabel", "Number of data", QRect(252, 118, 90, 16));
    NrOfDataEdit = MakeEdit(tab, "NrOfDataEdit", "20", QRect(252, 138, 72, 21));

    HelpButton = MakeButton(tab, "HelpButton", "Start help, units", QRect(340, 114, 150, 26));
    ClearButton = MakeButton(tab, "ClearButton", "Clear all", QRect(340, 146, 150, 26));
    InputOpenButton = MakeButton(tab, "InputOpenButton", " Open input", QRect(507, 114, 150, 26));
    InputSaveButton = MakeButton(tab, "InputSaveButton", " Save / Run", QRect(507, 146, 150, 26));
    BindButtonToAction(InputOpenButton, InputOpenAction);
    BindButtonToAction(InputSaveButton, InputSaveAction);

    TimeLabel = MakeCaption(tab, "TimeLabel", "Time", 151);
    SetHint(TimeLabel, "Give time in units (hr, day), not dates");
    RainLabel = MakeCaption(tab, "RainLabel", "Irrigation+ rain mm*)", 210);
    SetHint(RainLabel, "Use mm per time unit");
    EvapLabel = MakeCaption(tab, "EvapLabel", "Max. Escape rate  mm *)", 278);
    RunoffLabel = MakeCaption(tab, "RunoffLabel", "Discharge mm     *)", 357);
    SetHint(RunoffLabel, "Use mm per time unit");
    StartLabel =
        MakeLabel(tab, "StartLabel", "*) see Start help", QRect(432, kStartLabelTop, 110, 16));

    StringGrid1 = new TStringGrid(tab);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->SetColCount(4);
    StringGrid1->SetRowCount(15);
    connect(
        StringGrid1, &TStringGrid::EditTextChanged, this,
        [this](int col, int row, const QString& text) { StringGrid1SetEditText(col, row, text); });
    connect(StringGrid1, &TStringGrid::ChangeStarting, this, &TRainForm::BeginGridStep);
    connect(StringGrid1, &TStringGrid::ChangeFinished, this, &TRainForm::EndGridStep);
    // A right click on a cell offers the Edit commands, Paste among them.
    auto* separator = new QAction(StringGrid1);
    separator->setSeparator(true);
    StringGrid1->addActions(
        {EditUndo, EditRedo, separator, EditCut1, EditCopy1, EditPaste1, EditDelete1});
    StringGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);

    TryMemo = MakeHintMemo(tab, "TryMemo",
                           "Try various values of\ninitial storage to find\nthe best result.",
                           QRect(445, kGridTop, 212, 56));
    InputImage = new QLabel(tab);
    InputImage->setObjectName("InputImage");
    InputImage->setGeometry(445, kGridTop + 64, 212, kGridHeight - 64);
    InputImage->setAlignment(Qt::AlignCenter);
    InputImage->setPixmap(
        PictureForScreen("input_small", InputImage->size(), InputImage->devicePixelRatioF()));

    AlphaDrainBox = new QGroupBox("Alpha characteristics", tab);
    AlphaDrainBox->setObjectName("AlphaDrainBox");
    AlphaDrainBox->setGeometry(300, kGridTop, 357, 74);
    AlphaLabel =
        MakeLabel(AlphaDrainBox, "AlphaLabel", "Alpha=M*Discharge+N", QRect(10, 20, 200, 16));
    A1coeffLabel = MakeLabel(AlphaDrainBox, "A1coeffLabel", "M coefficient", QRect(10, 46, 82, 16));
    A1coeffEdit = MakeEdit(AlphaDrainBox, "A1coeffEdit", "", QRect(96, 43, 80, 21));
    SetHint(A1coeffEdit, ">= 0");
    B1valueLabel = MakeLabel(AlphaDrainBox, "B1valueLabel", "N value", QRect(190, 46, 56, 16));
    B1valueEdit = MakeEdit(AlphaDrainBox, "B1valueEdit", "", QRect(250, 43, 80, 21));
    SetHint(B1valueEdit, ">= 0");

    PredictGroupBox = new QGroupBox("Initialize", tab);
    PredictGroupBox->setObjectName("PredictGroupBox");
    PredictGroupBox->setGeometry(300, kGridTop + 80, 357, 96);
    InitRunLabel =
        MakeLabel(PredictGroupBox, "InitRunLabel", "Initial runoff", QRect(10, 21, 140, 16));
    InitRunEdit = MakeEdit(PredictGroupBox, "InitRunEdit", "0", QRect(160, 18, 80, 21));
    InitLevelLabel =
        MakeLabel(PredictGroupBox, "InitLevelLabel", "Initial water level", QRect(10, 45, 140, 16));
    InitLevelEdit = MakeEdit(PredictGroupBox, "InitLevelEdit", "0", QRect(160, 42, 80, 21));
    PorosityLabel = MakeLabel(PredictGroupBox, "PorosityLabel", "Drainable porosity (%)",
                              QRect(10, 69, 140, 16));
    PorosityEdit = MakeEdit(PredictGroupBox, "PorosityEdit", "5", QRect(160, 66, 80, 21));

    AlfaMemo = MakeHintMemo(tab, "AlfaMemo",
                            "To calculate the M and N values for a\nsubsurface drainage system "
                            "with\npipes or ditches use button AlfaCalc",
                            QRect(300, kGridTop + 184, 240, 56));
    AlfaButton = MakeButton(tab, "AlfaButton", "AlfaCalc", QRect(552, kGridTop + 199, 105, 26));

    connect(HelpButton, &QPushButton::clicked, this, &TRainForm::HelpButtonClick);
    connect(AlfaButton, &QPushButton::clicked, this, &TRainForm::AlfaButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TRainForm::ClearButtonClick);

    exits_->Watch(NrOfDataEdit, [this] { NrOfDataEditExit(); });
    exits_->Watch(MaxStorEdit, [this] { MaxStorEditExit(); });
    exits_->Watch(InitStorEdit, [this] { InitStorEditExit(); });
    exits_->Watch(A1coeffEdit, [this] { A1coeffEditExit(); });
    exits_->Watch(InitRunEdit, [this] { InitRunEditExit(); });
    exits_->Watch(InitLevelEdit, [this] { InitLevelEditExit(); });
    exits_->Watch(PorosityEdit, [this] { PorosityEditExit(); });

    SetAnalysisLayout();
    AlfaMemo->hide();
    AlfaButton->hide();

    PageControl1->addTab(InputTabSheet, "  Input  ");
}

int TRainForm::ExtraHeight() const { return std::max(0, height() - kDesignHeight); }

int TRainForm::GridHeight() const { return kGridHeight + ExtraHeight(); }

void TRainForm::FitInputTabToWindow() {
    if (!StringGrid1) return;
    // Enlarged, the window shows more rows of the series and longer titles.
    StringGrid1->resize(StringGrid1->width(), GridHeight());
    WaitMemo->resize(WaitMemo->width(), kWaitMemoHeight + ExtraHeight());
    const int wide = kTitleWidth + std::max(0, width() - kDesignWidth);
    for (QWidget* w : {static_cast<QWidget*>(FileNameEdit), static_cast<QWidget*>(Title1Edit),
                       static_cast<QWidget*>(Title2Edit), static_cast<QWidget*>(OptionComboBox)})
        w->resize(wide, w->height());
}

void TRainForm::SetAnalysisLayout() {
    StringGrid1->SetColCount(4);
    StringGrid1->setGeometry(150, kGridTop, 282, GridHeight());
    TimeLabel->setGeometry(151, kCaptionTop, 57, kCaptionHeight);
    RainLabel->setGeometry(210, kCaptionTop, 66, kCaptionHeight);
    EvapLabel->setGeometry(278, kCaptionTop, 77, kCaptionHeight);
    RunoffLabel->setGeometry(357, kCaptionTop, 62, kCaptionHeight);
    RunoffLabel->show();
    AlphaDrainBox->hide();
    PredictGroupBox->hide();
    TryMemo->show();
}

void TRainForm::SetPredictionLayout(int gridWidth) {
    StringGrid1->SetColCount(3);
    StringGrid1->setGeometry(72, kGridTop, gridWidth, GridHeight());
    TimeLabel->setGeometry(86, kCaptionTop, 47, kCaptionHeight);
    RainLabel->setGeometry(135, kCaptionTop, 67, kCaptionHeight);
    EvapLabel->setGeometry(204, kCaptionTop, 72, kCaptionHeight);
    RunoffLabel->hide();
    AlphaDrainBox->show();
    PredictGroupBox->show();
    // The prediction boxes take the place of the hint and the picture.
    TryMemo->hide();
    InputImage->hide();
}

void TRainForm::ShowLayoutOfMode() {
    const TDMOmbrel& dm = DM();
    if (dm.DischargeMode || dm.HeadMode) {
        SetAnalysisLayout();
        StartLabel->move(432, StartLabel->y());
    } else {
        SetPredictionLayout(StringGrid1->width() == 218 ? 218 : 219);
        StartLabel->move(285, StartLabel->y());
    }
}

}  // namespace tervala
