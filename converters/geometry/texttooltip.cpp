#include "converters/geometry/texttooltip.h"

#include <QLineEdit>

namespace zerval {

void ShowTextAsToolTip(QLineEdit& box) {
    box.setToolTip(box.text());
    QObject::connect(&box, &QLineEdit::textChanged, &box, &QWidget::setToolTip);
}

} // namespace zerval
