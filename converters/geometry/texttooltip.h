#pragma once

class QLineEdit;

namespace zerval {

// A box kept narrow by design (a degree, minute or second of a sexagesimal triple) cannot
// show a long number whole: its tooltip shows its text instead, from now on and after every
// change, whether typed or written by the window.
void ShowTextAsToolTip(QLineEdit& box);

} // namespace zerval
