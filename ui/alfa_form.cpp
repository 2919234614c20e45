#include "ui/alfa_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>

#include "model/input_file.h"
#include "model/number_text.h"
#include "model/parameter_file.h"
#include "ui/focus_exit_filter.h"
#include "ui/program_folders.h"
#include "ui/tervala_resources.h"
#include "ui/window_helpers.h"

namespace tervala {

namespace {

const char* kReference =
    "The equivalent depth d of the soil layer below drain level is computed with the "
    "closed-form solution (shallow layers, x = 2 pi D / L up to 1) and the series "
    "solution (deeper layers) of:\n"
    "W.H. van der Molen and J. Wesseling (1991). A solution in closed form and a series "
    "solution to replace the tables for the thickness of the equivalent layer in "
    "Hooghoudt's drain spacing formula. Agricultural Water Management 19: 1-16.";

QLineEdit* MakeEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(110);
    return edit;
}

}  // namespace

TAlfaForm::TAlfaForm(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), dialogs_(dialogs) {
    setObjectName("AlfaForm");
    setWindowTitle("Calculator rection factors drainage systm");

    GeometryImage = new QLabel(this);
    GeometryImage->setObjectName("GeometryImage");
    GeometryImage->setPixmap(
        PictureForScreen("drainage_geometry", QSize(600, 380), GeometryImage->devicePixelRatioF()));

    Edit1 = MakeEdit(this, "Edit1");
    Edit2 = MakeEdit(this, "Edit2");
    Edit3 = MakeEdit(this, "Edit3");
    Edit4 = MakeEdit(this, "Edit4");
    Edit5 = MakeEdit(this, "Edit5");
    Edit6 = MakeEdit(this, "Edit6");
    Edit7 = MakeEdit(this, "Edit7");
    Edit8 = MakeEdit(this, "Edit8");
    Edit7->setReadOnly(true);
    Edit8->setReadOnly(true);

    auto* inputs = new QGridLayout;
    const char* labels[] = {"Hydraulic conductivity above drain level (Ka in m/day)",
                            "Hydraulic conductivity below drain level (Kb in m/day)",
                            "Depth of soil layer below drain level (D = D1-Dd in m)",
                            "Wet perimeter of drain or ditch (U in m)",
                            "Drainable (effective) porosity of top soil (P in %)",
                            "Drain spacing (L in m)"};
    QLineEdit* edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    for (int i = 0; i < 6; ++i) {
        inputs->addWidget(new QLabel(labels[i], this), i, 0);
        inputs->addWidget(edits[i], i, 1);
        connect(edits[i], &QLineEdit::textChanged, this, &TAlfaForm::EditChange);
    }
    // Each input is checked when the focus leaves it, as in the main window.
    auto* exits = new FocusExitFilter(this);
    exits->Watch(Edit1, [this] { Edit1Exit(); });
    exits->Watch(Edit2, [this] { Edit2Exit(); });
    exits->Watch(Edit3, [this] { Edit3Exit(); });
    exits->Watch(Edit4, [this] { Edit4Exit(); });
    exits->Watch(Edit5, [this] { Edit5Exit(); });
    exits->Watch(Edit6, [this] { Edit6Exit(); });

    Button1 = new QPushButton("Calculate", this);
    Button1->setObjectName("Button1");
    connect(Button1, &QPushButton::clicked, this, &TAlfaForm::Button1Click);

    TxTLabel = new QLabel("Response fuction Alpha = M*discharge + N", this);
    TxTLabel->setObjectName("TxTLabel");
    auto* results = new QHBoxLayout;
    results->addWidget(Button1);
    results->addSpacing(20);
    results->addWidget(new QLabel("M =", this));
    results->addWidget(Edit7);
    results->addSpacing(10);
    results->addWidget(new QLabel("N =", this));
    results->addWidget(Edit8);
    results->addStretch();

    RefMemo = new QPlainTextEdit(this);
    RefMemo->setObjectName("RefMemo");
    RefMemo->setReadOnly(true);
    RefMemo->setPlainText(kReference);
    RefMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RefMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RefMemo->setFixedHeight(96);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GeometryImage, 0, Qt::AlignHCenter);
    layout->addLayout(inputs);
    layout->addWidget(TxTLabel);
    layout->addLayout(results);
    layout->addWidget(RefMemo);
}

double& TAlfaForm::Stored(DrainageQuantity quantity) {
    ProgramValues& v = session_.Values;
    switch (quantity) {
        case DrainageQuantity::Ka:
            return v.Ka;
        case DrainageQuantity::Kb:
            return v.Kb;
        case DrainageQuantity::D:
            return v.D;
        case DrainageQuantity::U:
            return v.U;
        case DrainageQuantity::Porosity:
            return session_.DMOmbrel.Porosity;
        case DrainageQuantity::L:
            break;
    }
    return v.L;
}

