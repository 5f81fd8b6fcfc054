#include "platform/clickablelabel.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace zerval {

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (isSignalConnected(QMetaMethod::fromSignal(&ClickableLabel::pressed))) {
        event->accept();
        emit pressed();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    armed_ = true;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool click = armed_ && rect().contains(event->position().toPoint());
    armed_ = false;
    event->accept();
    if (click) emit clicked();
}

} // namespace zerval
