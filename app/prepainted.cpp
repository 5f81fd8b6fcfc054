#include "app/prepainted.h"

#include "app/artwork.h"
#include "app/prepaintedtable.h"

#include <QImage>

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

QPixmap startupInstrumentPicture(QSize size) {
    const QImage ready = prepainted("instrument", size);
    return ready.isNull() ? measuringInstrumentPicture(size) : QPixmap::fromImage(ready);
}

QPixmap startupDonationPicture() {
    const QImage ready = prepainted("donation", donationButtonSize);
    return ready.isNull() ? donationButtonPicture() : QPixmap::fromImage(ready);
}

QIcon startupProgramIcon() {
    QIcon icon;
    for (const int size : windowIconSizes) {
        const QImage ready = prepainted("icon", QSize(size, size));
        icon.addPixmap(QPixmap::fromImage(ready.isNull() ? programIconImage(size) : ready));
    }
    return icon;
}

} // namespace zerval
