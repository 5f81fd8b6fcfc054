#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace zerval {

// The pictures the main window shows as it opens. They are painted at build time, by the
// code of artwork.h, so that start-up only copies them; a size that was not painted then is
// painted here.
QPixmap startupInstrumentPicture(QSize size);
QPixmap startupDonationPicture();
QIcon startupProgramIcon();

} // namespace zerval
