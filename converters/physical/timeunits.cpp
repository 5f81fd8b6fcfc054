#include "converters/physical/timeunits.h"

#include "platform/editbox.h"

#include "ui_tformtiempo.h"

namespace zerval {

namespace {

constexpr int kSecond = 1;
constexpr int kMonth = 6;
constexpr int kAtomicUnit = 16;
constexpr int kElemental = 17;
constexpr long double kAtomicUnitSeconds = 2.41888e-17L;
constexpr long double kElementalSeconds = 9.3996e-24L;
constexpr double kLimit = 1e300;

// A unit of `seconds` seconds, written from the hub as the reciprocal at full precision.
FieldRow unit(int number, long double seconds) {
    return scaledRow(number, kSecond, seconds, generalForm);
}

// A small unit whose cascade factor is the whole number of units in one second.
FieldRow fraction(int number, long double perSecond, long double seconds) {
    return {number,  kSecond,          times({perSecond}), generalForm,
            kSecond, times({seconds}), generalForm};
}

// The elemental time: a value typed in beyond the limit starts the window afresh at one second.
FieldRow elemental() {
    FieldRow row = unit(kElemental, kElementalSeconds);
    row.typedGuard =
        OverflowGuard{kLimit,
                      QStringLiteral("Este valor excede la capacidad de cálculo,\nlo siento"),
                      QString(),
                      MessageIcon::None,
                      kSecond,
                      0.0,
                      QStringLiteral("1")};
    row.typedGuard->valueField = kElemental;
    return row;
}

// The month: unlike the other fields, an emptied "mes" leaves the window as it is.
FieldRow month() {
    FieldRow row = unit(kMonth, 2592000); // 30 days
    row.unfinishedStops = true;
    return row;
}

LinkedFieldLayout timeLayout() {
    LinkedFieldLayout layout;
    layout.hub = kSecond;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    // The atomic unit comes first: the cascade tests it before writing anything else.
    layout.rows = {
        unit(kAtomicUnit, kAtomicUnitSeconds),
        unit(2, 60),
        unit(3, 3600),
        unit(4, 86400),
        unit(5, 604800),
        month(),
        // The year and its multiples keep their legacy length, 1.97 s over 365 days.
        unit(7, 31536001.97L),
        unit(8, 315360019.7L),
        unit(9, 3153600197.0L),
        fraction(10, 1000, 0.001L),
        fraction(11, 1000000, 1e-6L),
        // The double reciprocal of 1e-9, just under 1E9.
        fraction(12, 999999999.99999988L, 1e-9L),
        unit(13, 0.864L),
        fraction(14, 100000000, 1e-8L),
        unit(15, 3.33333e-10L),
        elemental(),
        unit(18, 2360590),
        unit(19, 2628000),
        unit(20, 2551440),
        unit(21, 31558100),
        unit(22, 31557600),
        unit(23, 31557900),
        unit(24, 31536000),
        unit(25, 31556900),
    };
    return layout;
}

} // namespace

TFormTiempo::TFormTiempo(QWidget* owner)
    : LinkedFieldWindow(owner, timeLayout())
    , ui(std::make_unique<Ui::TFormTiempo>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormTiempo::~TFormTiempo() = default;

// The atomic unit is tested before anything is written, so that a number of seconds too large
// for any field gets this answer rather than an overflow.
bool TFormTiempo::hubReady(int) {
    if (activeField() == kAtomicUnit) return true;
    const Ext au = graph().row(kAtomicUnit)->fromSource(Ext(value(kSecond)));
    if (au > Ext(kLimit)) {
        EditBox* box = field(inputField());
        platform().messageBox(this, QStringLiteral("Ohhh..."), MessageIcon::Information,
                              box->text() + QStringLiteral(" es todo un numerito!"));
        setLocked(kSecond, false);
        setActiveField(kSecond);
        field(kSecond)->setText(QString());
        box->selectAll();
        return false;
    }
    value(kAtomicUnit) = au.toDouble();
    return true;
}

} // namespace zerval
