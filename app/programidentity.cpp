#include "app/programidentity.h"

#include "app/prepainted.h"

#include <QApplication>

namespace zerval {

void identifyProgram() {
    QApplication::setWindowIcon(startupProgramIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopEntryId));
}

} // namespace zerval
