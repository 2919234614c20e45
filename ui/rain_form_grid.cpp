// The grid of the Input tab: the template of a new data set, the rewrite of
// the tab from the data set, cell edits, the paste of spreadsheet blocks, the
// number of data (12 to 1500 points of time) and "Clear all".
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

#include "engine/session.h"
#include "model/message_texts.h"
#include "model/number_text.h"
#include "model/pasted_block.h"
#include "ui/dialogs.h"
#include "ui/rain_form.h"
#include "ui/string_grid.h"
#include "ui/window_helpers.h"

namespace tervala {

namespace {

constexpr int kTemplateRows = 15;

// A pasted row that cannot be taken into the data set.
class PasteReadError : public std::runtime_error {
  public:
    PasteReadError() : std::runtime_error("pasted row not readable") {}
};

// A whole decimal number, optionally signed and surrounded by blanks.
std::optional<int> ReadWholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}

double ReadReal(const QString& text) {
    const std::optional<double> value = TryStringToFloat(text.toStdString());
    if (!value) throw PasteReadError();
    return *value;
}

template <typename Series>
void AtLeast(Series& series, int length) {
    if (static_cast<int>(series.size()) < length) series.resize(length);
}

}  // namespace

void TRainForm::MakeTemplate() {
    TDMOmbrel& dm = DM();
    FileNameLabel->hide();
    FileNameEdit->hide();
    // A new data set is a discharge analysis; its tag goes with its flags, so
    // that a file saved from it is read back as what it is.
    dm.SetMode(DataMode::DischargeAnalysis);
    OptionComboBox->setCurrentIndex(0);
    OrigNrOfData = kTemplateRows;
    dm.NrOfData = kTemplateRows;
    StringGrid1->SetColCount(4);
    StringGrid1->SetRowCount(kTemplateRows);
    for (DataArrayR* series : {&dm.TimeData, &dm.RainData, &dm.EscData, &dm.DischData})
        series->resize(kTemplateRows + 1);
    SetAnalysisLayout();
    AlfaMemo->hide();
    AlfaButton->hide();
    StartLabel->move(430, 188);
    // The fields show the first-reservoir values that a run will use.
    MaxStorEdit->setText(General(dm.MaxSto));
    InitStorEdit->setText(General(dm.IniSto));
    EscapeEdit->setText(General(dm.MaxEsc));
    RefreshInputTab();
}

void TRainForm::RefreshInputTab() {
    TDMOmbrel& dm = DM();
    const int n = dm.NrOfData;
    NrOfDataEdit->setText(QString::number(n));
    StringGrid1->SetRowCount(n);
    dm.MissingObs.resize(n + 1);
    dm.TimeData.resize(n + 1);
    dm.RainData.resize(n + 1);
    dm.EscData.resize(n + 1);

    const bool analysis = dm.DischargeMode || dm.HeadMode;
    if (DataEntered) {
        MaxStorEdit->setText(General(dm.MaxSto));
        InitStorEdit->setText(General(dm.IniSto));
        EscapeEdit->setText(General(dm.MaxEsc));
        if (dm.PredictionMode) OptionComboBox->setCurrentIndex(1);
    }
    if (analysis) {
        SetAnalysisLayout();
        if (DataEntered) {
            RunoffLabel->setText(dm.HeadMode ? "Hydr.Head mm     *)" : "Discharge mm     *)");
            StartLabel->move(432, StartLabel->y());
        }
    } else {
        SetPredictionLayout(219);
        if (DataEntered) StartLabel->move(285, StartLabel->y());
        if (DataEntered && dm.AlphaMissing) {
            A1coeffEdit->setText("missing");
            B1valueEdit->setText("missing");
        } else {
            A1coeffEdit->setText(General(session_->Values.MCoeff));
            B1valueEdit->setText(General(session_->Values.NValue));
        }
        if (dm.Porosity == 0) dm.Porosity = 10;  // percent, a common drainable porosity
        InitRunEdit->setText(General(dm.RunIni));
        InitLevelEdit->setText(General(dm.HeadIni));
        PorosityEdit->setText(General(dm.Porosity));
        AlphaLabel->setText(DataEntered ? "Alpha=M*discharge+N" : "Alpha=B*discharge+C");
    }

    if (dm.DischargeMode) dm.DischData.resize(n + 1);
    if (dm.HeadMode) dm.HeadData.resize(n + 1);
    std::fill(dm.MissingObs.begin(), dm.MissingObs.end(), 0);

    {
        TStringGrid::Batch batch(*StringGrid1);
        for (int r = 0; r < n; ++r) {
            if (!DataEntered) {
                for (int c = 0; c < 4; ++c) StringGrid1->SetCell(c, r, "0");
                continue;
            }
            StringGrid1->SetCell(0, r, General(dm.TimeData[r]));
            StringGrid1->SetCell(1, r, General(dm.RainData[r]));
            StringGrid1->SetCell(2, r, General(dm.EscData[r]));
            if (dm.DischargeMode)
                StringGrid1->SetCell(3, r, General(dm.DischData[r]));
            else if (dm.HeadMode)
                StringGrid1->SetCell(3, r, General(dm.HeadData[r]));
        }
    }
    OrigNrOfData = n;
    if (DataEntered) PageControl1->setCurrentWidget(InputTabSheet);
}

