#include "converters/health/analytecells.h"

#include <QPainter>

namespace zerval {

void AnalyteCells::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    painter->save();
    const QRect cell = option.rect;
    QFont font = option.font;
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->fillRect(cell, QColor(128, 128, 192));
        // A sunken bevel three pixels deep: dark above and left, light below and right.
        for (int i = 0; i < 3; ++i) {
            const QRect ring = cell.adjusted(i, i, -i - 1, -i - 1);
            painter->setPen(QColor(98, 98, 162));
            painter->drawLine(ring.topLeft(), ring.topRight());
            painter->drawLine(ring.topLeft(), ring.bottomLeft());
            painter->setPen(QColor(158, 158, 222));
            painter->drawLine(ring.bottomLeft(), ring.bottomRight());
            painter->drawLine(ring.topRight(), ring.bottomRight());
        }
        font.setBold(true);
        font.setItalic(true);
        painter->setPen(Qt::white);
    } else {
        painter->fillRect(cell, option.palette.color(QPalette::ToolTipBase));
        painter->setPen(option.palette.color(QPalette::Text));
    }
    painter->setFont(font);
    painter->drawText(cell.adjusted(2, 0, -2, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

} // namespace zerval
