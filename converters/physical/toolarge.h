#pragma once

#include <QString>

class QWidget;

namespace zerval {

class EditBox;

// A number typed into a field that is too large for its unit: a warning box owned by the
// window quotes the number and thanks the user in the window's own words, and the field's
// text is selected so that the next key replaces it.
void refuseTooLarge(QWidget& window, EditBox& box, long double typed, const QString& thanks);

} // namespace zerval
