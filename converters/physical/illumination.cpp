#include "converters/physical/illumination.h"

#include "converters/physical/toolarge.h"
#include "kit/showinvalidnumber.h"

#include "ui_tfilum.h"

#include <cmath>

namespace zerval {

namespace {

constexpr int kLux = 1;
constexpr long double kFieldLimit = 1.5e300L;
constexpr long double kFeet = 3.2808398950131232L; // feet in one metre
constexpr long double kFoot = 0.3048L;

// Typed into, a unit writes the lux, unless a cascade has run since the last key (a paste
// then changes only its own field); the texts the cascade writes are not read back.
FieldRow unit(int number, Conversion fromLux, Conversion toLux) {
    FieldRow row{number,           kLux,       std::move(fromLux), generalForm, kLux,
                 std::move(toLux), generalForm};
    row.typedOnly = true;
    row.parentWrite = ParentWrite::UnlessParentLocked;
    return row;
}

LinkedFieldLayout illuminationLayout() {
    LinkedFieldLayout layout;
    layout.hub = kLux;
    layout.activation = KeyActivation::DeleteOnly;
    layout.reading = ReadMode::Raising;
    layout.rows = {
        unit(2, times({}), times({})),                                   // bujía-m
        unit(3, times({}), times({})),                                   // lux
        unit(4, times({0.0001L}), times({10000})),                       // lumen/cm²
        unit(5, times({0.0001L}), times({10000})),                       // bujía-cm
        unit(6, times({kFoot, kFoot}), times({kFeet, kFeet})),           // lumen/pie²
        unit(7, times({kFoot, kFoot}), times({kFeet, kFeet})),           // bujía-pie
        unit(8, times({kFoot, kFoot, 0.25L}), times({4, kFeet, kFeet})), // flama
        unit(9, times({0.0001L}), times({10000})),                       // fotio
        unit(10, times({1000}), times({0.001L})),                        // nox
    };
    return layout;
}

} // namespace

TFIlum::TFIlum(QWidget* owner)
    : LinkedFieldWindow(owner, illuminationLayout())
    , ui(std::make_unique<Ui::TFIlum>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFIlum::~TFIlum() = default;

// Limited on the magnitude: a large negative value would leave the range of a double in lux
// just as a positive one.
bool TFIlum::typedValue(int number, Ext& typed) {
    if (number == kLux || std::fabs(typed.raw()) <= kFieldLimit) return true;
    refuseTooLarge(*this, *field(number), typed.raw(), QStringLiteral("Gracias."));
    return false;
}

// A text that is no number, or lux beyond the range of a double, empties the window. So does
// a lux value whose products leave the double range: no field is left new beside stale ones.
bool TFIlum::spreadFailed(int number, bool reading, std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const UnreadableNumber&) {
        rejectNumber(number);
    } catch (const FloatError&) {
        if (!reading && number != kLux) return false;
        rejectNumber(reading ? number : inputField());
    } catch (...) {
        return false;
    }
    return true;
}

void TFIlum::rejectNumber(int number) {
    // The field whose text failed, which a paste may have changed without a key pressed in it.
    ShowInvalidNumber(*field(number));
    ClearAllFields();
}

} // namespace zerval
