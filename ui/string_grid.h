// The data grid of the Input tab: a table of cell texts, one row per point of
// time, with rows of fixed height and no header rows or columns. Typing goes
// straight into the current cell. Every change of a cell's editor text is
// reported with the whole text (EditTextChanged); a block of spreadsheet
// cells pasted into a cell, by Ctrl+V on the cell or into its editor, arrives
// in one such report with its tabs and line breaks. Enter moves to the next
// row, as in a spreadsheet.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>

#include "ui/grid_cells_model.h"

namespace tervala {

// The editor of one cell. A paste whose text spans several cells is not put
// into the editor: the editor closes and the text goes to the grid as a whole,
// by every route text comes in (keys, menus, the middle button's paste of the
// selection, a drop), so the cell's old text is never glued to the block.
class GridCellEditor : public QLineEdit {
    Q_OBJECT

  public:
    explicit GridCellEditor(QWidget* parent);
    void PasteClipboard(QClipboard::Mode mode = QClipboard::Clipboard);

  signals:
    void BlockPasted(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // False when `text` spans several cells and went to the grid instead.
    bool TakesText(const QString& text);
};

class TStringGrid : public QTableView {
    Q_OBJECT

  public:
    explicit TStringGrid(QWidget* parent = nullptr);

    int RowCount() const { return cells_->ShownRows(); }
    int ColCount() const { return cells_->ShownColumns(); }
    void SetRowCount(int rows);
    void SetColCount(int columns);

    QString Cell(int col, int row) const { return cells_->Cell(col, row); }
    void SetCell(int col, int row, const QString& text) { cells_->SetCell(col, row, text); }

    // The editor of the current cell, when one is open.
    GridCellEditor* ActiveEditor() const;

    // Ctrl+V on a cell without an open editor: the clipboard text becomes the
    // text of the current cell and is reported as its edit.
    void PasteClipboard();
    // The selected cells as spreadsheet text (tabs between cells, CR LF after rows).
    QString SelectedText() const;
    void CopySelection() const;
    // Empties the selected cells; the current cell's edit is reported.
    void DeleteSelection();

    // Holds back the repainting of single cells while many are written.
    class Batch {
      public:
        explicit Batch(TStringGrid& grid) : cells_(*grid.cells_) { cells_.BeginBatch(); }
        ~Batch() { cells_.EndBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        GridCellsModel& cells_;
    };

    static constexpr int kRowHeight = 20;

    // Every cell text store and the shown counts, to be put back as they were.
    GridCellsModel::Snapshot Cells() const { return cells_->Cells(); }
    void RestoreCells(const GridCellsModel::Snapshot& cells);

  signals:
    // The whole editor text of cell (col, row) after a change of it.
    void EditTextChanged(int col, int row, const QString& text);
    // One change by the user begins (an editor opens, a paste or a delete
    // starts) and ends (the editor closes, the paste or delete is handled):
    // what lies between is one step to undo.
    void ChangeStarting();
    void ChangeFinished();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    friend class GridCellDelegate;
    void EditorTextEdited(GridCellEditor* editor, int col, int row, const QString& text);
    void EditorBlockPasted(GridCellEditor* editor, int col, int row, const QString& text);
    void MoveToNextRow();

    GridCellsModel* cells_;
    class GridCellDelegate* delegate_;
};

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit GridCellDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Closes an editor without taking its text into the cell.
    void Discard(GridCellEditor* editor);

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    TStringGrid* grid_;
};

}  // namespace tervala
