#pragma once

namespace zerval {

class EditBox;

// Tells the user that the box's text is not a number, then selects the whole text so that
// the next keystroke replaces it. For windows that validate their fields on their own.
void ShowInvalidNumber(EditBox& box);

} // namespace zerval
