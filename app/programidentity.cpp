#include "app/programidentity.h"

#include "app/artwork.h"

#include <QApplication>

namespace zerval {

void identifyProgram() {
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopEntryId));
}

} // namespace zerval
