#include "converters/geometry/unitcircle.h"

#include "kit/textforms.h"

#include <cmath>

namespace zerval {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = kPi / 2;
constexpr double kThreeHalvesPi = 4.71238898038469;

constexpr std::array<TrigRowStyle, kTrigFunctionCount> kRows = {{
    {255, 0, 0, 1, true},      // sen
    {0, 205, 0, 1, true},      // cos
    {0, 0, 255, 1, true},      // tg
    {0, 150, 0, 1, false},     // cotg
    {128, 0, 0, 2, false},     // sec
    {0, 255, 255, 2, false},   // cosec
    {255, 0, 255, 1, false},   // sen verso
    {0, 255, 0, 1, false},     // cos verso
    {255, 255, 0, 2, false},   // sec ext
    {255, 131, 171, 2, false}, // cosec ext
}};

} // namespace

const TrigRowStyle& TrigRow(TrigFunction function) {
    return kRows[size_t(function)];
}

int CircleQuadrant(double angle) {
    if (angle >= 0.0 && angle < kHalfPi) return 0;
    if (angle >= kHalfPi && angle < kPi) return 1;
    if (angle >= kPi && angle < kThreeHalvesPi) return 2;
    return 3;
}

int CircleRadius(int zoomPosition) {
    return (140 - 10) * zoomPosition / 50 + 10;
}

UnitCircleFigure UnitCircle(double angle, int centreX, int centreY, int radius) {
    UnitCircleFigure figure;
    const int quadrant = CircleQuadrant(angle);
    figure.quadrant = quadrant;

    const double s = std::sin(angle);
    const double c = std::cos(angle);
    const double tangent = c == 0.0 ? 0.0 : std::tan(angle);
    const double cotangent = s == 0.0 ? 0.0 : 1.0 / std::tan(angle);
    const double secant = c == 0.0 ? 0.0 : 1.0 / c;
    const double cosecant = s == 0.0 ? 0.0 : 1.0 / s;
    // The versines run from the point to the nearer side of the circle's square, so their
    // sign follows the half the point lies in.
    const double versine = (quadrant == 1 || quadrant == 2 ? -1.0 : 1.0) - c;
    const double coversine = (quadrant == 2 || quadrant == 3 ? -1.0 : 1.0) - s;
    const double exsecant = secant == 0.0 ? 0.0 : std::fabs(secant) - 1.0;
    const double excosecant = std::fabs(cosecant) - 1.0;
    figure.values = {s,        c,       tangent,   cotangent, secant,
                     cosecant, versine, coversine, exsecant,  excosecant};

    const double r = radius;
    const double cx = centreX;
    const double cy = centreY;
    const double ps = std::trunc(r * s);
    const double pc = std::trunc(r * c);
    const double pt = std::trunc(r * tangent);
    const double pct = std::trunc(r * cotangent);
    const double pv = std::trunc(r * versine);

    const CirclePoint q{cx + pc, cy - ps};
    figure.point = q;
    const CirclePoint t = quadrant == 0 || quadrant == 3 ? CirclePoint{cx + r, cy - pt}
                                                         : CirclePoint{cx - r, cy + pt};
    const CirclePoint k = quadrant == 0 || quadrant == 1 ? CirclePoint{cx + pct, cy - r}
                                                         : CirclePoint{cx - pct, cy + r};

    const bool tangentDrawn = c != 0.0 && angle != kHalfPi && angle != kThreeHalvesPi;
    const bool sineHeight = ps != 0.0;
    const bool cosineWidth = pc != 0.0;
    figure.defined = {true,       true, tangentDrawn, sineHeight,  cosineWidth,
                      sineHeight, true, true,         cosineWidth, sineHeight};

    const CirclePoint centre{cx, cy};
    auto set = [&](TrigFunction f, CirclePoint from, CirclePoint to) {
        figure.segments[size_t(f)] = {from, to};
    };
    set(TrigFunction::Sine, q, {cx + pc, cy});
    set(TrigFunction::Cosine, q, {cx, cy - ps});
    set(TrigFunction::Tangent, {t.x, cy}, t);
    set(TrigFunction::Cotangent, {cx, k.y}, k);
    set(TrigFunction::Secant, centre, t);
    set(TrigFunction::Cosecant, centre, k);
    set(TrigFunction::Exsecant, q, t);
    set(TrigFunction::Excosecant, q, k);
    if (quadrant == 1 || quadrant == 2)
        set(TrigFunction::Versine, q, {cx - r, cy - ps});
    else
        set(TrigFunction::Versine, q, {cx + pc + pv, cy - ps});
    if (quadrant == 2 || quadrant == 3)
        set(TrigFunction::Coversine, q, {cx + pc, cy + r});
    else
        set(TrigFunction::Coversine, q, {cx + pc, cy - r});

    figure.ray = {centre, {std::trunc(cx + 100.0 * r * c), std::trunc(cy - 100.0 * r * s)}};
    return figure;
}

// Liang and Barsky's clipping: the segment as from + u (to - from), u in [0, 1], narrowed
// by each side of the rectangle in turn.
std::optional<CircleSegment> ClipSegment(const CircleSegment& segment, double left, double top,
                                         double right, double bottom) {
    const double dx = segment.to.x - segment.from.x;
    const double dy = segment.to.y - segment.from.y;
    double enter = 0.0;
    double leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {segment.from.x - left, right - segment.from.x, segment.from.y - top,
                         bottom - segment.from.y};
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0.0) {
            if (q[side] < 0.0) return std::nullopt;
            continue;
        }
        const double u = q[side] / p[side];
        if (p[side] < 0.0) {
            if (u > leave) return std::nullopt;
            if (u > enter) enter = u;
        } else {
            if (u < enter) return std::nullopt;
            if (u < leave) leave = u;
        }
    }
    CircleSegment clipped = segment;
    if (enter > 0.0) clipped.from = {segment.from.x + enter * dx, segment.from.y + enter * dy};
    if (leave < 1.0) clipped.to = {segment.from.x + leave * dx, segment.from.y + leave * dy};
    return clipped;
}

QString TrigValueText(double value, QChar separator) {
    if (!std::isfinite(value)) return NoTrigValueText();
    return GeneralText(static_cast<double>(RoundToScale(value, 100000000)), separator);
}

QString NoTrigValueText() {
    return QStringLiteral("- - -");
}

} // namespace zerval
