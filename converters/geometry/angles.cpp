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

constexpr int kDeleteKey = 46;
const QString kSecondsPattern = QStringLiteral("00.###");

} // namespace

TFormAngulo::TFormAngulo(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormAngulo>()) {
    ui->setupUi(this);
    separator_ = platform().decimalSeparator();
    active_ = ui->Edit1;

    EditBox* const fields[] = {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5,
                               ui->Edit6, ui->Edit7, ui->Edit8, ui->Edit9, ui->Edit10};
    for (EditBox* field : fields) {
        field->installEventFilter(this);
        field->onKeyDown = [this](EditBox& box, int code) { Edit1KeyDown(box, code); };
        field->onKeyPress = [this](EditBox& box, char16_t& key) { Edit1KeyPress(box, key); };
    }
    ui->Edit1->onChange = [this](EditBox&) { Edit1Change(); };
    ui->Edit2->onChange = [this](EditBox&) { Edit2Change(); };
    ui->Edit3->onChange = [this](EditBox&) {
        DegreeUnitChange(ui->Edit3, AngleUnit::Minute, minutes_);
    };
    ui->Edit4->onChange = [this](EditBox&) {
        DegreeUnitChange(ui->Edit4, AngleUnit::Second, seconds_);
    };
    ui->Edit5->onChange = [this](EditBox&) { RadianUnitChange(ui->Edit5, AngleUnit::Gon, gons_); };
    ui->Edit6->onChange = [this](EditBox&) {
        RadianUnitChange(ui->Edit6, AngleUnit::Revolution, revolutions_);
    };
    ui->Edit7->onChange = [this](EditBox&) {
        RadianUnitChange(ui->Edit7, AngleUnit::RightAngle, rightAngles_);
    };
    ui->Edit8->onChange = [this](EditBox&) { Edit8Change(); };
    ui->Edit9->onChange = [this](EditBox&) { Edit9Change(); };
    ui->Edit10->onChange = [this](EditBox&) { Edit10Change(); };
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    for (EditBox* box : {ui->Edit8, ui->Edit9, ui->Edit10})
        ShowTextAsToolTip(*box);

    pen_ = QPen(QColor(192, 192, 192), 1, Qt::SolidLine);
    DrawAngle(0.0);
}

TFormAngulo::~TFormAngulo() = default;

bool TFormAngulo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* field = qobject_cast<EditBox*>(watched)) active_ = field;
    return QDialog::eventFilter(watched, event);
}

void TFormAngulo::Edit1KeyPress(EditBox& box, char16_t& key) {
    lockR_ = false;
    lockD_ = false;
    // Only a field with the focus receives keys, so it is the active one already; saying so
    // keeps the two together should a focus notice have been missed.
    active_ = &box;
    key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()}, separator_);
}

void TFormAngulo::Edit1KeyDown(EditBox&, int keyCode) {
    if (keyCode == kDeleteKey) {
        lockR_ = false;
        lockD_ = false;
    }
}

// A result beyond the range of a double anywhere in a cascade, or a typed text beyond it, is
// answered once, by the handler where the cascade started.
template <typename Body> void TFormAngulo::overflowGuard(Body&& body) {
    nesting_.run(body, [&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const FloatError&) {
            resetAfterOverflow();
        }
    });
}

void TFormAngulo::resetAfterOverflow() {
    platform().messageBox(this, QStringLiteral("zerval"), MessageIcon::Information,
                          QStringLiteral("Este número excede la capacidad de cálculo,\nlo "
                                         "lamento..."));
    // Every field back to zero with both hubs held, so that no half-done cascade can leave a
    // field showing the number that overflowed.
    lockR_ = true;
    lockD_ = true;
    radians_ = degrees_ = minutes_ = seconds_ = gons_ = revolutions_ = rightAngles_ = 0.0;
    tripleDegrees_ = tripleMinutes_ = tripleSeconds_ = 0.0;
    for (EditBox* field :
         {ui->Edit1, ui->Edit2, ui->Edit3, ui->Edit4, ui->Edit5, ui->Edit6, ui->Edit7, ui->Edit8})
        field->setText(QStringLiteral("0"));
    ui->Edit9->setText(QStringLiteral("00"));
    ui->Edit10->setText(QStringLiteral("00"));
    DrawAngle(0.0);
    lockR_ = false;
    lockD_ = false;
    ui->Edit1->setFocus();
    active_ = ui->Edit1;
}

