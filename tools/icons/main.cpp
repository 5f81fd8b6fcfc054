#include "app/artwork.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The mean difference, in steps of 0 to 255 per channel, between a picture of the icon (the
// scalable icon as a renderer drew it) and the icon as the program paints it at that size.
int printDifference(const QString& file) {
    QImage picture;
    if (!picture.load(file)) {
        std::fprintf(stderr, "zerval-icons: cannot read %s\n", qPrintable(file));
        return 1;
    }
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage painted =
        zerval::programIconImage(picture.width()).convertToFormat(QImage::Format_ARGB32);
    if (picture.width() != picture.height()) {
        std::fprintf(stderr, "zerval-icons: %s is not square\n", qPrintable(file));
        return 1;
    }
    double total = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y);
            const QRgb b = painted.pixel(x, y);
            // Colours count as far as they show: weighted by their opacity.
            total += std::abs(qAlpha(a) - qAlpha(b));
            total += std::abs(qRed(a) * qAlpha(a) - qRed(b) * qAlpha(b)) / 255.0;
            total += std::abs(qGreen(a) * qAlpha(a) - qGreen(b) * qAlpha(b)) / 255.0;
            total += std::abs(qBlue(a) * qAlpha(a) - qBlue(b) * qAlpha(b)) / 255.0;
        }
    }
    std::printf("%.3f\n", total / (4.0 * picture.width() * picture.height()));
    return 0;
}

} // namespace

// zerval-icons FOLDER NAME: writes the program's icon into FOLDER as a hicolor theme tree,
// FOLDER/SIZExSIZE/apps/NAME.png for each size the desktop looks for. Run at build time; it
// paints into images only, so it needs neither a screen nor an application object.
// zerval-icons --difference FILE.png: prints how far a picture of the icon is from the
// painted one.
int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--difference") == 0)
        return printDifference(QString::fromLocal8Bit(argv[2]));
    if (argc != 3) {
        std::fputs("usage: zerval-icons FOLDER NAME | --difference FILE.png\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString file = sizeFolder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(sizeFolder) || !zerval::programIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "zerval-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
