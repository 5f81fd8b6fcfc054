#include "converters/physical/mass.h"

#include "ui_tformmasa.h"

namespace zerval {

namespace {

constexpr int kKilogram = 2;
// The atomic mass units on the oxygen scale are the largest numbers the window shows.
constexpr int kGuardedField = 6;
constexpr double kGuardLimit = 1e300;

// A unit of `kilograms` kilograms: the cascade multiplies kilograms by its reciprocal at
// extended precision, a value typed into the field is multiplied by the factor as a double.
FieldRow unit(int number, long double kilograms) {
    return {number,      kKilogram, times({per(kilograms)}),
            generalForm, kKilogram, times({static_cast<double>(kilograms)}),
            generalForm};
}

// A kilogram value whose atomic mass units on the oxygen scale pass the limit is refused.
FieldRow guarded(FieldRow row) {
    row.spreadLimit = kGuardLimit;
    return row;
}

LinkedFieldLayout massLayout() {
    LinkedFieldLayout layout;
    layout.hub = kKilogram;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    layout.rows = {
        unit(1, 1000L),
        unit(3, 0.001L),
        unit(4, 9.80665L),
        unit(5, 1.66054e-27L),
        guarded(unit(kGuardedField, 1.66001e-27L)),
        unit(7, 1.67353e-27L),
        // The avogram is a gram over Avogadro's number.
        unit(8, 1.66036e-27L),
        unit(9, 1016.0469088L),
        unit(10, 907.18474L),
        unit(11, 50.80234544L),
        unit(12, 45.359237L),
        unit(13, 14.5939L),
        unit(24, 9.80665L),
        unit(14, 0.45359237L),
        unit(15, 0.3732417216L),
        unit(16, 0.0311034768L),
        unit(17, 0.028349523125L),
        unit(18, 0.0038879346L),
        unit(19, 0.0017718451953125L),
        unit(20, 0.00155517384L),
        unit(21, 0.0012959782L),
        unit(22, 0.000205197L),
        unit(23, 0.00006479891L),
        unit(25, 0.000001L),
        unit(28, 114.30527724L),
        unit(29, 16.32932532L),
        unit(30, 6.35029318L),
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

void TFormMasa::overLimit(int) {
    refuseNumber();
}

// A kilogram value too large for some unit is refused whichever unit runs out of range first:
// the atomic units overflow the double range a little above 2.98e281 kg, before the guarded
// field is reached, and must not leave the window half rewritten. A value beyond the double
// range in kilograms, from any field, is refused the same way; a text that does not read is
// not this window's to answer.
bool TFormMasa::spreadFailed(int, bool reading, std::exception_ptr error) {
    if (reading) return false;
    try {
        std::rethrow_exception(error);
    } catch (const FloatError&) {
        refuseNumber();
        return true;
    } catch (...) {
        return false;
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
