#include "converters/health/orderheader.h"

#include <QAbstractItemModel>
#include <QPainter>
#include <QPolygon>
#include <qdrawutil.h>

namespace zerval {

OrderHeader::OrderHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setFixedHeight(24);
}

void OrderHeader::setButtonState(int activeColumn, bool pressed) {
    activeColumn_ = activeColumn;
    pressed_ = pressed;
    viewport()->update();
}

void OrderHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid()) return;
    painter->save();
    const QPalette& colours = palette();
    painter->fillRect(rect, colours.color(QPalette::Button));
    qDrawShadeRect(painter, rect, colours, false, 1);

    QFont bold = font();
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(colours.color(QPalette::ButtonText));
    const QRect textArea = rect.adjusted(2, 0, -kButtonWidth, 0);
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);

    const bool sunken = pressed_ && logicalIndex == activeColumn_;
    const QRect button(rect.right() - kButtonWidth + 1, rect.top(), kButtonWidth, rect.height());
    qDrawWinButton(painter, button, colours, sunken, &colours.brush(QPalette::Button));
    const QPoint centre = button.center() + QPoint(sunken ? 1 : 0, sunken ? 1 : 0);
    const QPolygon arrow({centre + QPoint(-4, -2), centre + QPoint(4, -2), centre + QPoint(0, 2)});
    const QColor arrowColour = sunken ? QColor(255, 0, 0) : QColor(0, 0, 0);
    painter->setPen(arrowColour);
    painter->setBrush(arrowColour);
    painter->drawPolygon(arrow);
    painter->restore();
}

} // namespace zerval
