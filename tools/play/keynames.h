#pragma once

#include <QString>

#include <optional>

namespace zerval {

// One keystroke as a keyboard delivers it to Qt.
struct Keystroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// The keystroke that types this character: digits and letters with their keys, '\n' as
// Enter, '\t' as Tab, '\b' as Backspace.
Keystroke keystrokeFor(QChar character);

// A key by name: Backspace, Delete, Enter, Escape, Tab, Home, End, Left, Right, Up, Down,
// Space, PageUp, PageDown, Insert, F1 to F12, or one character, each with optional Ctrl+,
// Shift+ and Alt+ prefixes. Empty for a name that is none of these.
std::optional<Keystroke> keystrokeNamed(const QString& name);

} // namespace zerval
