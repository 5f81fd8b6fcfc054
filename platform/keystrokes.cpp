#include "platform/keystrokes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace zerval {

void sendKeystroke(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers,
                   const QString& text) {
    QPointer<QWidget> receiver(widget);
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QCoreApplication::sendEvent(receiver, &press);
    if (!receiver) return;
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QCoreApplication::sendEvent(receiver, &release);
}

void deliverKeystrokeLater(std::function<QWidget*()> target, QChar character) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [target = std::move(target), character] {
            QWidget* widget = target();
            if (!widget) return;
            const bool digit = character.isDigit();
            const int key = digit ? Qt::Key_0 + character.digitValue() : character.unicode();
            sendKeystroke(widget, key, digit ? Qt::KeypadModifier : Qt::NoModifier,
                          QString(character));
        },
        Qt::QueuedConnection);
}

} // namespace zerval
