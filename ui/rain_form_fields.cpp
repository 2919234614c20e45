// The single-value fields of the Input tab, each checked when the user leaves
// it, and the option selector that switches between discharge analysis and
// prediction. Storage in mm, initial runoff in mm per time unit, initial
// water level above drain level, drainable porosity in percent.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <initializer_list>
#include <optional>

#include "engine/open_input_file.h"
#include "engine/session.h"
#include "model/message_texts.h"
#include "model/number_text.h"
#include "ui/dialogs.h"
#include "ui/rain_form.h"
#include "ui/string_grid.h"

namespace tervala {

namespace {

struct RangeTest {
    std::function<bool(double)> rejects;
    const char* message;
    const char* replacement;
};

bool Negative(double x) { return x < 0; }

// The common pattern of the field checks: a text that is no number is
// replaced by "0" and changes nothing; a number is stored even when a range
// test fails, only the text shown is replaced.
void CheckField(QLineEdit* field, const char* notANumber, std::initializer_list<RangeTest> tests,
                double& stored, const std::function<void(const QString&)>& message) {
    const std::optional<double> x = TryStringToFloat(field->text().toStdString());
    if (!x) {
        message(notANumber);
        field->setText("0");
        return;
    }
    for (const RangeTest& test : tests) {
        if (test.rejects(*x)) {
            message(test.message);
            field->setText(test.replacement);
        }
    }
    stored = *x;
}

}  // namespace

void TRainForm::MaxStorEditExit() {
    CheckField(MaxStorEdit, kMaxStorNotRealText, {{Negative, kMaxStorNegativeText, "0"}},
               DM().MaxSto, [this](const QString& t) { ShowMessage(t); });
}

void TRainForm::InitStorEditExit() {
    CheckField(InitStorEdit, kInitStorNotRealText, {{Negative, kInitStorNegativeText, "0"}},
               DM().IniSto, [this](const QString& t) { ShowMessage(t); });
}

void TRainForm::A1coeffEditExit() {
    CheckField(A1coeffEdit, kA1coeffNotRealText, {}, session_->Values.MCoeff,
               [this](const QString& t) { ShowMessage(t); });
}

void TRainForm::InitRunEditExit() {
    CheckField(InitRunEdit, kInitRunNotRealText, {{Negative, kInitRunNegativeText, "0"}},
               DM().RunIni, [this](const QString& t) { ShowMessage(t); });
}

void TRainForm::InitLevelEditExit() {
    CheckField(InitLevelEdit, kInitLevelNotRealText, {{Negative, kInitLevelNegativeText, "0"}},
               DM().HeadIni, [this](const QString& t) { ShowMessage(t); });
}

void TRainForm::PorosityEditExit() {
    CheckField(PorosityEdit, kPorosityNotRealText,
               {{Negative, kPorosityNegativeText, " 5"},
                {[](double x) { return x >= 100; }, kPorosityTooLargeText, " 5"}},
               DM().Porosity, [this](const QString& t) { ShowMessage(t); });
}

void TRainForm::SetModeFromSelector() {
    TDMOmbrel& dm = DM();
    switch (OptionComboBox->currentIndex()) {
        case 0:
            dm.SetMode(DataMode::DischargeAnalysis);
            break;
        case 1:
            dm.SetMode(DataMode::Prediction);
            break;
        default:
            break;  // no entry chosen: the mode stays
    }
}

void TRainForm::OptionComboBoxChange() {
    TDMOmbrel& dm = DM();
    const bool analysisChosen = OptionComboBox->currentIndex() == 0;
    InputImage->hide();
    if (analysisChosen) {
        AlphaDrainBox->hide();
        dm.SetMode(DataMode::DischargeAnalysis);
        RunoffLabel->setText("Discharge mm     *)");
    } else {
        AlphaDrainBox->show();
        dm.SetMode(DataMode::Prediction);
        // The current input file is read again: its alpha function, initial
        // values and drainage parameters serve the prediction. The reader
        // sets the mode from what the file holds. Since then a report or a
        // graph bitmap may have been opened: the input file is the one read.
        dm.FileName = dm.InputFileName;
        const OpenedInput opened =
            ReopenInputFile(*session_, /*predictionSelected=*/true, dialogs_);
        if (opened.ParameterFileRead && windows_.AlfaForm) windows_.AlfaForm->hide();
        if (opened.Derived) ShowDerivedAlpha(*opened.Derived);
    }
    DataEntered = true;
    ForgetGridHistory();

    // The grid and the tag follow the mode the data set now has.
    if (const std::optional<DataMode> mode = dm.Mode()) {
        StringGrid1->SetColCount(mode == DataMode::Prediction ? 3 : 4);
        dm.ModeTag = ModeTagOf(*mode);
    }

    AlfaMemo->setVisible(!analysisChosen);
    AlfaButton->setVisible(!analysisChosen);
    TryMemo->setVisible(analysisChosen);
    StartLabel->move(analysisChosen ? 435 : 285, StartLabel->y());
    EvapLabel->move(analysisChosen ? 278 : 204, EvapLabel->y());
    RefreshInputTab();
}

void TRainForm::OptionComboBoxExit() {
    TDMOmbrel& dm = DM();
    // The tag names the mode of the file that Save/Run writes; it stays with
    // the mode flags, which decide the rest of that file. After choosing the
    // prediction entry for a discharge file the data set stays an analysis.
    if (const std::optional<DataMode> mode = dm.Mode()) dm.ModeTag = ModeTagOf(*mode);
    if (OptionComboBox->currentIndex() == 0) {
        AlfaMemo->hide();
        AlfaButton->hide();
        RunoffLabel->setText("Discharge mm     ");
    } else {
        AlfaMemo->show();
        AlfaButton->show();
    }
}

}  // namespace tervala
