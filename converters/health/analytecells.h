#pragma once

#include <QStyledItemDelegate>

namespace zerval {

// The cells of the analyte grid: pale like a hint, and the chosen row raised out of it in
// white bold italics on a sunken violet bevel.
class AnalyteCells : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace zerval
