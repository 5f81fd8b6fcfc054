#include "app/gifpicture.h"

#include <QColor>
#include <QHash>

#include <algorithm>

namespace zerval {

namespace {

void putWord(QByteArray& out, int value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// Packs codes of a fixed width, least significant bit first, as GIF wants them.
class CodeWriter {
public:
    explicit CodeWriter(int width)
        : width_(width) {}
    void put(int code) {
        buffer_ |= quint32(code) << bits_;
        bits_ += width_;
        while (bits_ >= 8) {
            bytes_.append(char(buffer_ & 0xff));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    QByteArray finish() {
        if (bits_ > 0) bytes_.append(char(buffer_ & 0xff));
        return bytes_;
    }

private:
    int width_;
    quint32 buffer_ = 0;
    int bits_ = 0;
    QByteArray bytes_;
};

// The pixels as LZW data that only ever uses one-pixel codes: a clear code comes often enough
// that the decoder's table never outgrows nine-bit codes. Larger than real compression, but
// short, and any reader decodes it.
QByteArray pixelData(const QImage& indexed) {
    constexpr int minimumCodeSize = 8;
    constexpr int clearCode = 1 << minimumCodeSize;
    constexpr int endCode = clearCode + 1;
    constexpr int pixelsPerRun = 250;
    CodeWriter codes(minimumCodeSize + 1);
    int run = 0;
    codes.put(clearCode);
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            if (run == pixelsPerRun) {
                codes.put(clearCode);
                run = 0;
            }
            codes.put(line[x]);
            ++run;
        }
    }
    codes.put(endCode);
    return codes.finish();
}

// The picture on a palette of its own colours when it has at most 256 (every fully
// transparent pixel counting as one); otherwise Qt's reduction to a fixed palette.
QImage indexedPicture(const QImage& picture) {
    const QImage colours = picture.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(colours.size(), QImage::Format_Indexed8);
    QHash<QRgb, int> palette;
    QList<QRgb> table;
    for (int y = 0; y < colours.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < colours.width(); ++x) {
            const QRgb colour = qAlpha(line[x]) == 0 ? qRgba(0, 0, 0, 0) : line[x] | 0xff000000u;
            auto found = palette.constFind(colour);
            if (found == palette.constEnd()) {
                if (table.size() == 256)
                    return picture.convertToFormat(QImage::Format_Indexed8,
                                                   Qt::DiffuseDither | Qt::ThresholdAlphaDither);
                found = palette.insert(colour, int(table.size()));
                table.append(colour);
            }
            out[x] = uchar(*found);
        }
    }
    indexed.setColorTable(table);
    return indexed;
}

} // namespace

QByteArray gifPicture(const QImage& picture) {
    if (picture.isNull() || picture.width() > 0xffff || picture.height() > 0xffff) return {};
    const QImage indexed = indexedPicture(picture);
    QList<QRgb> palette = indexed.colorTable();
    int transparent = -1;
    for (qsizetype i = 0; i < palette.size(); ++i)
        if (qAlpha(palette[i]) == 0) transparent = int(i);
    palette.resize(256, qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append(char(0xf7)); // global colour table of 256 entries, 8 bits of colour
    out.append(char(0));    // background colour
    out.append(char(0));    // no aspect ratio
    for (const QRgb colour : palette) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    if (transparent >= 0) {
        out.append("\x21\xf9\x04\x01", 4);
        putWord(out, 0);
        out.append(char(transparent));
        out.append(char(0));
    }
    out.append(char(0x2c)); // image descriptor
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append(char(0));
    out.append(char(8)); // minimum code size
    const QByteArray data = pixelData(indexed);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype block = std::min<qsizetype>(255, data.size() - at);
        out.append(char(block));
        out.append(data.constData() + at, block);
    }
    out.append(char(0)); // end of the image data
    out.append(char(0x3b));
    return out;
}

} // namespace zerval
