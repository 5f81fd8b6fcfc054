#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>

class QTableWidget;

namespace zerval {

class EditBox;

// The cell editor of an editable grid: an edit box with the key and change events of the
// numeric fields. Every change of its text is the cell's new text at once, and is told to
// the window; texts the program writes into the cell reach the open editor quietly.
class CellEditor : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CellEditor(QTableWidget* grid);

    std::function<void(EditBox& editor, int keyCode)> onKeyDown;
    std::function<void(EditBox& editor, char16_t& key)> onKeyPress;
    std::function<void(int column, int row, const QString& text)> onSetEditText;

    // Writes a cell as the program does: no edit event, the open editor follows.
    void writeCell(int column, int row, const QString& text);
    QString cellText(int column, int row) const;
    // The editor open on this cell, if any.
    EditBox* editorAt(int column, int row) const;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    QTableWidget* grid_;
    mutable QPointer<EditBox> editor_;
    mutable QPersistentModelIndex editing_;
    mutable bool quiet_ = false;
};

} // namespace zerval
