#include "converters/physical/density.h"

#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "platform/editbox.h"

#include "ui_tformdensidad.h"

namespace zerval {

namespace {

constexpr int kKilogramPerCubicMetre = 1;
constexpr int kPoundPerCubicYard = 12;
constexpr double kPoundPerCubicYardLimit = 1e300;

// A unit of `k` kilograms per cubic metre: the cascade multiplies by its reciprocal, the
// field's own change by k.
LinkedField unit(int number, long double k) {
    return {number,     kKilogramPerCubicMetre, times({per(k)}), sevenDecimalScaleForm,
            times({k}), sevenDecimalScaleForm};
}

LinkedFieldLayout densityLayout() {
    LinkedFieldLayout layout;
    layout.hub = kKilogramPerCubicMetre;
    layout.activation = KeyActivation::DeleteOnly;
    const TextForm r7 = sevenDecimalScaleForm;
    layout.fields = {
        // Computed first and tested before anything else is written.
        unit(kPoundPerCubicYard, 0.5932764212577829L),
        {2, kKilogramPerCubicMetre, times({0.001L}), r7, times({1000}), r7},
        {3, kKilogramPerCubicMetre, times({0.001L}), r7, times({1000}), r7},
        {4, kKilogramPerCubicMetre, times({}), r7, times({}), r7},
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
        {15, 8, times({16}), r7, times({7.489151707306056L}), r7},
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

void TFormDensidad::fieldChanged(int number) {
    if (number == kKilogramPerCubicMetre)
        Edit1Change();
    else
        LinkedFieldWindow::fieldChanged(number);
}

void TFormDensidad::Edit1Change() {
    if (locked(kKilogramPerCubicMetre)) return;
    setLocked(kKilogramPerCubicMetre, true);
    const std::optional<Ext> hub = hubValue();
    if (!hub) return;
    // The test is skipped while the pound per cubic yard is typed in: its own value is what
    // the user asked for.
    if (activeField() != kPoundPerCubicYard) {
        const LinkedField& yard = *linkedField(kPoundPerCubicYard);
        const Ext pounds = yard.fromSource(*hub);
        if (pounds > Ext(kPoundPerCubicYardLimit)) {
            refuseNumber();
            return;
        }
        value(kKilogramPerCubicMetre) = hub->toDouble();
        writeField(kPoundPerCubicYard, pounds.toDouble(), yard.form);
    } else {
        value(kKilogramPerCubicMetre) = hub->toDouble();
    }
    for (const LinkedField& linked : layout().fields) {
        if (linked.number == kPoundPerCubicYard || linked.number == activeField()) continue;
        writeField(linked.number, linked.fromSource(Ext(value(linked.source))).toDouble(),
                   linked.form);
    }
}

std::optional<Ext> TFormDensidad::hubValue() {
    EditBox* box = field(kKilogramPerCubicMetre);
    switch (ClassifyEntry(box->text(), separator())) {
    case EntryClass::Empty:
        ClearAllFields();
        return std::nullopt;
    case EntryClass::Incomplete:
        return std::nullopt;
    case EntryClass::Convertible:
        break;
    }
    if (!box->hasInputFocus()) return Ext(value(kKilogramPerCubicMetre));
    if (const std::optional<long double> typed = readNumber(box->text(), separator()))
        return Ext(*typed);
    // Not a number: the common conversion message, and an empty window.
    ParseEntry(box->text(), parseError, separator());
    ClearAllFields();
    return std::nullopt;
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