void TRainForm::StringGrid1SetEditText(int col, int row, const QString& text) {
    if (text.contains('\t') || text.contains('\r') || text.contains('\n')) {
        try {
            HandlePasteMultiCell(col, row, text);
        } catch (const std::exception&) {
            ShowMessage(kTooFewPastedText);
            PageControl1->setCurrentWidget(InputTabSheet);
            return;
        }
    }
    InGridEdit = true;
    NrOfDataEditExit();
    InGridEdit = false;
    DataEntered = true;
}

void TRainForm::HandlePasteMultiCell(int col0, int row0, const QString& pasted) {
    TDMOmbrel& dm = DM();
    const PastedBlock block = SpreadPastedText(pasted.toStdString(), col0, row0);
    {
        TStringGrid::Batch batch(*StringGrid1);
        for (const PastedCell& cell : block.Cells)
            StringGrid1->SetCell(cell.Col, cell.Row, QString::fromStdString(cell.Text));
    }
    // A longer block would leave the data set holding more rows than the
    // grid and a run can take.
    if (block.LinesLeftOut > 0)
        ShowMessage(QString::fromStdString(PasteCutText(block.LinesLeftOut)));
    int rows = block.Rows;
    StringGrid1->SetRowCount(rows);
    NrOfDataEdit->setText(QString::number(rows));
    dm.NrOfData = rows;

    if (rows < OrigNrOfData && dialogs_.AskYesNo(kKeepOriginalCountQuestion)) {
        rows = OrigNrOfData;
        StringGrid1->SetRowCount(rows);
    }
    const int n = rows;
    dm.NrOfData = n;
    NrOfDataEdit->setText(QString::number(n));
    dm.TimeData.resize(n + 1);
    dm.RainData.resize(n + 1);
    dm.EscData.resize(n + 1);

    SetModeFromSelector();
    if (dm.DischargeMode) dm.DischData.resize(n + 1);
    if (dm.HeadMode) dm.HeadData.resize(n + 1);

    // Read the grid back into the series (time as a whole number).
    TStringGrid::Batch batch(*StringGrid1);
    for (int r = 0; r < n; ++r) {
        const std::optional<int> time = ReadWholeNumber(StringGrid1->Cell(0, r));
        if (!time) throw PasteReadError();
        dm.TimeData[r] = *time;
        dm.RainData[r] = ReadReal(StringGrid1->Cell(1, r));
        if (StringGrid1->Cell(2, r).isEmpty()) StringGrid1->SetCell(2, r, "0");
        dm.EscData[r] = ReadReal(StringGrid1->Cell(2, r));
        if (dm.DischargeMode)
            dm.DischData[r] = ReadReal(StringGrid1->Cell(3, r));
        else if (dm.HeadMode)
            dm.HeadData[r] = ReadReal(StringGrid1->Cell(3, r));
    }
    dm.MissingObs.assign(n + 1, 0);

    SetModeFromSelector();
    if (dm.DischargeMode || dm.HeadMode) {
        SetAnalysisLayout();
        OptionComboBox->setCurrentIndex(0);
    } else {
        SetPredictionLayout(218);
        OptionComboBox->setCurrentIndex(1);
    }
    OrigNrOfData = dm.NrOfData;
}

