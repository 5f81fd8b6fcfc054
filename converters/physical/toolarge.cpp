#include "converters/physical/toolarge.h"

#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/platform.h"

namespace zerval {

void refuseTooLarge(QWidget& window, EditBox& box, long double typed, const QString& thanks) {
    platform().messageBox(&window, QStringLiteral("Número muy grande."), MessageIcon::Warning,
                          QLatin1Char('"') + GeneralText(typed, platform().decimalSeparator()) +
                              QStringLiteral("\" Es un número demasiado grande para poner "
                                             "aquí.\nPrueba con uno menor.\n") +
                              thanks);
    box.selectAll();
}

} // namespace zerval
