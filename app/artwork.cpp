#include "app/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <initializer_list>

namespace zerval {

namespace {

// The picture is drawn on a fixed canvas, scaled to the size asked for.
constexpr int canvasWidth = 480;
constexpr int canvasHeight = 360;

QLinearGradient steel(qreal top, qreal bottom) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, QColor(236, 240, 244));
    gradient.setColorAt(0.45, QColor(184, 192, 201));
    gradient.setColorAt(1.0, QColor(120, 130, 142));
    return gradient;
}

void paintBackground(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, canvasHeight);
    sky.setColorAt(0.0, QColor(250, 251, 253));
    sky.setColorAt(1.0, QColor(214, 226, 236));
    painter.fillRect(QRectF(0, 0, canvasWidth, canvasHeight), sky);

    // Graph paper.
    painter.setPen(QPen(QColor(190, 208, 224, 90), 1));
    for (int x = 0; x <= canvasWidth; x += 12)
        painter.drawLine(x, 0, x, canvasHeight);
    for (int y = 0; y <= canvasHeight; y += 12)
        painter.drawLine(0, y, canvasWidth, y);
    painter.setPen(QPen(QColor(170, 192, 214, 120), 1));
    for (int x = 0; x <= canvasWidth; x += 60)
        painter.drawLine(x, 0, x, canvasHeight);
    for (int y = 0; y <= canvasHeight; y += 60)
        painter.drawLine(0, y, canvasWidth, y);
}

void paintRule(QPainter& painter) {
    const QRectF body(24, 276, 432, 46);
    painter.setPen(QPen(QColor(92, 72, 20), 1.2));
    QLinearGradient brass(0, body.top(), 0, body.bottom());
    brass.setColorAt(0.0, QColor(252, 226, 140));
    brass.setColorAt(1.0, QColor(214, 168, 58));
    painter.setBrush(brass);
    painter.drawRoundedRect(body, 3, 3);

    const qreal left = body.left() + 12;
    const qreal step = 2.7; // a millimetre on the rule
    QFont numbers(QStringLiteral("DejaVu Sans"));
    numbers.setPixelSize(9);
    painter.setFont(numbers);
    for (int mm = 0; mm <= 150; ++mm) {
        const qreal x = left + mm * step;
        const qreal length = mm % 10 == 0 ? 16 : mm % 5 == 0 ? 11 : 6;
        painter.setPen(QPen(QColor(60, 44, 10), mm % 10 == 0 ? 1.2 : 0.8));
        painter.drawLine(QPointF(x, body.top()), QPointF(x, body.top() + length));
        if (mm % 10 == 0)
            painter.drawText(QRectF(x - 10, body.top() + 18, 20, 12), Qt::AlignCenter,
                             QString::number(mm / 10));
    }
    painter.drawText(QRectF(body.right() - 40, body.bottom() - 14, 34, 12), Qt::AlignRight,
                     QStringLiteral("cm"));
}

// The measuring faces of the two outside jaws.
constexpr qreal fixedJaw = 104;
constexpr qreal slidingJaw = 228;

void paintBolt(QPainter& painter) {
    // The piece held between the jaws, threaded on its right half.
    const QRectF shank(fixedJaw, 178, slidingJaw - fixedJaw, 34);
    QLinearGradient metal(0, shank.top(), 0, shank.bottom());
    metal.setColorAt(0.0, QColor(210, 214, 220));
    metal.setColorAt(0.5, QColor(150, 156, 166));
    metal.setColorAt(1.0, QColor(96, 102, 112));
    painter.setPen(QPen(QColor(60, 64, 72), 1));
    painter.setBrush(metal);
    painter.drawRect(shank);
    painter.setPen(QPen(QColor(70, 74, 82, 160), 1));
    for (qreal x = shank.left() + 50; x < shank.right(); x += 5)
        painter.drawLine(QPointF(x, shank.top()), QPointF(x - 3, shank.bottom()));
}

