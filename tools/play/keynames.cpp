#include "tools/play/keynames.h"

#include <QList>

namespace zerval {

Keystroke keystrokeFor(QChar character) {
    const char16_t c = character.unicode();
    if (c == u'\n') return {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};
    if (c == u'\t') return {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")};
    if (c == u'\b') return {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")};
    if (c >= u'a' && c <= u'z') return {Qt::Key_A + (c - u'a'), Qt::NoModifier, QString(character)};
    if (c >= u'A' && c <= u'Z')
        return {Qt::Key_A + (c - u'A'), Qt::ShiftModifier, QString(character)};
    // Qt's keys for the other printable characters are their upper-case code points.
    return {int(character.toUpper().unicode()), Qt::NoModifier, QString(character)};
}

std::optional<Keystroke> keystrokeNamed(const QString& name) {
    struct Named {
        const char* name;
        int key;
        const char* text;
    };
    static const Named keys[] = {
        {"Backspace", Qt::Key_Backspace, "\b"},
        // Qt's Delete carries DEL, which the edit box takes as key down only.
        {"Delete", Qt::Key_Delete, "\x7f"},
        {"Enter", Qt::Key_Return, "\r"},
        {"Escape", Qt::Key_Escape, "\x1b"},
        {"Tab", Qt::Key_Tab, "\t"},
        {"Home", Qt::Key_Home, ""},
        {"End", Qt::Key_End, ""},
        {"Left", Qt::Key_Left, ""},
        {"Right", Qt::Key_Right, ""},
        {"Up", Qt::Key_Up, ""},
        {"Down", Qt::Key_Down, ""},
        {"Space", Qt::Key_Space, " "},
        {"PageUp", Qt::Key_PageUp, ""},
        {"PageDown", Qt::Key_PageDown, ""},
        {"Insert", Qt::Key_Insert, ""},
    };

    QString rest = name;
    Qt::KeyboardModifiers modifiers;
    const QList<std::pair<QString, Qt::KeyboardModifier>> prefixes = {
        {QStringLiteral("Ctrl+"), Qt::ControlModifier},
        {QStringLiteral("Shift+"), Qt::ShiftModifier},
        {QStringLiteral("Alt+"), Qt::AltModifier},
    };
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, modifier] : prefixes) {
            if (rest.size() > prefix.size() && rest.startsWith(prefix, Qt::CaseInsensitive)) {
                modifiers |= modifier;
                rest = rest.mid(prefix.size());
                found = true;
            }
        }
    }

    for (const Named& named : keys) {
        if (rest.compare(QLatin1String(named.name), Qt::CaseInsensitive) != 0) continue;
        Keystroke stroke{named.key, modifiers, QString::fromLatin1(named.text)};
        if (named.key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier))
            stroke.key = Qt::Key_Backtab;
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) {
            if (named.key != Qt::Key_Backspace && named.key != Qt::Key_Escape) stroke.text.clear();
        }
        return stroke;
    }
    if (rest.size() >= 2 && rest.startsWith(QLatin1Char('F'), Qt::CaseInsensitive)) {
        bool number = false;
        const int function = rest.mid(1).toInt(&number);
        if (number && function >= 1 && function <= 12)
            return Keystroke{Qt::Key_F1 + (function - 1), modifiers, QString()};
        return std::nullopt;
    }
    if (rest.size() != 1) return std::nullopt;

    Keystroke stroke = keystrokeFor(rest[0]);
    stroke.modifiers |= modifiers;
    const bool letter = stroke.key >= Qt::Key_A && stroke.key <= Qt::Key_Z;
    if (letter) {
        const QChar lower = QChar(u'a' + (stroke.key - Qt::Key_A));
        stroke.text =
            (stroke.modifiers & Qt::ShiftModifier) ? QString(lower.toUpper()) : QString(lower);
    }
    // As the keyboard reports it, Ctrl+letter carries its control character.
    if ((modifiers & Qt::ControlModifier) && letter)
        stroke.text = QString(QChar(char16_t(1 + (stroke.key - Qt::Key_A))));
    else if (modifiers & Qt::ControlModifier)
        stroke.text.clear();
    return stroke;
}

} // namespace zerval
