#pragma once

#include <QPoint>

class QWidget;

namespace zerval {

// Mouse input as the user gives it. Points are in the control's coordinates; a press goes to
// the widget under the point (a child of the control, or a grid's viewport), and the moves
// and the release of a drag go where the press went.

void sendClick(QWidget* control, QPoint at, Qt::MouseButton button);
// A right click and the context-menu request that follows it.
void sendRightClick(QWidget* control, QPoint at);
void sendDrag(QWidget* control, QPoint from, QPoint to);
// DELTA in eighths of a degree, 120 a notch; positive turns away from the user.
void sendWheel(QWidget* control, int delta);

} // namespace zerval
