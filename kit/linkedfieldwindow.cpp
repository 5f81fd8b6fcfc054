#include "kit/linkedfieldwindow.h"

#include "kit/dialogchrome.h"

namespace zerval {

LinkedFieldWindow::LinkedFieldWindow(QWidget* owner, LinkedFieldLayout layout)
    : QDialog(owner, DialogChrome::flags())
    , graph_(*this, std::move(layout)) {}

LinkedFieldWindow::~LinkedFieldWindow() = default;

void LinkedFieldWindow::bindFields() {
    graph_.bind(*this);
    DialogChrome::apply(*this, graph_.layout().position);
}

void LinkedFieldWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
}

void LinkedFieldWindow::fieldChanged(int number) {
    graph_.spread(number);
}

void LinkedFieldWindow::fieldWritten(int) {}

void LinkedFieldWindow::answerError(std::exception_ptr error) {
    platform().reportError(error);
    ClearAllFields();
}

} // namespace zerval
