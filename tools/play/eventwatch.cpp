#include "tools/play/eventwatch.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

namespace zerval {

EventWatch::EventWatch(QObject* parent)
    : QObject(parent) {}

bool EventWatch::eventFilter(QObject* watched, QEvent* event) {
    ++delivered_;
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->windowType() == Qt::Popup)
            QMetaObject::invokeMethod(widget, &QWidget::close, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zerval
