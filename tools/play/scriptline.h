#pragma once

#include <QString>
#include <QStringList>

namespace zerval {

// The words of one script line, or why the line is malformed.
struct ScriptLine {
    QStringList words;
    QString error;
};

// Splits a line into words. A word with blanks or special characters stands in double
// quotes, where \" \\ \n and \t are escapes. A `#` that begins the line or stands alone as a
// word starts a comment; `#2` is an ordinary word (pick by index).
ScriptLine splitScriptLine(const QString& line);

// A text as printed on one output line: line breaks and tabs become \n, \r and \t.
QString escapeText(const QString& text);

// A caption as the user reads it: access-key ampersands left out, "&&" read as "&".
QString withoutAmpersands(const QString& caption);

// Names in natural order: Edit2 before Edit10.
bool naturalLess(const QString& a, const QString& b);

} // namespace zerval
