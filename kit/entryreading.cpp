#include "kit/entryreading.h"

#include "kit/numbersyntax.h"

namespace zerval {

EntryClass classifyText(const QString& text, QChar separator) {
    if (text.isEmpty()) return EntryClass::Empty;
    if (text == QStringLiteral("-") || text.endsWith(separator)) return EntryClass::Incomplete;
    return EntryClass::Convertible;
}

EntryReading readEntry(const QString& text, QChar separator) {
    EntryReading reading;
    reading.kind = classifyText(text, separator);
    if (reading.complete()) reading.value = readNumber(text, separator);
    return reading;
}

} // namespace zerval
