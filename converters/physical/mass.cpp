#include "converters/physical/mass.h"

#include "ui_tformmasa.h"

namespace zerval {

namespace {

constexpr int kKilogram = 2;
// The atomic mass units on the oxygen scale are the largest numbers the window shows.
constexpr int kGuardedField = 6;
constexpr double kGuardLimit = 1e300;

// A unit as the window holds it: the cascade multiplies kilograms by `fromKilogram` (an
// extended reciprocal), a value typed into the field is multiplied by `toKilogram` (a double).
LinkedField unit(int number, long double fromKilogram, double toKilogram) {
    return {number,      kKilogram,           times({fromKilogram}),
            generalForm, times({toKilogram}), generalForm};
}

LinkedFieldLayout massLayout() {
    LinkedFieldLayout layout;
    layout.hub = kKilogram;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    layout.fields = {
        unit(1, 0.001L, 1000),
        unit(3, 1000, 0.001),
        unit(4, 0.10197162129779283026L, 9.80665),
        unit(5, 6.0221373769978442296e26L, 1.66054e-27),
        unit(6, 6.0240600960235185360e26L, 1.66001e-27),
        unit(7, 5.9753933302659650366e26L, 1.67353e-27),
        // The avogram is a gram over Avogadro's number.
        unit(8, 6.0227902382615819557e26L, 1.66036e-27),
        unit(9, 0.00098420652761106064480L, 1016.0469088),
        unit(10, 0.0011023113109243878630L, 907.18474),
        unit(11, 0.019684130552221211245L, 50.80234544),
        unit(12, 0.022046226218487757951L, 45.359237),
        unit(13, 0.068521779647661010691L, 14.5939),
        unit(24, 0.10197162129779283026L, 9.80665),
        unit(14, 2.2046226218487756979L, 0.45359237),
        unit(15, 2.6792288807189982302L, 0.3732417216),
        unit(16, 32.150746568627978764L, 0.0311034768),
        unit(17, 35.273961949580411167L, 0.028349523125),
        unit(18, 257.20597254902383011L, 0.0038879346),
        unit(19, 564.38339119328657867L, 0.0017718451953125),
        unit(20, 643.01493137255957527L, 0.00155517384),
        unit(21, 771.61791764707153335L, 0.0012959782),
        unit(22, 4873.3655950135721469L, 0.000205197),
        unit(23, 15432.358352941431958L, 0.00006479891),
        unit(25, 1000000, 0.000001),
        unit(28, 0.0087485024676538726157L, 114.30527724),
        unit(29, 0.061239517273577110215L, 16.32932532),
        unit(30, 0.15747304441776968996L, 6.35029318),
    };
    return layout;
}

} // namespace

TFormMasa::TFormMasa(QWidget* owner)
    : LinkedFieldWindow(owner, massLayout())
    , ui(std::make_unique<Ui::TFormMasa>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormMasa::~TFormMasa() = default;

void TFormMasa::fieldChanged(int number) {
    if (number == kKilogram) {
        Edit2Change();
    } else if (const LinkedField* linked = linkedField(number)) {
        toKilograms(*linked);
    }
}

void TFormMasa::Edit2Change() {
    if (locked(kKilogram)) return;
    setLocked(kKilogram, true);
    if (!readField(kKilogram)) return;
    // A kilogram value too large for some unit is refused whichever unit runs out of range
    // first: the atomic units overflow the double range a little above 2.98e281 kg, before
    // the guarded field is reached, and must not leave the window half rewritten.
    try {
        for (const LinkedField& linked : layout().fields) {
            if (linked.number == activeField()) continue;
            const double result = linked.fromSource(Ext(value(kKilogram))).toDouble();
            if (linked.number == kGuardedField && result > kGuardLimit) {
                refuseNumber();
                return;
            }
            writeField(linked.number, result, linked.form);
        }
    } catch (const FloatError&) {
        refuseNumber();
    }
}

void TFormMasa::toKilograms(const LinkedField& linked) {
    if (!readField(linked.number)) return;
    try {
        writeBack(linked);
    } catch (const FloatError&) {
        // A value beyond the double range in kilograms is refused like any other too large;
        // the kilogram's own cascade answers its errors itself.
        refuseNumber();
    }
}

void TFormMasa::refuseNumber() {
    platform().messageBox(
        this, QStringLiteral("Ohhhh!"), MessageIcon::Warning,
        QStringLiteral("No puedo procesar este numerito...\n¿probamos con otro?"));
    setActiveField(kKilogram);
    setLocked(kKilogram, false);
    field(kKilogram)->setText(QString());
    // Emptying the kilogram field empties the window through its own change, unless the
    // field was empty already.
    ClearAllFields();
}

} // namespace zerval
