#include "converters/physical/timeunits.h"

#include "kit/entrykit.h"
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
LinkedField unit(int number, long double seconds) {
    return {number, kSecond, times({per(seconds)}), generalForm, times({seconds}), generalForm};
}

// A small unit whose cascade factor is the whole number of units in one second.
LinkedField fraction(int number, long double perSecond, long double seconds) {
    return {number, kSecond, times({perSecond}), generalForm, times({seconds}), generalForm};
}

LinkedFieldLayout timeLayout() {
    LinkedFieldLayout layout;
    layout.hub = kSecond;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    // The atomic unit comes first: the cascade tests it before writing anything else.
    layout.fields = {
        unit(kAtomicUnit, kAtomicUnitSeconds),
        unit(2, 60),
        unit(3, 3600),
        unit(4, 86400),
        unit(5, 604800),
        unit(kMonth, 2592000), // 30 days
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
        unit(kElemental, kElementalSeconds),
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

OverflowGuard elementalGuard() {
    OverflowGuard guard{kLimit,
                        QStringLiteral("Este valor excede la capacidad de cálculo,\nlo siento"),
                        QString(),
                        MessageIcon::None,
                        kSecond,
                        0.0,
                        QStringLiteral("1")};
    guard.valueField = kElemental;
    return guard;
}

} // namespace

TFormTiempo::TFormTiempo(QWidget* owner)
    : LinkedFieldWindow(owner, timeLayout())
    , ui(std::make_unique<Ui::TFormTiempo>())
    , separatorAtOpening(separator()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormTiempo::~TFormTiempo() = default;

void TFormTiempo::fieldChanged(int number) {
    switch (number) {
    case kSecond:
        Edit1Change();
        break;
    case kMonth:
        Edit6Change();
        break;
    case kElemental:
        Edit17Change();
        break;
    default:
        LinkedFieldWindow::fieldChanged(number);
    }
}

void TFormTiempo::Edit1Change() {
    if (locked(kSecond)) return;
    setLocked(kSecond, true);
    if (!readField(kSecond)) return;
    if (activeField() != kAtomicUnit) {
        // Tested before it is stored, so that a number of seconds too large for any field
        // gets this answer rather than an overflow.
        const Ext au = linkedField(kAtomicUnit)->fromSource(Ext(value(kSecond)));
        if (au > Ext(kLimit)) {
            const int failed = inputField();
            EditBox* box = field(failed);
            platform().messageBox(this, QStringLiteral("Ohhh..."), MessageIcon::Information,
                                  box->text() + QStringLiteral(" es todo un numerito!"));
            setLocked(kSecond, false);
            setActiveField(kSecond);
            field(kSecond)->setText(QString());
            box->selectAll();
            return;
        }
        value(kAtomicUnit) = au.toDouble();
    }
    cascadeFrom(kSecond);
}

void TFormTiempo::Edit6Change() {
    // Unlike the other fields, an emptied "mes" leaves the window as it is.
    const QString text = field(kMonth)->text();
    if (text.isEmpty() || text == QStringLiteral("-") || text.endsWith(separatorAtOpening)) return;
    if (!readField(kMonth)) return;
    intoSeconds(kMonth);
}

void TFormTiempo::Edit17Change() {
    if (!readField(kElemental)) return;
    const OverflowGuard guard = elementalGuard();
    // Emptying the hub empties the window, and the queued "1" then converts one second.
    if (value(kElemental) > guard.limit) runGuard(guard);
    intoSeconds(kElemental);
}

void TFormTiempo::intoSeconds(int number) {
    writeBack(*linkedField(number));
}

} // namespace zerval
