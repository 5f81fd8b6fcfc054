#pragma once

#include <QIcon>
#include <QString>

#include <functional>

namespace zerval {

// An icon made by `make` when it is first drawn or measured, not when it is created: finding
// some icons reads folders of icon themes or loads every image-format plug-in, which a window
// need not pay for an icon it may never show.
QIcon deferredIcon(std::function<QIcon()> make);

// The desktop theme's icon `name`, or the picture `fallback` where the theme has none, looked
// up when first drawn.
QIcon themeIcon(const QString& name, const QString& fallback);

} // namespace zerval
