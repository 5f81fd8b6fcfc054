#include "converters/geometry/angles.h"

#include "converters/geometry/angleunits.h"
#include "converters/geometry/dial.h"
#include "converters/geometry/sexagesimal.h"
#include "converters/geometry/texttooltip.h"
#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/platform.h"
#include "ui_tformangulo.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>

#include <cmath>

namespace zerval {

namespace {

constexpr int kRadian = 1;
constexpr int kDegree = 2;
constexpr int kTripleDegrees = 8;
constexpr int kTripleMinutes = 9;
constexpr int kTripleSeconds = 10;
const QString kSecondsPattern = QStringLiteral("00.###");

// A unit on a hub, converted both ways by the unit's own functions; the hub is written
// unrounded.
FieldRow unitRow(int number, int hub, AngleUnit unit) {
    FieldRow row{number, hub, nullptr, resultForm, hub, nullptr, generalForm};
    row.fromSource = [unit](Ext x) { return Ext(AngleFromHub(unit, x.toDouble())); };
    row.toParent = [unit](Ext x) { return Ext(AngleToHub(unit, x.toDouble())); };
    return row;
}

// The sexagesimal triple, written from the degrees by the window's own texts.
FieldRow tripleRow(int number) {
    FieldRow row{number, kDegree, times({}), generalForm, kDegree, times({}), generalForm};
    row.hasSpecialText = true;
    return row;
}

// Two hubs with a lock each: the radians (the window's hub) feed the gons, revolutions and
// right angles; the degrees feed the minutes, seconds and the triple, and write the radians
// where their own row stands. The radians write the degrees even when their lock is held:
// the degrees' own change then stops at it.
LinkedFieldLayout angleLayout() {
    LinkedFieldLayout layout;
    layout.hub = kRadian;
    layout.activation = KeyActivation::FocusFollows;
    layout.reading = ReadMode::MessagedKeep;
    layout.separatorAtOpening = true;
    FieldRow degrees{
        kDegree,     kRadian,          [](Ext x) { return Ext(DegreesFromRadians(x.toDouble())); },
        generalForm, kRadian,          [](Ext x) { return Ext(RadiansFromDegrees(x.toDouble())); },
        generalForm, RowKind::GroupHub};
    degrees.skip = SpreadSkip::Active;
    layout.rows = {
        degrees,
        unitRow(3, kDegree, AngleUnit::Minute),
        unitRow(4, kDegree, AngleUnit::Second),
        tripleRow(kTripleSeconds),
        tripleRow(kTripleMinutes),
        tripleRow(kTripleDegrees),
        unitRow(5, kRadian, AngleUnit::Gon),
        unitRow(6, kRadian, AngleUnit::Revolution),
        unitRow(7, kRadian, AngleUnit::RightAngle),
    };
    return layout;
}

} // namespace

TFormAngulo::TFormAngulo(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormAngulo>())
    , graph_(*this, angleLayout()) {
    ui->setupUi(this);
    separator_ = graph_.separator();
    graph_.bind(*this);
    for (EditBox* field : {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6,
                           ui->Edit7, ui->Edit8, ui->Edit9, ui->Edit10})
        field->installEventFilter(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    for (EditBox* box : {ui->Edit8, ui->Edit9, ui->Edit10})
        ShowTextAsToolTip(*box);

    pen_ = QPen(QColor(192, 192, 192), 1, Qt::SolidLine);
    DrawAngle(0.0);
}

TFormAngulo::~TFormAngulo() = default;

bool TFormAngulo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* field = qobject_cast<EditBox*>(watched))
            graph_.setActiveField(graph_.fieldNumber(*field));
    return QDialog::eventFilter(watched, event);
}

void TFormAngulo::fieldChanged(int number) {
    switch (number) {
    case kTripleDegrees:
        return Edit8Change();
    case kTripleMinutes:
        return Edit9Change();
    case kTripleSeconds:
        return Edit10Change();
    default:
        return graph_.spread(number);
    }
}

bool TFormAngulo::hubReady(int hub) {
    if (hub == kDegree && ui->Edit10->text().isEmpty()) ui->Edit10->setText(QStringLiteral("00"));
    return true;
}

