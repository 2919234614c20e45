// The data grid of the Input tab: a table of cell texts, one row per point of
// time, with rows of fixed height and no header rows or columns. Typing goes
// straight into the current cell. Every change of a cell's editor text is
// reported with the whole text (EditTextChanged); a block of spreadsheet
// cells pasted into a cell, by Ctrl+V on the cell or into its editor, arrives
// in one such report with its tabs and line breaks.
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>

#include "ui/grid_cells_model.h"

namespace tervala {

// The editor of one cell. A paste whose text spans several cells is not put
// into the editor: the editor closes and the text goes to the grid as a whole.
class GridCellEditor : public QLineEdit {
    Q_OBJECT

  public:
    explicit GridCellEditor(QWidget* parent);
    void PasteClipboard();

  signals:
    void BlockPasted(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
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

  signals:
    // The whole editor text of cell (col, row) after a change of it.
    void EditTextChanged(int col, int row, const QString& text);

  private:
    friend class GridCellDelegate;
    void EditorTextEdited(GridCellEditor* editor, int col, int row, const QString& text);
    void EditorBlockPasted(GridCellEditor* editor, int col, int row, const QString& text);

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

  private:
    TStringGrid* grid_;
};

}  // namespace tervala
