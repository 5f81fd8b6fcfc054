#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace zerval {

// The main window's picture: a vernier calliper gripping a bolt, over a steel rule.
QPixmap measuringInstrumentPicture(QSize size);

// The program's icon: the calliper of the main window's picture, drawn on its own for small
// sizes, on a square canvas with a transparent background. It needs no application object, so
// that the icon files can be rendered at build time; packaging/zerval.svg is the same drawing.
QImage programIconImage(int size);

// The sizes a window carries its icon in, for its title bar and the task switcher; the
// desktop finds the larger ones among the installed theme icons, by the program's desktop
// entry.
inline constexpr int windowIconSizes[] = {16, 22, 24, 32, 48, 64};

// The program's icon at those sizes.
QIcon programIcon();

// The main window's picture is this size.
inline constexpr QSize instrumentPictureSize(474, 353);

// The picture of the donation button, also written out for the donations page.
inline constexpr QSize donationButtonSize(118, 40);
QPixmap donationButtonPicture();

} // namespace zerval
