#include "app/artwork.h"
#include "app/prepainted.h"
#include "app/prepaintedtable.h"
#include "testapplication.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using namespace zerval;

namespace {

// The mean difference between two pictures, in steps of 0 to 255 per channel.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double total = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return total / (4.0 * left.width() * left.height());
}

} // namespace

// The pictures painted at build time are the ones the program would paint now: a change to
// the drawing that the build did not paint again shows here.
TEST(Prepainted, PicturesAreWhatTheProgramPaints) {
    ensureApplication();
    const QImage instrument = startupInstrumentPicture(instrumentPictureSize).toImage();
    ASSERT_EQ(instrument.size(), instrumentPictureSize);
    EXPECT_LT(
        meanDifference(instrument, measuringInstrumentPicture(instrumentPictureSize).toImage()),
        1.0);
    const QImage donation = startupDonationPicture().toImage();
    ASSERT_EQ(donation.size(), donationButtonSize);
    EXPECT_LT(meanDifference(donation, donationButtonPicture().toImage()), 1.0);
    const QIcon icon = startupProgramIcon();
    for (const int size : windowIconSizes) {
        const QImage painted = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(painted.size(), QSize(size, size));
        EXPECT_LT(meanDifference(painted, programIconImage(size)), 1.0) << size;
    }
}

// Every start-up picture was painted at build time; a size asked for that was not is painted
// on the spot.
TEST(Prepainted, EveryStartupPictureIsReadyAndOtherSizesArePainted) {
    ensureApplication();
    int instruments = 0, donations = 0, icons = 0;
    for (const PrepaintedPicture& picture : prepaintedPictures()) {
        const QByteArray name(picture.name);
        instruments += name == "instrument";
        donations += name == "donation";
        icons += name == "icon";
    }
    EXPECT_EQ(instruments, 1);
    EXPECT_EQ(donations, 1);
    EXPECT_EQ(icons, int(std::size(windowIconSizes)));
    EXPECT_EQ(startupInstrumentPicture(QSize(200, 150)).size(), QSize(200, 150));
}
