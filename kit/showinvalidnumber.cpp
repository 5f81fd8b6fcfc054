#include "kit/showinvalidnumber.h"

#include "platform/editbox.h"
#include "platform/platform.h"

namespace zerval {

void ShowInvalidNumber(EditBox& box) {
    platform().messageBox(nullptr, QStringLiteral("Error"), MessageIcon::Information,
                          QLatin1Char('"') + box.text() +
                              QStringLiteral("\"\nNo es un número válido."));
    box.selectAll();
}

} // namespace zerval