void TRainForm::NrOfDataEditExit() {
    const std::optional<int> n = ReadWholeNumber(NrOfDataEdit->text());
    if (!n) {
        ShowMessage(kCountNotIntegerText);
        return;
    }
    if (*n < kMinNrOfData) {
        ShowMessage(kMinimumCountText);
        NrOfDataEdit->setText("12");
        return;
    }
    if (*n > kMaxNrOfData) {
        ShowMessage(kMaximumCountText);
        NrOfDataEdit->setText("1500");
        return;
    }
    if (InGridEdit) return;

    if (*n > OrigNrOfData) {
        BeginGridStep();  // the rows added are one step to undo
        ShowMessage(kAddDataText);
        TDMOmbrel& dm = DM();
        const int from = std::max(OrigNrOfData, 0);
        AtLeast(dm.RowCheck, *n + 1);
        for (DataArrayR* series : {&dm.TimeData, &dm.RainData, &dm.EscData, &dm.DischData})
            AtLeast(*series, *n + 1);
        for (int i = from; i <= *n; ++i) {
            dm.RowCheck[i] = i + 1;
            dm.TimeData[i] = 0;
            dm.RainData[i] = 0;
            dm.EscData[i] = 0;
            dm.DischData[i] = 0;
        }
        // Values typed into the existing rows since the last paste or file are
        // not in the data set yet; they stay as typed.
        const int kept = std::min(OrigNrOfData, StringGrid1->RowCount());
        std::vector<QString> typed;
        typed.reserve(static_cast<size_t>(std::max(kept, 0)) * 4);
        for (int r = 0; r < kept; ++r)
            for (int c = 0; c < 4; ++c) typed.push_back(StringGrid1->Cell(c, r));
        dm.NrOfData = *n;
        RefreshInputTab();
        TStringGrid::Batch batch(*StringGrid1);
        for (int r = 0; r < kept; ++r)
            for (int c = 0; c < 4; ++c) StringGrid1->SetCell(c, r, typed[r * 4 + c]);
        EndGridStep();
    } else if (*n < OrigNrOfData) {
        ShowMessage(kRemoveDataText);
    }
}

void TRainForm::ClearButtonClick() {
    TDMOmbrel& dm = DM();
    BeginGridStep();
    for (QLineEdit* edit : {A1coeffEdit, B1valueEdit, InitRunEdit, InitLevelEdit, MaxStorEdit,
                            InitStorEdit, EscapeEdit, Title1Edit, Title2Edit})
        edit->clear();
    PorosityEdit->setText(" 5 ");
    NrOfDataEdit->setText(QString::number(kTemplateRows));
    StringGrid1->SetRowCount(kTemplateRows);
    if (dm.DischargeMode || dm.HeadMode) {
        SetAnalysisLayout();
        OptionComboBox->setCurrentIndex(0);
    } else if (dm.PredictionMode) {
        SetPredictionLayout(219);
        OptionComboBox->setCurrentIndex(1);
    }
    {
        TStringGrid::Batch batch(*StringGrid1);
        for (int r = 0; r < kTemplateRows; ++r)
            for (int c = 0; c < 3; ++c) StringGrid1->SetCell(c, r, "0");
    }
    // The count the grid shows is the count a run reads: rows beyond it that
    // are out of sight must not be saved with the new data.
    dm.NrOfData = kTemplateRows;
    OrigNrOfData = kTemplateRows;
    DataEntered = false;
    EndGridStep();
}

}  // namespace tervala
