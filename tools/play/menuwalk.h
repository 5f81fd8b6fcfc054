#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAction;

namespace zerval {

// The lines `menus` prints for these entries: two blanks of indent a level, the caption as
// designed in double quotes, " [hidden]", " [column]"; a separator as "-".
void appendMenuLines(QStringList& lines, const QList<QAction*>& entries, int level = 0);

// The entry reached through these captions (ampersands left out), one a level, as the user
// opens each menu in turn. Null, with the reason in `error`, when an entry is missing,
// hidden or disabled, or when the last one only opens a submenu.
QAction* findMenuEntry(const QList<QAction*>& entries, const QStringList& captions, QString& error);

} // namespace zerval
