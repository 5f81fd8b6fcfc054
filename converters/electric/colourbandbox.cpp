#include "converters/electric/colourbandbox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace zerval {

namespace {

void drawBand(QPainter& painter, const QRect& area, const QString& text, QColor colour,
              int swatchLeft, const QPalette& palette, bool highlighted) {
    painter.save();
    painter.fillRect(area, highlighted ? palette.highlight() : palette.base());
    painter.setPen(highlighted ? palette.highlightedText().color() : palette.text().color());
    painter.drawText(area.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    const QRect swatch(area.left() + swatchLeft, area.top() + 1,
                       std::max(0, area.width() - swatchLeft - 1), std::max(0, area.height() - 2));
    painter.fillRect(swatch, colour);
    painter.restore();
}

class BandDelegate : public QStyledItemDelegate {
public:
    explicit BandDelegate(ColourBandBox* box)
        : QStyledItemDelegate(box)
        , box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        drawBand(*painter, option.rect, index.data(Qt::DisplayRole).toString(),
                 index.data(Qt::UserRole).value<QColor>(), box_->swatchLeft(), option.palette,
                 option.state & QStyle::State_Selected);
    }

private:
    ColourBandBox* box_;
};

} // namespace

ColourBandBox::ColourBandBox(QWidget* parent)
    : QComboBox(parent) {
    setItemDelegate(new BandDelegate(this));
}

void ColourBandBox::addBand(const QString& text, QColor colour) {
    addItem(text, colour);
}

QColor ColourBandBox::bandColour(int index) const {
    return itemData(index, Qt::UserRole).value<QColor>();
}

void ColourBandBox::setSwatchLeft(int pixels) {
    swatchLeft_ = pixels;
    update();
}

void ColourBandBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    drawBand(painter, field, currentText(), bandColour(currentIndex()), swatchLeft_, palette(),
             false);
}

} // namespace zerval
