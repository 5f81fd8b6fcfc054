#pragma once

#include <QChar>

#include <functional>

class QWidget;

namespace zerval {

// Delivers a typed character once the running handler has returned, to the widget that
// `target` names at that moment, through the same key handling as a key from the keyboard.
// Digits arrive as numeric-keypad keys.
void deliverKeystrokeLater(std::function<QWidget*()> target, QChar character);
void deliverKeyLater(std::function<QWidget*()> target, int qtKey, Qt::KeyboardModifiers modifiers,
                     const QString& text);

// Sends one key press and release to a widget now.
void sendKeystroke(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers,
                   const QString& text);

} // namespace zerval
