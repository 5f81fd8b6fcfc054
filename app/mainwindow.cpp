#include "app/mainwindow.h"

#include "app/windowcatalog.h"
#include "platform/platform.h"

#include <QDialog>
#include <QMenu>

namespace zerval {

TFormPrincipal::TFormPrincipal(QWidget* parent) : QMainWindow(parent) {}

void TFormPrincipal::openWindow(const QString& className) {
    if (QDialog* window = createWindow(className, this)) platform().showModal(window);
}

QMenu* TFormPrincipal::popupMenu() const { return findChild<QMenu*>(QStringLiteral("PopupMenu1")); }

} // namespace zerval
