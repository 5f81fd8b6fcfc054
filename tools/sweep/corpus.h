#pragma once

#include <QString>
#include <QStringList>

namespace zerval {

// The hostile texts of a corpus file: one a line, "#" lines and blank lines left out, with
// the escapes \\ \s \t \n \r, \u{HEX} for any character and \{N*TEXT} for TEXT repeated N
// times. Empty with `error` set when the file cannot be read or a line is malformed.
QStringList loadCorpus(const QString& path, QString& error);

// One corpus line read through its escapes; `error` set when it is malformed.
QString corpusText(const QString& line, QString& error);

} // namespace zerval
