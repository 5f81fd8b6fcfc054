#include "platform/cachedframestyle.h"

#include "platform/themeicon.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QStyleOption>

namespace zerval {

void CachedFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    const QRect area = option ? option->rect : QRect();
    if (element != PE_PanelLineEdit || !frame || area.isEmpty() || area.width() > 4096 ||
        area.height() > 512) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("zerval-panel-%1x%2-%3-%4-%5-%6-%7-%8-%9")
                            .arg(area.width())
                            .arg(area.height())
                            .arg(int(frame->state))
                            .arg(frame->palette.cacheKey())
                            .arg(frame->lineWidth)
                            .arg(frame->midLineWidth)
                            .arg(int(frame->features))
                            .arg(int(frame->direction))
                            .arg(ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap((QSizeF(area.size()) * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QStyleOptionFrame moved = *frame;
        moved.rect = QRect(QPoint(0, 0), area.size());
        QPainter picturePainter(&picture);
        picturePainter.setRenderHints(painter->renderHints());
        QProxyStyle::drawPrimitive(element, &moved, &picturePainter, widget);
        picturePainter.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(area.topLeft(), picture);
}

QIcon CachedFrameStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    const QPointer<const CachedFrameStyle> style(this);
    return deferredIcon([style, standardIcon] {
        return style ? style->QProxyStyle::standardIcon(standardIcon, nullptr, nullptr) : QIcon();
    });
}

} // namespace zerval
