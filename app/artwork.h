#pragma once

#include <QPixmap>
#include <QSize>

namespace zerval {

// The main window's picture: a vernier calliper gripping a bolt, over a steel rule.
QPixmap measuringInstrumentPicture(QSize size);

// The picture of the donation button, also written out for the donations page.
QPixmap donationButtonPicture();

} // namespace zerval