// The dial follows each hub's spread; its exact axes read the triple the degrees wrote.
void TFormAngulo::spreadDone(int) {
    DrawAngle(graph_.value(kRadian));
}

// Whether the box of the triple being typed into holds a fraction, which already counts
// beside the smaller boxes of the triple.
bool TFormAngulo::typedFraction(int number) const {
    if (graph_.activeField() != number) return false;
    const QString text = graph_.field(number)->text();
    return TripleFieldValue(text, separator_) != WholeTripleFieldValue(text, separator_);
}

// The triple from the degrees: all three parts are stored before the first text is written.
// The boxes below a typed fraction keep their texts: written from it as well, the fraction
// would count twice at the next key.
std::optional<QString> TFormAngulo::specialText(int number) {
    if (typedFraction(kTripleDegrees) ||
        (number == kTripleSeconds && typedFraction(kTripleMinutes)))
        return graph_.field(number)->text();
    const SexagesimalParts parts = SplitSexagesimal(graph_.value(kDegree));
    graph_.value(kTripleDegrees) = parts.degrees;
    graph_.value(kTripleMinutes) = parts.minutes;
    graph_.value(kTripleSeconds) = parts.seconds;
    switch (number) {
    case kTripleSeconds:
        return SecondsText(parts.seconds, kSecondsPattern, separator_);
    case kTripleMinutes:
        return MinutesText(parts.minutes, separator_);
    default:
        return WholeDegreesText(parts, separator_);
    }
}

// A result beyond the range of a double anywhere in a cascade, or a typed text beyond it, is
// answered once, by the change where the cascade started.
void TFormAngulo::answerError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const FloatError&) {
        resetAfterOverflow();
    }
}

void TFormAngulo::resetAfterOverflow() {
    platform().messageBox(this, QStringLiteral("zerval"), MessageIcon::Information,
                          QStringLiteral("Este número excede la capacidad de cálculo,\nlo "
                                         "lamento..."));
    // Every field back to zero with both hubs held, so that no half-done cascade can leave a
    // field showing the number that overflowed.
    graph_.setLocked(kRadian, true);
    graph_.setLocked(kDegree, true);
    for (int number = kRadian; number <= kTripleSeconds; ++number)
        graph_.value(number) = 0.0;
    for (EditBox* field :
         {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6, ui->Edit7, ui->Edit8})
        field->setText(QStringLiteral("0"));
    ui->Edit9->setText(QStringLiteral("00"));
    ui->Edit10->setText(QStringLiteral("00"));
    DrawAngle(0.0);
    graph_.setLocked(kRadian, false);
    graph_.setLocked(kDegree, false);
    ui->Edit1->setFocus();
    graph_.setActiveField(kRadian);
}

bool TFormAngulo::activeOrLocked(int hub) const {
    return graph_.activeField() == hub || graph_.locked(hub);
}

void TFormAngulo::applyTriple(double degrees, double minutes, double seconds) {
    const bool negative = ui->Edit8->text().startsWith(QLatin1Char('-'));
    const double value = JoinSexagesimal(degrees, minutes, seconds, negative);
    if (activeOrLocked(kDegree)) return;
    graph_.writeField(kDegree, value, generalForm);
}

void TFormAngulo::Edit8Change() {
    if (!graph_.read(kTripleDegrees, ReadMode::MessagedKeep)) {
        graph_.parseError = false;
        return;
    }
    if (ui->Edit10->text().isEmpty()) ui->Edit10->setText(QStringLiteral("00"));
    applyTriple(graph_.value(kTripleDegrees), WholeTripleFieldValue(ui->Edit9->text(), separator_),
                TripleFieldValue(ui->Edit10->text(), separator_));
}

