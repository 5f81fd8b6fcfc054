#include "app/prepainted.h"

#include "app/artwork.h"
#include "app/prepaintedtable.h"

#include <QImage>

#include <utility>

namespace zerval {

namespace {

QImage prepainted(const char* name, QSize size) {
    for (const PrepaintedPicture& picture : prepaintedPictures()) {
        if (qstrcmp(picture.name, name) != 0 || QSize(picture.width, picture.height) != size)
            continue;
        return QImage(picture.pixels, picture.width, picture.height, picture.width * 4,
                      QImage::Format_ARGB32_Premultiplied);
    }
    return QImage();
}

} // namespace

// The pixmap takes the image's pixels where they stand, rather than a copy of them.
QPixmap startupInstrumentPicture(QSize size) {
    QImage ready = prepainted("instrument", size);
    return ready.isNull() ? measuringInstrumentPicture(size) : QPixmap::fromImage(std::move(ready));
}

QPixmap startupDonationPicture() {
    QImage ready = prepainted("donation", donationButtonSize);
    return ready.isNull() ? donationButtonPicture() : QPixmap::fromImage(std::move(ready));
}

QIcon startupProgramIcon() {
    QIcon icon;
    for (const int size : windowIconSizes) {
        QImage ready = prepainted("icon", QSize(size, size));
        icon.addPixmap(
            QPixmap::fromImage(ready.isNull() ? programIconImage(size) : std::move(ready)));
    }
    return icon;
}

} // namespace zerval