bool TFormAngulo::commonEntry(EditBox* field, double& value) {
    if (!field->hasInputFocus())
        return classifyText(field->text(), separator_) == EntryClass::Convertible;
    const EntryReading reading = readEntry(field->text(), separator_);
    if (!reading.complete()) return false;
    parseError_ = !reading.value;
    if (parseError_) {
        platform().messageBox(nullptr, QStringLiteral("Error de conversión"),
                              MessageIcon::Information, notANumberMessage(field->text()));
        return false;
    }
    value = narrow(*reading.value);
    return true;
}

void TFormAngulo::writeFromHub(EditBox* field, AngleUnit unit, double hub, double& value) {
    if (field == active_) return;
    value = AngleFromHub(unit, hub);
    field->setText(ResultText(value, separator_));
}

// A hub written with the text it already shows raises no change of its own, yet the fields
// computed from it must follow the new value.
void TFormAngulo::writeHub(EditBox* hub, const QString& text) {
    if (hub->text() != text)
        hub->setText(text);
    else if (hub->onChange)
        hub->onChange(*hub);
}

void TFormAngulo::Edit1Change() {
    if (lockR_) return;
    lockR_ = true;
    overflowGuard([&] {
        if (!commonEntry(ui->Edit1, radians_)) return;
        if (active_ != ui->Edit2) {
            degrees_ = DegreesFromRadians(radians_);
            writeHub(ui->Edit2, GeneralText(degrees_, separator_));
        }
        DrawAngle(radians_);
        writeFromHub(ui->Edit5, AngleUnit::Gon, radians_, gons_);
        writeFromHub(ui->Edit6, AngleUnit::Revolution, radians_, revolutions_);
        writeFromHub(ui->Edit7, AngleUnit::RightAngle, radians_, rightAngles_);
    });
}

void TFormAngulo::Edit2Change() {
    if (lockD_) return;
    lockD_ = true;
    overflowGuard([&] {
        if (!commonEntry(ui->Edit2, degrees_)) return;
        if (ui->Edit10->text().isEmpty()) ui->Edit10->setText(QStringLiteral("00"));
        if (active_ != ui->Edit1 && !lockR_) {
            radians_ = RadiansFromDegrees(degrees_);
            writeHub(ui->Edit1, GeneralText(radians_, separator_));
        }
        writeFromHub(ui->Edit3, AngleUnit::Minute, degrees_, minutes_);
        writeFromHub(ui->Edit4, AngleUnit::Second, degrees_, seconds_);
        showTriple(degrees_);
        // The dial was drawn before the triple changed; its exact axes read the triple.
        DrawAngle(radians_);
    });
}

void TFormAngulo::DegreeUnitChange(EditBox* field, AngleUnit unit, double& value) {
    overflowGuard([&] {
        if (!commonEntry(field, value)) return;
        if (active_ == ui->Edit2 || lockD_) return;
        degrees_ = AngleToHub(unit, value);
        writeHub(ui->Edit2, GeneralText(degrees_, separator_));
    });
}

void TFormAngulo::RadianUnitChange(EditBox* field, AngleUnit unit, double& value) {
    overflowGuard([&] {
        if (!commonEntry(field, value)) return;
        if (active_ == ui->Edit1 || lockR_) return;
        radians_ = AngleToHub(unit, value);
        writeHub(ui->Edit1, GeneralText(radians_, separator_));
    });
}

// Whether the field being typed into holds a fraction, which already counts beside the
// smaller fields of the triple: written into them as well, it would count twice at the next
// key.
bool TFormAngulo::typedFraction(EditBox* field) const {
    if (field != active_) return false;
    return TripleFieldValue(field->text(), separator_) !=
           WholeTripleFieldValue(field->text(), separator_);
}

void TFormAngulo::showTriple(double degrees) {
    if (typedFraction(ui->Edit8)) return;
    const bool minutesFraction = typedFraction(ui->Edit9);
    const SexagesimalParts parts = SplitSexagesimal(degrees);
    tripleDegrees_ = parts.degrees;
    tripleMinutes_ = parts.minutes;
    if (!minutesFraction) tripleSeconds_ = parts.seconds;
    if (active_ != ui->Edit10 && !minutesFraction)
        ui->Edit10->setText(SecondsText(parts.seconds, kSecondsPattern, separator_));
    if (active_ != ui->Edit9) ui->Edit9->setText(MinutesText(parts.minutes, separator_));
    if (active_ != ui->Edit8) ui->Edit8->setText(WholeDegreesText(parts, separator_));
}

