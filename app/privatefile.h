#pragma once

#include <QByteArray>
#include <QString>

namespace zerval {

// Writes `bytes` as the file `name` of the program's private temporary folder, created or
// truncated, readable by the user alone. An entry of that name that is not a plain file (a
// link planted there, a folder) is never written through: a link is replaced by the file, and
// anything else is left alone. False when nothing could be written, or when there is no
// folder to write into.
bool writePrivateFile(const QString& folder, const QString& name, const QByteArray& bytes);

} // namespace zerval
