#include "converters/historic/celleditor.h"

#include "platform/editbox.h"
#include "platform/platform.h"

#include <QTableWidget>

namespace zerval {

CellEditor::CellEditor(QTableWidget* grid)
    : QStyledItemDelegate(grid)
    , grid_(grid) {}

QWidget* CellEditor::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                  const QModelIndex& index) const {
    auto* editor = new EditBox(parent);
    editor->setFrame(false);
    editor_ = editor;
    editing_ = index;
    const int column = index.column();
    const int row = index.row();
    editor->onKeyDown = [this](EditBox& box, int code) {
        if (onKeyDown) onKeyDown(box, code);
    };
    editor->onKeyPress = [this](EditBox& box, char16_t& key) {
        if (onKeyPress) onKeyPress(box, key);
    };
    editor->onChange = [this, column, row](EditBox& box) {
        if (quiet_) return;
        if (QTableWidgetItem* item = grid_->item(row, column)) item->setText(box.text());
        if (onSetEditText) onSetEditText(column, row, box.text());
    };
    return editor;
}

void CellEditor::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = qobject_cast<EditBox*>(editor);
    if (!box) return;
    const QString text = index.data(Qt::DisplayRole).toString();
    if (box->text() == text) return;
    quiet_ = true;
    box->setText(text);
    quiet_ = false;
    box->selectAll();
}

// The cell already holds every text the editor had.
void CellEditor::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

void CellEditor::writeCell(int column, int row, const QString& text) {
    QTableWidgetItem* item = grid_->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid_->setItem(row, column, item);
    }
    item->setText(text);
    if (EditBox* editor = editorAt(column, row); editor && editor->text() != text) {
        quiet_ = true;
        editor->setText(text);
        quiet_ = false;
    }
}

QString CellEditor::cellText(int column, int row) const {
    const QTableWidgetItem* item = grid_->item(row, column);
    return item ? item->text() : QString();
}

EditBox* CellEditor::editorAt(int column, int row) const {
    if (!editor_ || !editing_.isValid()) return nullptr;
    if (editing_.column() != column || editing_.row() != row) return nullptr;
    return editor_;
}

} // namespace zerval
