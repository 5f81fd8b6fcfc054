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

// The cascade multiplies the unit by the power of ten `fromUnit`; a value typed into the field
// is multiplied by `toUnit`, its inverse.
LinkedField prefix(int number, long double fromUnit, long double toUnit) {
    return {number, kUnit, times({fromUnit}), generalForm, times({toUnit}), generalForm};
}

LinkedFieldLayout prefixLayout() {
    LinkedFieldLayout layout;
    layout.hub = kUnit;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    layout.fields = {
        prefix(1, 1e-24L, 1e24L),  prefix(2, 1e-21L, 1e21L),  prefix(3, 1e-18L, 1e18L),
        prefix(4, 1e-15L, 1e15L),  prefix(5, 1e-12L, 1e12L),  prefix(6, 1e-9L, 1e9L),
        prefix(7, 1e-6L, 1e6L),    prefix(8, 1e-3L, 1e3L),    prefix(9, 1e-2L, 1e2L),
        prefix(10, 1e-1L, 1e1L),   prefix(11, 1e1L, 1e-1L),   prefix(12, 1e2L, 1e-2L),
        prefix(13, 1e3L, 1e-3L),   prefix(14, 1e6L, 1e-6L),   prefix(15, 1e9L, 1e-9L),
        prefix(16, 1e12L, 1e-12L), prefix(17, 1e15L, 1e-15L), prefix(18, 1e18L, 1e-18L),
        prefix(19, 1e21L, 1e-21L), prefix(20, 1e24L, 1e-24L),
    };
    return layout;
}

bool tooLarge(Ext unit) {
    return unit > Ext(kLimit) || unit < Ext(-kLimit);
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

void TFormPrefijos::fieldChanged(int number) {
    if (number == kUnit)
        Edit21Change();
    else if (const LinkedField* linked = linkedField(number))
        prefixChanged(*linked);
}

void TFormPrefijos::Edit21Change() {
    if (locked(kUnit)) return;
    setLocked(kUnit, true);
    // Read without a message, so that "2E", "1E-" and the like pass while being typed.
    const bool typed = field(kUnit)->hasInputFocus();
    const EntryReading reading = classifyAndRead(kUnit, typed);
    if (!reading.complete()) return;
    if (typed && reading.notANumber()) {
        unexpectedText();
        return;
    }
    const Ext unit = typed ? Ext(*reading.value) : Ext(value(kUnit));
    // Tested on the magnitude, so that a quantity beyond the double range, or a negative
    // one, is answered like any other that is too large.
    if (tooLarge(unit)) {
        refuseNumber();
        return;
    }
    value(kUnit) = unit.toDouble();
    cascadeFrom(kUnit);
}

void TFormPrefijos::prefixChanged(const LinkedField& prefix) {
    try {
        if (!readField(prefix.number)) return;
    } catch (const FloatOverflow&) {
        // A prefixed quantity beyond the double range is far beyond what the window holds.
        refuseNumber();
        return;
    }
    if (activeField() == kUnit || locked(kUnit)) return;
    if (tooLarge(prefix.toHub(Ext(value(prefix.number))))) {
        refuseNumber();
        return;
    }
    writeBack(prefix);
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