void TFormAngulo::applyTriple(double degrees, double minutes, double seconds) {
    const bool negative = ui->Edit8->text().startsWith(QLatin1Char('-'));
    const double value = JoinSexagesimal(degrees, minutes, seconds, negative);
    if (active_ == ui->Edit2 || lockD_) return;
    degrees_ = value;
    writeHub(ui->Edit2, GeneralText(degrees_, separator_));
}

void TFormAngulo::Edit8Change() {
    overflowGuard([&] {
        if (!commonEntry(ui->Edit8, tripleDegrees_)) {
            parseError_ = false;
            return;
        }
        if (ui->Edit10->text().isEmpty()) ui->Edit10->setText(QStringLiteral("00"));
        applyTriple(tripleDegrees_, WholeTripleFieldValue(ui->Edit9->text(), separator_),
                    TripleFieldValue(ui->Edit10->text(), separator_));
    });
}

void TFormAngulo::Edit9Change() {
    overflowGuard([&] {
        if (!commonEntry(ui->Edit9, tripleMinutes_)) return;
        const bool carry = ui->Edit9->hasInputFocus() && tripleMinutes_ >= 60.0;
        if (carry) {
            const bool negative = ui->Edit8->text().startsWith(QLatin1Char('-'));
            const double degrees = std::fabs(WholeTripleFieldValue(ui->Edit8->text(), separator_));
            const CarriedTriple carried = CarryMinutes(degrees, tripleMinutes_, 0.0);
            // The carry's own writes are held back from the degree hub, which gets the
            // finished triple once below.
            lockD_ = true;
            tripleDegrees_ = carried.degrees;
            tripleMinutes_ = carried.minutes;
            ui->Edit8->setText(
                GeneralText(negative ? -carried.degrees : carried.degrees, separator_));
            ui->Edit9->setText(MinutesText(carried.minutes, separator_));
            ui->BitBtn1->setFocus();
        }
        if (ui->Edit10->text().isEmpty()) ui->Edit10->setText(QStringLiteral("00"));
        const double degrees = WholeTripleFieldValue(ui->Edit8->text(), separator_);
        const double seconds = TripleFieldValue(ui->Edit10->text(), separator_);
        if (carry) {
            lockR_ = false;
            lockD_ = false;
        }
        applyTriple(degrees, tripleMinutes_, seconds);
    });
}

void TFormAngulo::Edit10Change() {
    overflowGuard([&] {
        const bool typed = ui->Edit10->hasInputFocus();
        if (!commonEntry(ui->Edit10, tripleSeconds_)) return;
        double degrees = tripleDegrees_;
        double minutes = tripleMinutes_;
        if (typed) {
            degrees = WholeTripleFieldValue(ui->Edit8->text(), separator_);
            minutes = WholeTripleFieldValue(ui->Edit9->text(), separator_);
        }
        if (tripleSeconds_ >= 60.0) {
            const bool negative = ui->Edit8->text().startsWith(QLatin1Char('-'));
            const CarriedTriple carried = CarrySeconds(std::fabs(degrees), minutes, tripleSeconds_);
            // As in the minutes' carry: the partial writes stay away from the degree hub.
            lockD_ = true;
            tripleDegrees_ = carried.degrees;
            tripleMinutes_ = carried.minutes;
            tripleSeconds_ = carried.seconds;
            ui->Edit10->setText(SecondsText(carried.seconds, kSecondsPattern, separator_));
            ui->Edit9->setText(MinutesText(carried.minutes, separator_));
            if (carried.degrees != std::fabs(degrees))
                ui->Edit8->setText(
                    GeneralText(negative ? -carried.degrees : carried.degrees, separator_));
            ui->BitBtn1->setFocus();
            active_ = ui->Edit10;
            lockR_ = false;
            lockD_ = false;
            degrees = carried.degrees;
            minutes = carried.minutes;
        }
        applyTriple(degrees, minutes, tripleSeconds_);
        if (ui->Edit10->hasInputFocus() && ui->Edit10->isVisible())
            QToolTip::showText(ui->Edit10->mapToGlobal(QPoint(0, ui->Edit10->height())),
                               ui->Edit10->text(), ui->Edit10);
    });
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
