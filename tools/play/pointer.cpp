#include "tools/play/pointer.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

namespace zerval {

namespace {

struct Target {
    QPointer<QWidget> widget;
    QPoint at;
};

Target targetAt(QWidget* control, QPoint at) {
    QWidget* child = control->childAt(at);
    if (!child) return {control, at};
    return {child, child->mapFrom(control, at)};
}

// A press gives the focus first, as the window system's own press does: to the nearest
// enabled widget under the pointer that takes the focus on a click.
void giveFocus(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        QWidget* taker = w->focusProxy() ? w->focusProxy() : w;
        if (taker->isEnabled() && (taker->focusPolicy() & Qt::ClickFocus)) {
            taker->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (w->isWindow()) return;
    }
}

void sendMouse(const Target& target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    if (!target.widget) return;
    QWidget* widget = target.widget;
    const QPointF local(at);
    const QPointF scene(widget->mapTo(widget->window(), at));
    const QPointF global(widget->mapToGlobal(at));
    if (type == QEvent::MouseButtonPress) giveFocus(widget);
    if (!target.widget) return;
    QMouseEvent event(type, local, scene, global, button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

void sendClick(QWidget* control, QPoint at, Qt::MouseButton button) {
    const Target target = targetAt(control, at);
    sendMouse(target, QEvent::MouseButtonPress, target.at, button, button);
    sendMouse(target, QEvent::MouseButtonRelease, target.at, button, Qt::NoButton);
}

void sendRightClick(QWidget* control, QPoint at) {
    const Target target = targetAt(control, at);
    sendMouse(target, QEvent::MouseButtonPress, target.at, Qt::RightButton, Qt::RightButton);
    sendMouse(target, QEvent::MouseButtonRelease, target.at, Qt::RightButton, Qt::NoButton);
    if (!target.widget) return;
    QContextMenuEvent menu(QContextMenuEvent::Mouse, target.at,
                           target.widget->mapToGlobal(target.at));
    QCoreApplication::sendEvent(target.widget, &menu);
}

void sendDrag(QWidget* control, QPoint from, QPoint to) {
    const Target target = targetAt(control, from);
    const QPoint start = target.at;
    const QPoint end = start + (to - from);
    sendMouse(target, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    constexpr int steps = 4;
    for (int step = 1; step <= steps; ++step)
        sendMouse(target, QEvent::MouseMove, start + (end - start) * step / steps, Qt::NoButton,
                  Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
}

void sendWheel(QWidget* control, int delta) {
    const Target target = targetAt(control, control->rect().center());
    if (!target.widget) return;
    QWheelEvent event(QPointF(target.at), QPointF(target.widget->mapToGlobal(target.at)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target.widget, &event);
}

} // namespace zerval
