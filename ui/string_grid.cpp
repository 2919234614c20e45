#include "ui/string_grid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>
#include <map>
#include <memory>

namespace tervala {

namespace {

bool SpansSeveralCells(const QString& text) {
    return text.contains('\t') || text.contains('\r') || text.contains('\n');
}

bool IsEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

// ---- cell editor ----

GridCellEditor::GridCellEditor(QWidget* parent) : QLineEdit(parent) {
    setObjectName("StringGrid1Editor");
    setFrame(false);
}

bool GridCellEditor::TakesText(const QString& text) {
    if (!SpansSeveralCells(text)) return true;
    emit BlockPasted(text);
    return false;
}

void GridCellEditor::PasteClipboard(QClipboard::Mode mode) {
    const QString text = QApplication::clipboard()->text(mode);
    if (TakesText(text)) insert(text);
}

void GridCellEditor::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection where the window system keeps one.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        PasteClipboard(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void GridCellEditor::dropEvent(QDropEvent* event) {
    if (event->mimeData()->hasText() && !TakesText(event->mimeData()->text())) {
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dropEvent(event);
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
            connect(action, &QAction::triggered, this, [this] { PasteClipboard(); });
        }
    }
    menu->exec(event->globalPos());
}

// ---- delegate ----

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    emit grid_->ChangeStarting();
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

bool GridCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<GridCellEditor*>(object);
    if (editor && event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        grid_->MoveToNextRow();
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
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
    emit ChangeStarting();
    SetCell(col, row, text);
    emit EditTextChanged(col, row, text);
    emit ChangeFinished();
}

void TStringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    emit ChangeFinished();
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        MoveToNextRow();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TStringGrid::MoveToNextRow() {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() + 1 >= RowCount()) return;
    setCurrentIndex(model()->index(current.row() + 1, current.column()));
}

void TStringGrid::RestoreCells(const GridCellsModel::Snapshot& cells) {
    if (GridCellEditor* editor = ActiveEditor()) delegate_->Discard(editor);
    cells_->Restore(cells);
}

void TStringGrid::PasteClipboard() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    if (GridCellEditor* editor = ActiveEditor()) {
        editor->PasteClipboard();
        return;
    }
    const QString text = QApplication::clipboard()->text();
    emit ChangeStarting();
    SetCell(current.column(), current.row(), text);
    emit EditTextChanged(current.column(), current.row(), text);
    emit ChangeFinished();
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
    emit ChangeStarting();
    {
        Batch batch(*this);
        for (const QModelIndex& i : selectionModel()->selectedIndexes())
            SetCell(i.column(), i.row(), QString());
    }
    const QModelIndex current = currentIndex();
    if (current.isValid()) {
        SetCell(current.column(), current.row(), QString());
        emit EditTextChanged(current.column(), current.row(), QString());
    }
    emit ChangeFinished();
}

}  // namespace tervala
