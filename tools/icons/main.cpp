#include "app/artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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

struct Painted {
    const char* name;
    QImage image;
};

// The start-up pictures as a C++ source: one array of premultiplied ARGB pixels each, and the
// table that app/prepaintedtable.h declares.
int writePrepainted(const QString& file) {
    std::vector<Painted> pictures;
    pictures.push_back(
        {"instrument",
         zerval::measuringInstrumentPicture(zerval::instrumentPictureSize).toImage()});
    pictures.push_back({"donation", zerval::donationButtonPicture().toImage()});
    for (const int size : zerval::windowIconSizes)
        pictures.push_back({"icon", zerval::programIconImage(size)});

    QByteArray source = "// Written by zerval-icons --prepaint at build time: do not edit.\n"
                        "#include \"app/prepaintedtable.h\"\n\n"
                        "namespace zerval {\n\nnamespace {\n\n";
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QImage image = pictures[i].image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        pictures[i].image = image;
        source += "alignas(4) const uchar picture" + QByteArray::number(qulonglong(i)) + "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const uchar* row = image.constScanLine(y);
            for (int x = 0; x < image.width() * 4; ++x) {
                if ((y * image.width() * 4 + x) % 24 == 0) source += "\n";
                source += QByteArray::number(row[x]) + ',';
            }
        }
        source += "\n};\n\n";
    }
    source += "const PrepaintedPicture pictures[] = {\n";
    for (std::size_t i = 0; i < pictures.size(); ++i)
        source += QByteArray("    {\"") + pictures[i].name + "\", " +
                  QByteArray::number(pictures[i].image.width()) + ", " +
                  QByteArray::number(pictures[i].image.height()) + ", picture" +
                  QByteArray::number(qulonglong(i)) + "},\n";
    source += "};\n\n} // namespace\n\n"
              "std::span<const PrepaintedPicture> prepaintedPictures() {\n"
              "    return pictures;\n}\n\n} // namespace zerval\n";
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(source) != source.size()) {
        std::fprintf(stderr, "zerval-icons: cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}

} // namespace

// zerval-icons FOLDER NAME: writes the program's icon into FOLDER as a hicolor theme tree,
// FOLDER/SIZExSIZE/apps/NAME.png for each size the desktop looks for. Run at build time; it
// paints into images only, so it needs neither a screen nor an application object.
// zerval-icons --difference FILE.png: prints how far a picture of the icon is from the
// painted one.
// zerval-icons --prepaint FILE.cpp: writes the main window's start-up pictures as a source
// file; it paints text, so it needs an application object (QT_QPA_PLATFORM=offscreen).
int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--difference") == 0)
        return printDifference(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--prepaint") == 0) {
        QGuiApplication application(argc, argv);
        return writePrepainted(QString::fromLocal8Bit(argv[2]));
    }
    if (argc != 3) {
        std::fputs(
            "usage: zerval-icons FOLDER NAME | --difference FILE.png | --prepaint FILE.cpp\n",
            stderr);
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
