#pragma once

#include <QChar>
#include <QString>

#include "kit/entryreading.h"

namespace zerval {

// What a numeric field looks like to the key filter when a key arrives.
struct FieldState {
    QString text;
    int selectionStart = 0;
    int selectionLength = 0;
};

// Decides, for one typed character, what reaches a numeric field: the key itself, the key
// rewritten ("." "," "'" become the separator, "e" becomes "E"), or 0 when it is swallowed.
char16_t FilterNumericKey(char16_t key, const FieldState& field, QChar separator);

EntryClass ClassifyEntry(const QString& text, QChar separator);

// Converts a field's text, telling the user when it is not a number. The flag is cleared
// first and set when the text does not convert; the result is then 0.0. A value beyond the
// double range raises FloatOverflow.
double ParseEntry(const QString& text, bool& parseError, QChar separator);

// The text of a conversion message for `text`, as ParseEntry shows it.
QString notANumberMessage(const QString& text);

} // namespace zerval