void paintCalliper(QPainter& painter) {
    const QColor edge(46, 52, 60);
    const qreal beamTop = 104, beamBottom = 140;
    const qreal mm = 2.7;

    // Depth rod, beyond the beam.
    painter.setPen(QPen(edge, 1));
    painter.setBrush(steel(118, 124));
    painter.drawRect(QRectF(440, 118, 30, 5));

    // Beam with its millimetre scale.
    painter.setBrush(steel(beamTop, beamBottom));
    painter.drawRect(QRectF(58, beamTop, 388, beamBottom - beamTop));
    QFont numbers(QStringLiteral("DejaVu Sans"));
    numbers.setPixelSize(8);
    painter.setFont(numbers);
    for (int i = 0; fixedJaw + i * mm < 442; ++i) {
        const qreal x = fixedJaw + i * mm;
        const qreal length = i % 10 == 0 ? 12 : i % 5 == 0 ? 8 : 5;
        painter.setPen(QPen(QColor(30, 34, 40), i % 10 == 0 ? 1.1 : 0.7));
        painter.drawLine(QPointF(x, beamBottom), QPointF(x, beamBottom - length));
        if (i % 10 == 0 && i > 0)
            painter.drawText(QRectF(x - 8, beamTop + 3, 16, 10), Qt::AlignCenter,
                             QString::number(i / 10));
    }

    // Fixed jaw: the long outside jaw below the beam, the small inside jaw above it.
    QPainterPath fixed;
    fixed.moveTo(58, beamTop);
    fixed.lineTo(58, 214);
    fixed.lineTo(fixedJaw - 14, 246);
    fixed.lineTo(fixedJaw, 250);
    fixed.lineTo(fixedJaw, beamBottom);
    fixed.lineTo(fixedJaw, beamTop);
    fixed.closeSubpath();
    painter.setPen(QPen(edge, 1.2));
    painter.setBrush(steel(beamTop, 250));
    painter.drawPath(fixed);
    QPainterPath fixedInside;
    fixedInside.moveTo(fixedJaw - 24, beamTop);
    fixedInside.lineTo(fixedJaw - 6, 64);
    fixedInside.lineTo(fixedJaw, 66);
    fixedInside.lineTo(fixedJaw, beamTop);
    fixedInside.closeSubpath();
    painter.setBrush(steel(64, beamTop));
    painter.drawPath(fixedInside);

    // Sliding jaw with the vernier plate and the thumb wheel.
    QPainterPath sliding;
    sliding.moveTo(slidingJaw, beamTop - 8);
    sliding.lineTo(slidingJaw + 86, beamTop - 8);
    sliding.lineTo(slidingJaw + 86, beamBottom + 18);
    sliding.lineTo(slidingJaw + 42, beamBottom + 18);
    sliding.lineTo(slidingJaw + 42, 214);
    sliding.lineTo(slidingJaw + 14, 246);
    sliding.lineTo(slidingJaw, 250);
    sliding.closeSubpath();
    painter.setBrush(steel(beamTop - 8, 250));
    painter.drawPath(sliding);
    QPainterPath slidingInside;
    slidingInside.moveTo(slidingJaw + 24, beamTop - 8);
    slidingInside.lineTo(slidingJaw + 6, 64);
    slidingInside.lineTo(slidingJaw, 66);
    slidingInside.lineTo(slidingJaw, beamTop - 8);
    slidingInside.closeSubpath();
    painter.setBrush(steel(64, beamTop));
    painter.drawPath(slidingInside);

    const QRectF vernier(slidingJaw + 4, beamBottom - 2, 78, 18);
    painter.setBrush(QColor(246, 248, 250));
    painter.drawRect(vernier);
    for (int i = 0; i <= 10; ++i) {
        const qreal x = vernier.left() + 4 + i * mm * 0.9 * 2.5;
        painter.setPen(QPen(QColor(30, 34, 40), 0.8));
        painter.drawLine(QPointF(x, vernier.top()),
                         QPointF(x, vernier.top() + (i % 5 == 0 ? 9 : 5)));
    }

    QRadialGradient knurl(QPointF(slidingJaw + 62, beamTop - 16), 9);
    knurl.setColorAt(0.0, QColor(230, 234, 238));
    knurl.setColorAt(1.0, QColor(110, 118, 128));
    painter.setPen(QPen(edge, 1));
    painter.setBrush(knurl);
    painter.drawEllipse(QPointF(slidingJaw + 62, beamTop - 16), 9, 9);
    painter.setPen(QPen(QColor(70, 76, 84), 0.8));
    for (int i = -3; i <= 3; ++i)
        painter.drawLine(QPointF(slidingJaw + 62 + i * 2.4, beamTop - 23),
                         QPointF(slidingJaw + 62 + i * 2.4, beamTop - 9));

    // Locking screw on top of the slider.
    painter.setBrush(steel(beamTop - 20, beamTop - 8));
    painter.setPen(QPen(edge, 1));
    painter.drawRect(QRectF(slidingJaw + 22, beamTop - 18, 12, 10));
}

void paintShadow(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 80, 100, 40));
    painter.drawRoundedRect(QRectF(30, 330, 432, 8), 4, 4);
}

} // namespace

QPixmap measuringInstrumentPicture(QSize size) {
    // Painted straight at the size asked for: scaling a finished canvas would start Qt's
    // image threads at start-up for a picture that painting at that size draws as well.
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(qreal(size.width()) / canvasWidth, qreal(size.height()) / canvasHeight);
    paintBackground(painter);
    paintShadow(painter);
    paintRule(painter);
    paintBolt(painter);
    paintCalliper(painter);
    painter.end();
    return picture;
}

namespace {

// The icon is drawn on a 256-unit square; packaging/zerval.svg repeats these shapes.
constexpr qreal iconCanvas = 256;

QLinearGradient iconSteel(qreal top, qreal bottom) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, QColor(236, 240, 244));
    gradient.setColorAt(0.45, QColor(184, 192, 201));
    gradient.setColorAt(1.0, QColor(120, 130, 142));
    return gradient;
}

