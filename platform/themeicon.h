#pragma once

#include <QIcon>
#include <QString>

namespace zerval {

// The desktop theme's icon `name`, or the picture `fallback` where the theme has none. The
// theme is looked up when the icon is first drawn, not when it is made: finding the theme
// reads folders of the icon themes, which start-up does not need for an entry not yet shown.
QIcon themeIcon(const QString& name, const QString& fallback);

} // namespace zerval
