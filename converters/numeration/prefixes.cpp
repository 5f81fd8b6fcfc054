#include "converters/numeration/prefixes.h"

#include "platform/editbox.h"

#include "ui_tformprefijos.h"

#include <stdexcept>

namespace zerval {

namespace {

constexpr int kUnit = 21;
// The yocto field shows the unit times 1E24 and must stay within 1e300.
constexpr long double kLimit = 1e276L;
constexpr int kResetPauseMilliseconds = 200;

// A prefix of 10^exponent units. Every power of ten up to 1E24 is exact in extended precision,
// so its reciprocal is the correctly rounded 10^-exponent.
LinkedField prefix(int number, int exponent) {
    long double power = 1.0L;
    for (int step = 0; step < (exponent < 0 ? -exponent : exponent); ++step)
        power *= 10;
    const long double unitsPerPrefix = exponent < 0 ? per(power) : power;
    const long double prefixesPerUnit = exponent < 0 ? power : per(power);
    return {number,     kUnit, times({prefixesPerUnit}), generalForm, times({unitsPerPrefix}),
            generalForm};
}

LinkedFieldLayout prefixLayout() {
    LinkedFieldLayout layout;
    layout.hub = kUnit;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    // The unit reads without a message, so that "2E", "1E-" and the like pass while being
    // typed; a text that is no number is answered by spreadFailed.
    layout.hubReading = ReadMode::Raising;
    layout.fields = {
        prefix(1, 24),   prefix(2, 21),   prefix(3, 18),   prefix(4, 15),   prefix(5, 12),
        prefix(6, 9),    prefix(7, 6),    prefix(8, 3),    prefix(9, 2),    prefix(10, 1),
        prefix(11, -1),  prefix(12, -2),  prefix(13, -3),  prefix(14, -6),  prefix(15, -9),
        prefix(16, -12), prefix(17, -15), prefix(18, -18), prefix(19, -21), prefix(20, -24),
    };
    return layout;
}

} // namespace

TFormPrefijos::TFormPrefijos(QWidget* owner)
    : LinkedFieldWindow(owner, prefixLayout())
    , ui(std::make_unique<Ui::TFormPrefijos>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
    setActiveField(kUnit);
}

TFormPrefijos::~TFormPrefijos() = default;

// The unit, typed or carried from a prefix, is tested on its magnitude before it is stored,
// so that a negative quantity is answered like any other that is too large.
bool TFormPrefijos::valueAccepted(int number, bool, Ext unit) {
    if (number != kUnit || (unit <= Ext(kLimit) && unit >= Ext(-kLimit))) return true;
    refuseNumber();
    return false;
}

// A prefixed quantity beyond the double range is far beyond what the window holds; a text in
// the unit that is no number is unexpected.
bool TFormPrefijos::spreadFailed(int, bool reading, std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const UnreadableNumber&) {
        unexpectedText();
        return true;
    } catch (const FloatOverflow&) {
        if (!reading) return false;
        refuseNumber();
        return true;
    } catch (...) {
        return false;
    }
}

void TFormPrefijos::refuseNumber() {
    value(kUnit) = 0.0;
    platform().messageBox(this, QStringLiteral("¡Ohhh!"), MessageIcon::Warning,
                          QStringLiteral("Este número supera la capacidad de cálculo...\n"
                                         "Inténtelo con otro más chiquito... \nGracias..."));
    setActiveField(kUnit);
    EditBox* hub = field(kUnit);
    // Written under the lock: the cascade below writes the zeros.
    setLocked(kUnit, true);
    hub->setText(QStringLiteral("0"));
    hub->setFocus();
    setLocked(kUnit, false);
    cascadeFrom(kUnit);
}

void TFormPrefijos::unexpectedText() {
    EditBox* hub = field(kUnit);
    hub->setText(QString());
    setLocked(kUnit, false);
    setActiveField(kUnit);
    hub->setFocus();
    hub->setText(QStringLiteral("0"));
    platform().pause(kResetPauseMilliseconds);
    platform().reportError(std::make_exception_ptr(std::runtime_error(
        "Se ha producido un error inesperado...\nNo será posible continuar con el proceso en "
        "curso.\nSalga ordenadamente de todos los programas activos y reinicie el equipo.")));
}

} // namespace zerval
