#include "converters/physical/density.h"

#include "kit/entrykit.h"
#include "platform/editbox.h"

#include "ui_tformdensidad.h"

namespace zerval {

namespace {

constexpr int kKilogramPerCubicMetre = 1;
constexpr int kPoundPerCubicYard = 12;
constexpr double kPoundPerCubicYardLimit = 1e300;

// A unit of `k` kilograms per cubic metre: the cascade multiplies by its reciprocal, the
// field's own change by k.
FieldRow unit(int number, long double k) {
    return {number,
            kKilogramPerCubicMetre,
            times({per(k)}),
            sevenDecimalScaleForm,
            kKilogramPerCubicMetre,
            times({k}),
            sevenDecimalScaleForm};
}

FieldRow sameUnit(int number, std::initializer_list<long double> fromHub,
                  std::initializer_list<long double> toHub) {
    return {number,
            kKilogramPerCubicMetre,
            times(fromHub),
            sevenDecimalScaleForm,
            kKilogramPerCubicMetre,
            times(toHub),
            sevenDecimalScaleForm};
}

// Computed first from the hub's value as read, before it is narrowed, and tested before
// anything else is written.
FieldRow poundsPerCubicYard() {
    FieldRow row = unit(kPoundPerCubicYard, 0.5932764212577829L);
    row.hasSpecialText = true;
    return row;
}

LinkedFieldLayout densityLayout() {
    LinkedFieldLayout layout;
    layout.hub = kKilogramPerCubicMetre;
    layout.activation = KeyActivation::DeleteOnly;
    layout.hubReading = ReadMode::Raising;
    const TextForm r7 = sevenDecimalScaleForm;
    layout.rows = {
        poundsPerCubicYard(),
        sameUnit(2, {0.001L}, {1000}),
        sameUnit(3, {0.001L}, {1000}),
        sameUnit(4, {}, {}),
        unit(5, 890574.4189441134L),
        unit(6, 515.3787146667323L),
        unit(7, 19.08810054321231L),
        unit(8, 119.82642731689663L),
        unit(9, 99.77643220997247L),
        unit(10, 27679.90471020312L),
        unit(11, 16.018463373960138L),
        unit(13, 1729.994044387695L),
        unit(14, 1.0011539608725086L),
        // Ounces per US gallon follow the pounds per US gallon, as computed or as typed.
        {15, 8, times({16}), r7, kKilogramPerCubicMetre, times({7.489151707306056L}), r7},
    };
    return layout;
}

} // namespace

TFormDensidad::TFormDensidad(QWidget* owner)
    : LinkedFieldWindow(owner, densityLayout())
    , ui(std::make_unique<Ui::TFormDensidad>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormDensidad::~TFormDensidad() = default;

// The hub's value as read, in extended precision, so that a text beyond the range of a double
// meets the limit of the pound per cubic yard too; a value carried in from a unit is judged
// once the hub reads it. The test is skipped while the pound per cubic yard is typed in: its
// own value is what the user asked for.
bool TFormDensidad::valueAccepted(int number, bool reading, Ext hub) {
    if (number != kKilogramPerCubicMetre || !reading || activeField() == kPoundPerCubicYard)
        return true;
    const Ext pounds = graph().row(kPoundPerCubicYard)->fromSource(hub);
    if (pounds > Ext(kPoundPerCubicYardLimit)) {
        refuseNumber();
        return false;
    }
    pounds_ = pounds.toDouble();
    return true;
}

std::optional<QString> TFormDensidad::specialText(int number) {
    if (!pounds_) return std::nullopt;
    const double pounds = *pounds_;
    pounds_.reset();
    value(number) = pounds;
    return sevenDecimalScaleForm(pounds, separator());
}

// A hub text that is not a number: the common conversion message, and an empty window.
bool TFormDensidad::spreadFailed(int number, bool, std::exception_ptr error) {
    pounds_.reset();
    try {
        std::rethrow_exception(error);
    } catch (const UnreadableNumber&) {
        platform().messageBox(nullptr, QStringLiteral("Error de conversión"),
                              MessageIcon::Information, notANumberMessage(field(number)->text()));
        ClearAllFields();
        return true;
    } catch (...) {
        return false;
    }
}

void TFormDensidad::refuseNumber() {
    // The box quotes the text the user typed or pasted, wherever the last key was pressed.
    EditBox* box = field(inputField());
    platform().messageBox(this, QStringLiteral("Ohhh..."), MessageIcon::Information,
                          box->text() + QStringLiteral(" es todo un numerito!"));
    setLocked(kKilogramPerCubicMetre, false);
    setActiveField(kKilogramPerCubicMetre);
    // Emptying the hub empties the window through its own change.
    field(kKilogramPerCubicMetre)->setText(QString());
    ClearAllFields();
    box->selectAll();
}

} // namespace zerval
