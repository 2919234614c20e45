// Undo and redo of what the user does to the series on the Input tab: a cell
// typed, a block pasted, cells deleted or cut, "Clear all", rows added through
// the number of data. A step keeps the tab's series as they were before and
// after it (the grid's texts, the counts, the data set's series), so undoing
// and redoing puts back both what the user saw and what a run would read.
#pragma once

#include <QStringList>
#include <QUndoCommand>
#include <functional>
#include <utility>

#include "model/data_set.h"
#include "ui/grid_cells_model.h"

namespace tervala {

struct InputSeriesState {
    GridCellsModel::Snapshot Cells;
    QStringList Fields;  // the titles and parameter fields, in a fixed order
    int OrigNrOfData = 0;
    bool DataEntered = false;
    // As the data set holds them.
    int NrOfData = 0;
    DataArrayR TimeData, RainData, EscData, DischData, HeadData;
    DataArrayI RowCheck;
    RemoveSet MissingObs;
    bool operator==(const InputSeriesState&) const = default;
};

class InputUndoStep : public QUndoCommand {
  public:
    using Restore = std::function<void(const InputSeriesState& to, const InputSeriesState& from)>;
    InputUndoStep(InputSeriesState before, InputSeriesState after, Restore restore)
        : before_(std::move(before)), after_(std::move(after)), restore_(std::move(restore)) {}
    void undo() override { restore_(before_, after_); }
    // The step is pushed once the change is done; only a redo repeats it.
    void redo() override {
        if (done_) restore_(after_, before_);
        done_ = true;
    }

  private:
    InputSeriesState before_, after_;
    Restore restore_;
    bool done_ = false;
};

}  // namespace tervala
