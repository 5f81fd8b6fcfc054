#include "converters/physical/illumination.h"

#include "converters/physical/entryvalue.h"
#include "converters/physical/toolarge.h"
#include "kit/showinvalidnumber.h"
#include "platform/editbox.h"

#include "ui_tfilum.h"

#include <cmath>
#include <vector>

namespace zerval {

namespace {

constexpr int kLux = 1;
constexpr long double kFieldLimit = 1.5e300L;
constexpr long double kFeet = 3.2808398950131232L; // feet in one metre
constexpr long double kFoot = 0.3048L;

LinkedFieldLayout illuminationLayout() {
    LinkedFieldLayout layout;
    layout.hub = kLux;
    layout.activation = KeyActivation::DeleteOnly;
    const TextForm g = generalForm;
    layout.fields = {
        {2, kLux, times({}), g, times({}), g},                                   // bujía-m
        {3, kLux, times({}), g, times({}), g},                                   // lux
        {4, kLux, times({0.0001L}), g, times({10000}), g},                       // lumen/cm²
        {5, kLux, times({0.0001L}), g, times({10000}), g},                       // bujía-cm
        {6, kLux, times({kFoot, kFoot}), g, times({kFeet, kFeet}), g},           // lumen/pie²
        {7, kLux, times({kFoot, kFoot}), g, times({kFeet, kFeet}), g},           // bujía-pie
        {8, kLux, times({kFoot, kFoot, 0.25L}), g, times({4, kFeet, kFeet}), g}, // flama
        {9, kLux, times({0.0001L}), g, times({10000}), g},                       // fotio
        {10, kLux, times({1000}), g, times({0.001L}), g},                        // nox
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

void TFIlum::fieldChanged(int number) {
    if (number == kLux)
        Edit1Change();
    else
        Edit2Change(number);
}

void TFIlum::Edit1Change() {
    if (locked(kLux)) return;
    setLocked(kLux, true);
    const bool typed = field(kLux)->hasInputFocus();
    const EntryReading reading = classifyAndRead(kLux, typed);
    if (!reading.complete()) return;
    const std::optional<double> lux = typed ? doubleOf(reading) : value(kLux);
    if (!lux) {
        rejectNumber(kLux);
        return;
    }
    // Every value is computed before any text is written: a value whose products leave the
    // double range is refused without leaving some fields new and others stale.
    std::vector<std::pair<const LinkedField*, double>> results;
    try {
        for (const LinkedField& linked : layout().fields) {
            if (linked.number == activeField()) continue;
            results.emplace_back(&linked, linked.fromSource(Ext(*lux)).toDouble());
        }
    } catch (const FloatError&) {
        rejectNumber(inputField());
        return;
    }
    value(kLux) = *lux;
    for (const auto& [linked, result] : results)
        writeField(linked->number, result, linked->form);
}

void TFIlum::Edit2Change(int number) {
    // Texts written by the cascade are not read back.
    if (!field(number)->hasInputFocus()) return;
    const EntryReading reading = classifyAndRead(number, true);
    if (!reading.complete()) return;
    if (reading.notANumber()) {
        rejectNumber(number);
        return;
    }
    // Limited on the magnitude: a large negative value would leave the range of a double in
    // lux just as a positive one.
    if (std::fabs(*reading.value) > kFieldLimit) {
        refuseTooLarge(*this, *field(number), *reading.value, QStringLiteral("Gracias."));
        return;
    }
    value(number) = narrow(*reading.value);
    // A paste with no key pressed since the last cascade changes only its own field, as in
    // every linked window: lux written now would stand beside stale fields.
    if (locked(kLux)) return;
    const LinkedField& unit = *linkedField(number);
    writeField(kLux, unit.toHub(Ext(value(number))).toDouble(), unit.hubForm);
}

void TFIlum::rejectNumber(int number) {
    // The field whose text failed, which a paste may have changed without a key pressed in it.
    ShowInvalidNumber(*field(number));
    ClearAllFields();
}

} // namespace zerval
