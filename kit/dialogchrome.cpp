#include "kit/dialogchrome.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace zerval {

Qt::WindowFlags DialogChrome::flags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::MSWindowsFixedSizeDialogHint;
}

DialogChrome::DialogChrome(QDialog& window, std::optional<QPoint> position)
    : QObject(&window)
    , position_(position) {}

void DialogChrome::apply(QDialog& window, std::optional<QPoint> position) {
    window.setFixedSize(window.size());
    window.installEventFilter(new DialogChrome(window, position));
}

bool DialogChrome::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && !placed_) {
        placed_ = true;
        auto* window = static_cast<QDialog*>(watched);
        if (position_) {
            window->move(*position_);
        } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zerval
