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

void deliverKeyLater(std::function<QWidget*()> target, int qtKey, Qt::KeyboardModifiers modifiers,
                     const QString& text) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [target = std::move(target), qtKey, modifiers, text] {
            if (QWidget* widget = target()) sendKeystroke(widget, qtKey, modifiers, text);
        },
        Qt::QueuedConnection);
}

void deliverKeystrokeLater(std::function<QWidget*()> target, QChar character) {
    const bool digit = character.isDigit();
    const int key = digit ? Qt::Key_0 + character.digitValue() : character.unicode();
    deliverKeyLater(std::move(target), key, digit ? Qt::KeypadModifier : Qt::NoModifier,
                    QString(character));
}

} // namespace zerval
