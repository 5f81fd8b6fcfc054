#include "converters/steel/barcell.h"

#include "platform/platform.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace zerval {

BarCell::BarCell(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(true);
    setLineWidth(1);
    setMinimumSize(58, 20);
    setHighlighted(false);
}

void BarCell::setHighlighted(bool highlighted) {
    highlighted_ = highlighted;
    QPalette colours = palette();
    const QPalette system;
    if (highlighted) {
        colours.setColor(QPalette::Window, system.color(QPalette::Active, QPalette::Highlight));
        colours.setColor(QPalette::WindowText, Qt::white);
    } else {
        colours.setColor(QPalette::Window, system.color(QPalette::Active, QPalette::Base));
        colours.setColor(QPalette::WindowText, system.color(QPalette::Active, QPalette::Text));
    }
    setPalette(colours);
    QFont face(QStringLiteral("Arial"));
    face.setPixelSize(13);
    face.setBold(highlighted);
    setFont(face);
    setFrameStyle(QFrame::Panel | (highlighted ? QFrame::Raised : QFrame::Sunken));
}

void BarCell::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void BarCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click && onClick) guarded([&] { onClick(*this); });
}

void BarCell::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (onContextPopup) guarded([&] { onContextPopup(*this, event->globalPos()); });
}

} // namespace zerval
