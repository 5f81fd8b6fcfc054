#pragma once

#include <QString>
#include <QStringList>

namespace zerval {

class BrowserEngine;

// The file name of the browser module, without folder.
QString browserModuleName();

// The folders searched for the browser module: beside the program (a build tree) and the
// program's library folder (an installed tree).
QStringList browserModuleFolders();

// Loads the browser module from the first of `folders` that holds it. The engine lives until
// the program ends; on failure it is null and `error` says why.
BrowserEngine* loadBrowserEngine(const QStringList& folders, QString* error);

} // namespace zerval
