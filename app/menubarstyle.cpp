#include "app/menubarstyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace zerval {

namespace {

constexpr int spacing = 4;

const QStyleOptionMenuItem* pictureAndCaption(const QStyleOption* option) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    return item && !item->icon.isNull() && !item->text.isEmpty() ? item : nullptr;
}

} // namespace

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const QStyleOptionMenuItem* item =
        element == CE_MenuBarItem ? pictureAndCaption(option) : nullptr;
    if (!item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem panel = *item;
    panel.icon = QIcon();
    panel.text.clear();
    QProxyStyle::drawControl(element, &panel, painter, widget);

    const bool enabled = item->state & State_Enabled;
    const bool active = (item->state & State_Selected) && (item->state & State_Sunken);
    const int extent = pixelMetric(PM_SmallIconSize, option, widget);
    const QSize textSize = item->fontMetrics.size(Qt::TextShowMnemonic, item->text);
    const int width = extent + spacing + textSize.width();
    const int left = item->rect.left() + (item->rect.width() - width) / 2;
    const QRect picture(left, item->rect.top() + (item->rect.height() - extent) / 2, extent,
                        extent);
    item->icon.paint(painter, picture, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);

    int alignment = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    if (!styleHint(SH_UnderlineShortcut, option, widget)) alignment |= Qt::TextHideMnemonic;
    const QRect caption(picture.right() + 1 + spacing, item->rect.top(), textSize.width(),
                        item->rect.height());
    drawItemText(painter, caption, alignment, item->palette, enabled, item->text,
                 active && enabled ? QPalette::HighlightedText : QPalette::ButtonText);
}

QSize MenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
    const QStyleOptionMenuItem* item = type == CT_MenuBarItem ? pictureAndCaption(option) : nullptr;
    if (!item) return QProxyStyle::sizeFromContents(type, option, size, widget);
    const int extent = pixelMetric(PM_SmallIconSize, option, widget);
    const QSize textSize = item->fontMetrics.size(Qt::TextShowMnemonic, item->text);
    const QSize contents(extent + spacing + textSize.width(),
                         qMax(qMax(extent, textSize.height()), size.height()));
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

} // namespace zerval
