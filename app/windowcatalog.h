#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

namespace zerval {

// The windows that the menus can open, by class name. A menu entry whose window is not in
// the catalog yet is shown disabled.
QDialog* createWindow(const QString& className, QWidget* owner);
bool isWindowBuilt(const QString& className);
// The class names of every window in the catalog.
QStringList builtWindows();

} // namespace zerval