DrainageParameters TAlfaForm::CurrentInputs() const {
    const ProgramValues& v = session_.Values;
    return DrainageParameters{v.Ka, v.Kb, v.D, v.U, session_.DMOmbrel.Porosity, v.L};
}

void TAlfaForm::CheckCompleteness() { inputsValid_ = DrainageInputsComplete(CurrentInputs()); }

// The value is stored first, then tested. A refused conductivity, depth or
// perimeter is reset to 0; a refused porosity or spacing stays stored, and the
// completeness check keeps it from being used.
void TAlfaForm::CheckField(QLineEdit* edit, DrainageQuantity quantity) {
    const std::string text = edit->text().toStdString();
    // Leaving a field that holds no text is not an entry: nothing to check.
    if (edit->text().trimmed().isEmpty()) return;
    double value = 0;
    try {
        value = StringToFloat(text);
    } catch (const ConversionError& e) {
        dialogs_.ShowMessage(e.what());  // the stored value is unchanged
        return;
    }
    double& stored = Stored(quantity);
    stored = value;
    const std::string message = DrainageFieldMessage(quantity, value);
    if (!message.empty()) {
        dialogs_.ShowMessage(message);
        edit->clear();
        if (quantity != DrainageQuantity::Porosity && quantity != DrainageQuantity::L) stored = 0;
        return;
    }
    CheckCompleteness();
}

void TAlfaForm::Edit1Exit() { CheckField(Edit1, DrainageQuantity::Ka); }
void TAlfaForm::Edit2Exit() { CheckField(Edit2, DrainageQuantity::Kb); }
void TAlfaForm::Edit3Exit() { CheckField(Edit3, DrainageQuantity::D); }
void TAlfaForm::Edit4Exit() { CheckField(Edit4, DrainageQuantity::U); }
void TAlfaForm::Edit5Exit() { CheckField(Edit5, DrainageQuantity::Porosity); }
void TAlfaForm::Edit6Exit() { CheckField(Edit6, DrainageQuantity::L); }

void TAlfaForm::EditChange() {
    heldM_ = 0;
    heldN_ = 0;
    Edit7->clear();
    Edit8->clear();
}

void TAlfaForm::Button1Click() {
    CheckCompleteness();
    if (!inputsValid_) {
        dialogs_.ShowMessage(kDrainageIncompleteText);
        return;
    }
    TDMOmbrel& dm = session_.DMOmbrel;
    ProgramValues& v = session_.Values;
    const DrainageResult r = ComputeDrainageResult(CurrentInputs());
    const QString MText = QString::fromStdString(AlphaFieldText(r.Exact.M));
    const QString NText = QString::fromStdString(AlphaFieldText(r.Exact.N));

    Edit7->setText(MText);
    Edit8->setText(NText);
    heldM_ = r.Exact.M;
    heldN_ = r.Exact.N;
    // The alpha fields of the Input tab carry the five-decimal texts, and the
    // coefficients of the next prediction are the numbers those texts show.
    v.MCoeff = r.M;
    v.NValue = r.N;
    // M and N describe a prediction; the data set must not be left in two
    // modes, and the Input tab lays itself out by the mode it receives.
    dm.SetMode(DataMode::Prediction);
    // The porosity stays in percent throughout, so a second "Calculate" gives
    // the same M and N.
    emit AlphaEntered(MText, NText, General(dm.Porosity));

    // Beside the input file, whatever report or picture was opened since.
    const std::string parName = ReplaceExtension(dm.InputFileName, ".par");
    if (const std::optional<std::string> refusal = ExamplesKeptRefusal(parName)) {
        dialogs_.ShowMessage(*refusal);
        return;
    }
    if (!WriteParameterFile(parName, v, dm.Porosity, dialogs_)) return;
    dm.ParFileName = parName;
    dialogs_.ShowMessage(kDrainageComputedText);
}

void TAlfaForm::FormShow() {
    const TDMOmbrel& dm = session_.DMOmbrel;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(ReplaceExtension(dm.InputFileName, ".par"), ec)) return;
    const ProgramValues& v = session_.Values;
    auto show = [](QLineEdit* edit, double value) { edit->setText(General(value)); };
    show(Edit1, v.Ka);
    show(Edit2, v.Kb);
    show(Edit3, v.D);
    show(Edit4, v.U);
    show(Edit5, dm.Porosity);
    show(Edit6, v.L);
    // After the inputs, whose change empties the results.
    show(Edit7, v.MCoeff);
    show(Edit8, v.NValue);
    heldM_ = v.MCoeff;
    heldN_ = v.NValue;
    CheckCompleteness();
}

void TAlfaForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

}  // namespace tervala
