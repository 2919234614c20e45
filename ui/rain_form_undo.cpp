// The Input tab's history of grid steps (Edit > Undo, Ctrl+Z; Edit > Redo,
// Ctrl+Shift+Z). It starts anew whenever the series come from a file or are
// saved: undoing past that point would mix two data sets.
#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QUndoStack>
#include <tuple>

#include "engine/session.h"
#include "ui/input_undo.h"
#include "ui/rain_form.h"
#include "ui/string_grid.h"

namespace tervala {

namespace {

// The data set's series and count beside the grid, and the same in a state.
auto DataSetSeries(TDMOmbrel& dm) {
    return std::tie(dm.NrOfData, dm.TimeData, dm.RainData, dm.EscData, dm.DischData, dm.HeadData,
                    dm.RowCheck, dm.MissingObs);
}
template <typename State>  // const or not
auto StateSeries(State& s) {
    return std::tie(s.NrOfData, s.TimeData, s.RainData, s.EscData, s.DischData, s.HeadData,
                    s.RowCheck, s.MissingObs);
}

}  // namespace

void TRainForm::CreateGridHistory() {
    GridHistory = new QUndoStack(this);
    EditUndo = new QAction("&Undo", this);
    EditUndo->setObjectName("EditUndo");
    EditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EditRedo = new QAction("&Redo", this);
    EditRedo->setObjectName("EditRedo");
    EditRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(EditUndo, &QAction::triggered, GridHistory, &QUndoStack::undo);
    connect(EditRedo, &QAction::triggered, GridHistory, &QUndoStack::redo);
    connect(GridHistory, &QUndoStack::indexChanged, this, &TRainForm::OfferGridHistory);
    connect(GridHistory, &QUndoStack::cleanChanged, this, &TRainForm::OfferGridHistory);
    addActions({EditUndo, EditRedo});
    OfferGridHistory();
}

void TRainForm::OfferGridHistory() {
    // The grid's history acts on the grid in view only.
    const bool input = PageControl1 && PageControl1->currentWidget() == InputTabSheet;
    EditUndo->setEnabled(input && GridHistory->canUndo());
    EditRedo->setEnabled(input && GridHistory->canRedo());
}

QList<QLineEdit*> TRainForm::HistoryFields() const {
    return {Title1Edit,  Title2Edit,  MaxStorEdit, InitStorEdit,  EscapeEdit,
            A1coeffEdit, B1valueEdit, InitRunEdit, InitLevelEdit, PorosityEdit};
}

InputSeriesState TRainForm::CaptureInputSeries() {
    InputSeriesState s;
    s.Cells = StringGrid1->Cells();
    for (const QLineEdit* field : HistoryFields()) s.Fields << field->text();
    s.OrigNrOfData = OrigNrOfData;
    s.DataEntered = DataEntered;
    StateSeries(s) = DataSetSeries(DM());
    return s;
}

void TRainForm::RestoreInputSeries(const InputSeriesState& to, const InputSeriesState& from) {
    GridCellsModel::Snapshot cells = to.Cells;
    cells.Columns = StringGrid1->ColCount();  // the columns follow the mode, not the history
    StringGrid1->RestoreCells(cells);
    // A field the step did not change keeps what the user typed since.
    const QList<QLineEdit*> fields = HistoryFields();
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (to.Fields[i] != from.Fields[i]) fields[i]->setText(to.Fields[i]);
    NrOfDataEdit->setText(QString::number(to.NrOfData));
    OrigNrOfData = to.OrigNrOfData;
    DataEntered = to.DataEntered;
    DataSetSeries(DM()) = StateSeries(to);
    PageControl1->setCurrentWidget(InputTabSheet);
}

void TRainForm::BeginGridStep() {
    if (!stepBefore_) stepBefore_ = CaptureInputSeries();
}

void TRainForm::EndGridStep() {
    if (!stepBefore_) return;
    InputSeriesState before = std::move(*stepBefore_);
    stepBefore_.reset();
    InputSeriesState after = CaptureInputSeries();
    if (after == before) return;
    GridHistory->push(
        new InputUndoStep(std::move(before), std::move(after),
                          [this](const InputSeriesState& to, const InputSeriesState& from) {
                              RestoreInputSeries(to, from);
                          }));
}

void TRainForm::ForgetGridHistory() {
    stepBefore_.reset();
    GridHistory->clear();
}

}  // namespace tervala
