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

// The program's icon at the sizes the desktop asks for, for every window's title bar.
QIcon programIcon();

// The picture of the donation button, also written out for the donations page.
QPixmap donationButtonPicture();

} // namespace zerval
