// The texts of the data grid. Like a spreadsheet page, the store keeps the
// text of every cell ever written, also of rows and columns beyond the shown
// counts: lowering the row count hides rows without forgetting them, and a
// pasted block wider than the grid keeps its extra cells out of sight.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace tervala {

class GridCellsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit GridCellsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int ShownRows() const { return shownRows_; }
    int ShownColumns() const { return shownColumns_; }
    void SetShownRows(int rows);
    void SetShownColumns(int columns);

    // Any cell, shown or not; a cell never written reads as "".
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    // Every text ever written and the shown counts.
    struct Snapshot {
        std::vector<std::vector<QString>> Texts;
        int Rows = 1;
        int Columns = 4;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Cells() const { return {rows_, shownRows_, shownColumns_}; }
    void Restore(const Snapshot& cells);

    // Between BeginBatch and EndBatch cell writes are only stored; EndBatch
    // tells the view once that every shown cell may have changed. Batches nest.
    void BeginBatch();
    void EndBatch();

  private:
    QString& CellRef(int col, int row);
    void CellWritten(int col, int row);

    std::vector<std::vector<QString>> rows_;
    int shownRows_ = 1;
    int shownColumns_ = 4;
    int batchDepth_ = 0;
};

}  // namespace tervala