void TFormAngulo::Edit9Change() {
    if (!graph_.read(kTripleMinutes, ReadMode::MessagedKeep)) return;
    double& tripleMinutes = graph_.value(kTripleMinutes);
    const bool carry = ui->Edit9->hasInputFocus() && tripleMinutes >= 60.0;
    if (carry) {
        const bool negative = ui->Edit8->text().startsWith(QLatin1Char('-'));
        const double degrees = std::fabs(WholeTripleFieldValue(ui->Edit8->text(), separator_));
        const CarriedTriple carried = CarryMinutes(degrees, tripleMinutes, 0.0);
        // The carry's own writes are held back from the degree hub, which gets the finished
        // triple once below.
        graph_.setLocked(kDegree, true);
        graph_.value(kTripleDegrees) = carried.degrees;
        tripleMinutes = carried.minutes;
        ui->Edit8->setText(GeneralText(negative ? -carried.degrees : carried.degrees, separator_));
        ui->Edit9->setText(MinutesText(carried.minutes, separator_));
        ui->BitBtn1->setFocus();
    }
    if (ui->Edit10->text().isEmpty()) ui->Edit10->setText(QStringLiteral("00"));
    const double degrees = WholeTripleFieldValue(ui->Edit8->text(), separator_);
    const double seconds = TripleFieldValue(ui->Edit10->text(), separator_);
    if (carry) {
        graph_.setLocked(kRadian, false);
        graph_.setLocked(kDegree, false);
    }
    applyTriple(degrees, tripleMinutes, seconds);
}

void TFormAngulo::Edit10Change() {
    const bool typed = ui->Edit10->hasInputFocus();
    if (!graph_.read(kTripleSeconds, ReadMode::MessagedKeep)) return;
    double& tripleSeconds = graph_.value(kTripleSeconds);
    double degrees = graph_.value(kTripleDegrees);
    double minutes = graph_.value(kTripleMinutes);
    if (typed) {
        degrees = WholeTripleFieldValue(ui->Edit8->text(), separator_);
        minutes = WholeTripleFieldValue(ui->Edit9->text(), separator_);
    }
    if (tripleSeconds >= 60.0) {
        const bool negative = ui->Edit8->text().startsWith(QLatin1Char('-'));
        const CarriedTriple carried = CarrySeconds(std::fabs(degrees), minutes, tripleSeconds);
        // As in the minutes' carry: the partial writes stay away from the degree hub.
        graph_.setLocked(kDegree, true);
        graph_.value(kTripleDegrees) = carried.degrees;
        graph_.value(kTripleMinutes) = carried.minutes;
        tripleSeconds = carried.seconds;
        ui->Edit10->setText(SecondsText(carried.seconds, kSecondsPattern, separator_));
        ui->Edit9->setText(MinutesText(carried.minutes, separator_));
        if (carried.degrees != std::fabs(degrees))
            ui->Edit8->setText(
                GeneralText(negative ? -carried.degrees : carried.degrees, separator_));
        ui->BitBtn1->setFocus();
        graph_.setActiveField(kTripleSeconds);
        graph_.setLocked(kRadian, false);
        graph_.setLocked(kDegree, false);
        degrees = carried.degrees;
        minutes = carried.minutes;
    }
    applyTriple(degrees, minutes, tripleSeconds);
    if (ui->Edit10->hasInputFocus() && ui->Edit10->isVisible())
        QToolTip::showText(ui->Edit10->mapToGlobal(QPoint(0, ui->Edit10->height())),
                           ui->Edit10->text(), ui->Edit10);
}

void TFormAngulo::DrawAngle(double angle) {
    const QSize size = ui->Image1->minimumSize();
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const int r = size.width() / 2;

    pen_.setColor(QColor(192, 192, 192));
    pen_.setWidth(1);
    pen_.setStyle(Qt::SolidLine);
    painter.setPen(pen_);
    painter.drawEllipse(QRect(0, 0, 2 * r - 1, 2 * r - 1));

    pen_.setStyle(Qt::DashDotDotLine);
    painter.setPen(pen_);
    painter.drawLine(r, 0, r, size.height());
    painter.drawLine(0, r, size.width(), r);

    pen_.setColor(QColor(180, 50, 50));
    pen_.setStyle(Qt::SolidLine);
    painter.setPen(pen_);
    const DialAxis axis =
        DialAxisOfTriple(ui->Edit8->text(), ui->Edit9->text(), ui->Edit10->text());
    const DialPoint end = DialRayEnd(angle, r, axis);
    painter.drawLine(r, r, end.x, end.y);
    painter.end();
    ui->Image1->setPixmap(picture);
}

} // namespace zerval
