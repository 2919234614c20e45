#include "ui/grid_cells_model.h"

#include <algorithm>

namespace tervala {

GridCellsModel::GridCellsModel(QObject* parent) : QAbstractTableModel(parent) {}

int GridCellsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int GridCellsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownColumns_;
}

QVariant GridCellsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return Cell(index.column(), index.row());
    return {};
}

bool GridCellsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    SetCell(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags GridCellsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void GridCellsModel::SetShownRows(int rows) {
    rows = std::max(rows, 1);  // a grid always shows at least one row
    if (rows > shownRows_) {
        beginInsertRows(QModelIndex(), shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows(QModelIndex(), rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
}

void GridCellsModel::SetShownColumns(int columns) {
    columns = std::max(columns, 1);
    if (columns > shownColumns_) {
        beginInsertColumns(QModelIndex(), shownColumns_, columns - 1);
        shownColumns_ = columns;
        endInsertColumns();
    } else if (columns < shownColumns_) {
        beginRemoveColumns(QModelIndex(), columns, shownColumns_ - 1);
        shownColumns_ = columns;
        endRemoveColumns();
    }
}

QString GridCellsModel::Cell(int col, int row) const {
    if (row < 0 || col < 0 || row >= static_cast<int>(rows_.size())) return {};
    const auto& cells = rows_[row];
    if (col >= static_cast<int>(cells.size())) return {};
    return cells[col];
}

QString& GridCellsModel::CellRef(int col, int row) {
    if (row >= static_cast<int>(rows_.size())) rows_.resize(row + 1);
    auto& cells = rows_[row];
    if (col >= static_cast<int>(cells.size())) cells.resize(col + 1);
    return cells[col];
}

void GridCellsModel::CellWritten(int col, int row) {
    if (batchDepth_ > 0 || row >= shownRows_ || col >= shownColumns_) return;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

void GridCellsModel::SetCell(int col, int row, const QString& text) {
    if (row < 0 || col < 0) return;
    CellRef(col, row) = text;
    CellWritten(col, row);
}

void GridCellsModel::Restore(const Snapshot& cells) {
    SetShownRows(cells.Rows);
    SetShownColumns(cells.Columns);
    BeginBatch();
    rows_ = cells.Texts;
    EndBatch();
}

void GridCellsModel::BeginBatch() { ++batchDepth_; }

void GridCellsModel::EndBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return;
    emit dataChanged(index(0, 0), index(shownRows_ - 1, shownColumns_ - 1),
                     {Qt::DisplayRole, Qt::EditRole});
}

}  // namespace tervala
