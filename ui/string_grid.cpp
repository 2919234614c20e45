#include "ui/string_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <map>
#include <memory>

namespace tervala {

namespace {

bool SpansSeveralCells(const QString& text) {
    return text.contains('\t') || text.contains('\r') || text.contains('\n');
}

}  // namespace

// ---- cell editor ----

GridCellEditor::GridCellEditor(QWidget* parent) : QLineEdit(parent) {
    setObjectName("StringGrid1Editor");
    setFrame(false);
}

void GridCellEditor::PasteClipboard() {
    const QString text = QApplication::clipboard()->text();
    if (SpansSeveralCells(text)) {
        emit BlockPasted(text);
        return;
    }
    paste();
}

void GridCellEditor::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteClipboard();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void GridCellEditor::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        if (action->objectName() == "edit-paste") {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &GridCellEditor::PasteClipboard);
        }
    }
    menu->exec(event->globalPos());
}

// ---- delegate ----

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    auto* editor = new GridCellEditor(parent);
    const int col = index.column();
    const int row = index.row();
    TStringGrid* grid = grid_;
    connect(editor, &QLineEdit::textEdited, grid, [grid, editor, col, row](const QString& text) {
        grid->EditorTextEdited(editor, col, row, text);
    });
    connect(editor, &GridCellEditor::BlockPasted, grid,
            [grid, editor, col, row](const QString& text) {
                grid->EditorBlockPasted(editor, col, row, text);
            });
    return editor;
}

void GridCellDelegate::Discard(GridCellEditor* editor) {
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

// ---- grid ----

TStringGrid::TStringGrid(QWidget* parent) : QTableView(parent) {
    cells_ = new GridCellsModel(this);
    delegate_ = new GridCellDelegate(this);
    setModel(cells_);
    setItemDelegate(delegate_);

    // No fixed header rows or columns: the captions are labels above the grid.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

void TStringGrid::SetRowCount(int rows) { cells_->SetShownRows(rows); }

void TStringGrid::SetColCount(int columns) { cells_->SetShownColumns(columns); }

GridCellEditor* TStringGrid::ActiveEditor() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return nullptr;
    return qobject_cast<GridCellEditor*>(indexWidget(current));
}

void TStringGrid::EditorTextEdited(GridCellEditor* editor, int col, int row, const QString& text) {
    if (SpansSeveralCells(text)) {
        EditorBlockPasted(editor, col, row, text);
        return;
    }
    SetCell(col, row, text);
    emit EditTextChanged(col, row, text);
}

void TStringGrid::EditorBlockPasted(GridCellEditor* editor, int col, int row, const QString& text) {
    // The block is spread over the grid by the receiver; the editor must not
    // write its own text back into the starting cell afterwards.
    delegate_->Discard(editor);
    SetCell(col, row, text);
    emit EditTextChanged(col, row, text);
}

void TStringGrid::PasteClipboard() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    if (GridCellEditor* editor = ActiveEditor()) {
        editor->PasteClipboard();
        return;
    }
    const QString text = QApplication::clipboard()->text();
    SetCell(current.column(), current.row(), text);
    emit EditTextChanged(current.column(), current.row(), text);
}

QString TStringGrid::SelectedText() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    std::map<int, std::map<int, QString>> byRow;
    for (const QModelIndex& i : selected) byRow[i.row()][i.column()] = Cell(i.column(), i.row());
    if (byRow.empty() && currentIndex().isValid())
        byRow[currentIndex().row()][currentIndex().column()] =
            Cell(currentIndex().column(), currentIndex().row());
    QString text;
    for (const auto& [row, cols] : byRow) {
        QStringList cells;
        for (const auto& [col, cell] : cols) cells << cell;
        text += cells.join('\t') + "\r\n";
    }
    return text;
}

void TStringGrid::CopySelection() const { QApplication::clipboard()->setText(SelectedText()); }

void TStringGrid::DeleteSelection() {
    {
        Batch batch(*this);
        for (const QModelIndex& i : selectionModel()->selectedIndexes())
            SetCell(i.column(), i.row(), QString());
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    SetCell(current.column(), current.row(), QString());
    emit EditTextChanged(current.column(), current.row(), QString());
}

}  // namespace tervala
