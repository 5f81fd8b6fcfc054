#include "kit/entrykit.h"

#include "kit/checked.h"
#include "kit/numbersyntax.h"
#include "platform/platform.h"

#include <exception>

namespace zerval {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kCopy = 3;
constexpr char16_t kPaste = 22;
constexpr char16_t kCut = 24;

bool allowed(char16_t key) {
    return (key >= u'0' && key <= u'9') || key == kBackspace || key == u'-' || key == u'E' ||
           key == u'e' || key == u'.' || key == u',';
}

} // namespace

char16_t FilterNumericKey(char16_t key, const FieldState& field, QChar separator) {
    if (key == kBackspace) return key;
    if (key == u'.' || key == u',' || key == u'\'') key = separator.unicode();
    if (key == u'e') key = u'E';
    if (key == kCopy || key == kPaste || key == kCut) return key;
    if (!allowed(key)) return 0;

    const QString& text = field.text;
    const bool wholeSelected = field.selectionLength - field.selectionStart == text.size();
    const QString prospective = wholeSelected ? QString() : text;

    if (key == u'-') {
        if (!prospective.isEmpty() && text.endsWith(QLatin1Char('E'))) return key;
        if (!prospective.isEmpty() && text.startsWith(QLatin1Char('-'))) return 0;
        return field.selectionStart == 0 ? key : 0;
    }

    QString trial = prospective;
    trial.insert(qMin<qsizetype>(field.selectionStart, trial.size()), QChar(key));
    try {
        return readNumber(trial, separator) ? key : char16_t(0);
    } catch (...) {
        platform().messageBox(nullptr, QStringLiteral("zervalh"), MessageIcon::Warning,
                              trial.left(100) + QStringLiteral(" no es un número válido."));
        return 0;
    }
}

EntryClass ClassifyEntry(const QString& text, QChar separator) {
    return classifyText(text, separator);
}

QString notANumberMessage(const QString& text) {
    return QLatin1Char('"') + text + QStringLiteral("\"\nNo es un número válido.\n");
}

double ParseEntry(const QString& text, bool& parseError, QChar separator) {
    parseError = false;
    std::optional<long double> value;
    try {
        value = readNumber(text, separator);
    } catch (const std::exception& error) {
        platform().messageBox(nullptr, QStringLiteral("Error de conversión"),
                              MessageIcon::Information, QString::fromUtf8(error.what()));
        throw;
    }
    if (!value) {
        platform().messageBox(nullptr, QStringLiteral("Error de conversión"),
                              MessageIcon::Information, notANumberMessage(text));
        parseError = true;
        return 0.0;
    }
    return narrow(*value);
}

} // namespace zerval