QPainterPath polygonPath(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    for (const QPointF& corner : corners) {
        if (path.elementCount() == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

void paintIconTile(QPainter& painter) {
    QLinearGradient blue(0, 16, 0, 240);
    blue.setColorAt(0.0, QColor(92, 148, 204));
    blue.setColorAt(1.0, QColor(40, 92, 150));
    painter.setPen(QPen(QColor(28, 64, 108), 6));
    painter.setBrush(blue);
    painter.drawRoundedRect(QRectF(16, 16, 224, 224), 36, 36);

    painter.setPen(QPen(QColor(255, 255, 255, 50), 2));
    for (int line = 64; line <= 192; line += 32) {
        painter.drawLine(QPointF(line, 19), QPointF(line, 237));
        painter.drawLine(QPointF(19, line), QPointF(237, line));
    }
}

void paintIconCalliper(QPainter& painter) {
    const QPen edge(QColor(46, 52, 60), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);

    // The bolt between the jaws, threaded on its right half.
    QLinearGradient metal(0, 150, 0, 184);
    metal.setColorAt(0.0, QColor(210, 214, 220));
    metal.setColorAt(0.5, QColor(150, 156, 166));
    metal.setColorAt(1.0, QColor(96, 102, 112));
    painter.setPen(QPen(QColor(60, 64, 72), 2));
    painter.setBrush(metal);
    painter.drawRect(QRectF(80, 150, 64, 34));
    painter.setPen(QPen(QColor(70, 74, 82, 160), 2));
    for (int x = 116; x <= 140; x += 6)
        painter.drawLine(QPointF(x, 150), QPointF(x - 4, 184));

    // The beam with its scale.
    painter.setPen(edge);
    painter.setBrush(iconSteel(72, 108));
    painter.drawRect(QRectF(24, 72, 208, 36));
    for (int i = 0; 84 + i * 6 <= 228; ++i) {
        const qreal x = 84 + i * 6;
        painter.setPen(QPen(QColor(30, 34, 40), 2));
        painter.drawLine(QPointF(x, 108), QPointF(x, 108 - (i % 5 == 0 ? 14 : 8)));
    }

    // The fixed jaws, outside below the beam and inside above it.
    painter.setPen(edge);
    painter.setBrush(iconSteel(72, 218));
    painter.drawPath(polygonPath({{24, 72}, {24, 168}, {66, 214}, {80, 218}, {80, 72}}));
    painter.setBrush(iconSteel(36, 72));
    painter.drawPath(polygonPath({{56, 72}, {74, 36}, {80, 38}, {80, 72}}));

    // The sliding jaws with the vernier plate, the thumb wheel and the locking screw.
    painter.setBrush(iconSteel(62, 218));
    painter.drawPath(polygonPath(
        {{144, 62}, {204, 62}, {204, 124}, {174, 124}, {174, 168}, {156, 214}, {144, 218}}));
    painter.setBrush(iconSteel(36, 62));
    painter.drawPath(polygonPath({{164, 62}, {150, 36}, {144, 38}, {144, 62}}));

    painter.setPen(QPen(QColor(46, 52, 60), 2));
    painter.setBrush(QColor(246, 248, 250));
    painter.drawRect(QRectF(148, 108, 52, 12));
    painter.setPen(QPen(QColor(30, 34, 40), 1.5));
    for (int i = 0; i <= 10; ++i) {
        const qreal x = 152 + i * 4.4;
        painter.drawLine(QPointF(x, 108), QPointF(x, 108 + (i % 5 == 0 ? 8 : 5)));
    }

    QRadialGradient knurl(QPointF(188, 50), 10);
    knurl.setColorAt(0.0, QColor(230, 234, 238));
    knurl.setColorAt(1.0, QColor(110, 118, 128));
    painter.setPen(QPen(QColor(46, 52, 60), 2));
    painter.setBrush(knurl);
    painter.drawEllipse(QPointF(188, 50), 10, 10);
    painter.setBrush(iconSteel(50, 62));
    painter.drawRect(QRectF(164, 50, 12, 12));
}

} // namespace

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / iconCanvas, size / iconCanvas);
    paintIconTile(painter);
    paintIconCalliper(painter);
    painter.end();
    return image;
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : windowIconSizes)
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

QPixmap donationButtonPicture() {
    QPixmap picture(donationButtonSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient gold(0, 0, 0, 40);
    gold.setColorAt(0.0, QColor(255, 236, 160));
    gold.setColorAt(0.5, QColor(255, 196, 57));
    gold.setColorAt(1.0, QColor(236, 160, 30));
    painter.setPen(QPen(QColor(168, 110, 20), 1.2));
    painter.setBrush(gold);
    painter.drawRoundedRect(QRectF(1, 1, 116, 38), 18, 18);

    // A heart before the word.
    QPainterPath heart;
    heart.moveTo(22, 30);
    heart.cubicTo(8, 21, 12, 10, 22, 15);
    heart.cubicTo(32, 10, 36, 21, 22, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(204, 40, 60));
    painter.drawPath(heart);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(44, 46, 106));
    painter.drawText(QRectF(38, 0, 74, 40), Qt::AlignCenter, QStringLiteral("Donar"));
    return picture;
}

} // namespace zerval
