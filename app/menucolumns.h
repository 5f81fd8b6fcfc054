#pragma once

class QMenu;
class QPoint;

namespace zerval {

// Makes the entry of `menu` that carries the property "columnBreak" start a new column of
// the menu on the screen, as the designed menus do. Qt's menus only wrap into columns when
// they run out of screen; this lays the menu out each time it is about to be shown. One
// break a menu is honoured (the first); where the screen is too short for the first column,
// the menu wraps as Qt lays it out.
void enableMenuColumns(QMenu* menu);

// Opens a menu made by enableMenuColumns at `place` (global coordinates), where it stays even
// when it has several columns.
void popUpMenu(QMenu* menu, const QPoint& place);

} // namespace zerval
