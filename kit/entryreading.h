#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace zerval {

enum class EntryClass { Empty, Incomplete, Convertible };

// What a numeric field's text is before anything is computed from it.
EntryClass classifyText(const QString& text, QChar separator);

// A field's text classified and, when it is complete, read. Nothing is shown: the window
// turns a text that is not a number into its own message.
struct EntryReading {
    EntryClass kind = EntryClass::Empty;
    // The number, in extended precision, for a convertible text that is one.
    std::optional<long double> value;

    bool complete() const { return kind == EntryClass::Convertible; }
    bool notANumber() const { return complete() && !value; }
};

EntryReading readEntry(const QString& text, QChar separator);

} // namespace zerval
