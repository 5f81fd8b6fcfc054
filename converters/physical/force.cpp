#include "converters/physical/force.h"

#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "kit/textforms.h"
#include "platform/editbox.h"

#include "ui_tformpeso.h"

#include <cfloat>

namespace zerval {

namespace {

constexpr int kTonne = 1;
constexpr int kGram = 3;
constexpr int kGrain = 4;
constexpr int kPound = 8;
constexpr long double kGramsPerPound = 453.59237L;
constexpr long double kStandardGravity = 9.80665L;
// A value above this in a metric or force unit is refused before it reaches the hub: the
// gram hub carries it on to units up to 1e9 times larger.
constexpr long double kHeaviest = 1.5e287L;
constexpr long double kMostGrains = 1e300L;

const TextForm r6 = resultForm;
const TextForm r7 = sevenDecimalForm;

// The gram hub's cascade, in order; a field typed in writes the gram hub by `toHub`.
const std::vector<LinkedField>& gramGroup() {
    static const std::vector<LinkedField> fields = {
        {kTonne, kGram, times({0.000001L}), r7, times({1000000}), r6},
        {2, kGram, times({0.001L}), r6, times({1000}), r6},
        {13, kGram, times({1000}), r6, times({0.001L}), r6},
        {6, kGram, times({per(31.103L)}), r6, times({31.103L}), r6},
        {7, kGram, times({per(373.236L)}), r6, times({373.236L}), r6},
        {kPound, kGram, times({per(kGramsPerPound)}), r6, times({kGramsPerPound}), r6},
        // Forces from the kilograms, and the dyne from the newtons.
        {14, 2, times({0.980665L}), r6, times({1000 / 0.980665L}), r6},
        {17, 2, times({kStandardGravity}), r6, times({1000 / kStandardGravity}), r6},
        {18, 17, times({100000}), r6, times({per(980.665L)}), r6},
    };
    return fields;
}

// The pound hub's cascade, in order; a field typed in writes the pound hub by `toHub`.
const std::vector<LinkedField>& poundGroup() {
    static const std::vector<LinkedField> fields = {
        {kGrain, kPound, times({7000}), r6, times({per(7000)}), r6},
        {5, kPound, times({16}), r6, times({0.0625L}), r6},
        {9, kPound, times({per(28)}), r6, times({28}), r6},    // the arroba of 28 lb
        {10, kPound, times({per(116)}), r6, times({116}), r6}, // the quintal of 116 lb
        {11, kPound, times({0.0005L}), r7, times({2000}), r7},
        {12, kPound, times({per(2240)}), r7, times({2240}), r7},
        {kGram, kPound, times({kGramsPerPound}), r6, times({per(kGramsPerPound)}), r6},
    };
    return fields;
}

const LinkedField* memberOf(const std::vector<LinkedField>& group, int number) {
    for (const LinkedField& member : group)
        if (member.number == number) return &member;
    return nullptr;
}

// Grains beyond all reason: one tonne is typed in afresh.
const OverflowGuard& grainGuard() {
    static const OverflowGuard guard{double(kMostGrains),
                                     QStringLiteral("¿Dónde quieres llegar hoy...?"),
                                     QStringLiteral("Es mucho..."),
                                     MessageIcon::Warning,
                                     kTonne,
                                     0.0,
                                     QStringLiteral("1")};
    return guard;
}

LinkedFieldLayout weightLayout() {
    LinkedFieldLayout layout;
    layout.hub = kGram;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    layout.closesOnEscape = true;
    return layout;
}

} // namespace

TFormPeso::TFormPeso(QWidget* owner)
    : LinkedFieldWindow(owner, weightLayout())
    , ui(std::make_unique<Ui::TFormPeso>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormPeso::~TFormPeso() = default;

void TFormPeso::fieldChanged(int number) {
    if (number == kGram || number == kPound)
        hubChanged(number);
    else if (memberOf(gramGroup(), number))
        Edit1Change(number);
    else if (memberOf(poundGroup(), number))
        intoPounds(number);
}

void TFormPeso::hubChanged(int hub) {
    if (locked(hub)) return;
    setLocked(hub, true);
    const int otherHub = hub == kGram ? kPound : kGram;
    if (field(hub)->hasInputFocus()) {
        const std::optional<long double> typed = typedValue(hub);
        if (!typed) return;
        if (*typed > DBL_MAX || *typed < -DBL_MAX) {
            reportTooHeavy(hub, *typed);
            return;
        }
        value(hub) = narrow(*typed);
    } else {
        switch (ClassifyEntry(field(hub)->text(), separator())) {
        case EntryClass::Empty:
            ClearAllFields();
            return;
        case EntryClass::Incomplete:
            return;
        case EntryClass::Convertible:
            break;
        }
    }
    for (const LinkedField& member : hub == kGram ? gramGroup() : poundGroup()) {
        if (member.number == activeField()) continue;
        if (member.number == otherHub && locked(otherHub)) continue;
        const double result = member.fromSource(Ext(value(member.source))).toDouble();
        if (member.number == otherHub)
            writeFollowing(member.number, result, member.form);
        else
            writeField(member.number, result, member.form);
    }
}

void TFormPeso::Edit1Change(int number) {
    // Only the user's own typing goes on to the hub, never a value the cascade wrote here.
    if (!field(number)->hasInputFocus()) return;
    const std::optional<long double> typed = typedValue(number);
    if (!typed) return;
    // Judged before it is narrowed, so that a text beyond the range of a double is refused
    // in the same words.
    if (*typed > kHeaviest || *typed < -DBL_MAX) {
        reportTooHeavy(number, *typed);
        return;
    }
    value(number) = narrow(*typed);
    const LinkedField& member = *memberOf(gramGroup(), number);
    writeFollowing(kGram, member.toHub(Ext(value(number))).toDouble(), member.hubForm);
}

void TFormPeso::intoPounds(int number) {
    if (!field(number)->hasInputFocus()) return;
    const std::optional<long double> typed = typedValue(number);
    if (!typed) return;
    if (number == kGrain && *typed > kMostGrains) {
        // The guard empties the window and types one tonne in: nothing is left to carry.
        runGuard(grainGuard());
        return;
    }
    if (*typed > DBL_MAX || *typed < -DBL_MAX) {
        reportInvalidNumber(number);
        return;
    }
    value(number) = narrow(*typed);
    if (activeField() == kPound || locked(kPound)) return;
    const LinkedField& member = *memberOf(poundGroup(), number);
    writeFollowing(kPound, member.toHub(Ext(value(number))).toDouble(), member.hubForm);
}

std::optional<long double> TFormPeso::typedValue(int number) {
    const QString text = field(number)->text();
    switch (ClassifyEntry(text, separator())) {
    case EntryClass::Empty:
        ClearAllFields();
        return std::nullopt;
    case EntryClass::Incomplete:
        return std::nullopt;
    case EntryClass::Convertible:
        break;
    }
    const std::optional<long double> typed = readNumber(text, separator());
    if (!typed) reportInvalidNumber(number);
    return typed;
}

// The box quotes and selects the field whose text failed, which a paste may have put into a
// field other than the one last typed in.
void TFormPeso::reportInvalidNumber(int number) {
    EditBox* box = field(number);
    platform().messageBox(this, QStringLiteral("Oh oh!"), MessageIcon::Error,
                          QLatin1Char('"') + box->text() +
                              QStringLiteral("\"\nno es un número válido."));
    box->selectAll();
}

void TFormPeso::reportTooHeavy(int number, long double typed) {
    EditBox* box = field(number);
    // A number beyond the range of a double was never computed: the text stands for it.
    const QString shown =
        typed > DBL_MAX || typed < -DBL_MAX ? box->text() : GeneralText(narrow(typed), separator());
    platform().messageBox(this, QStringLiteral("Muy pesado..."), MessageIcon::Warning,
                          QLatin1Char('"') + shown +
                              QStringLiteral("\" Es un número demasiado grande para poner "
                                             "aquí.\nPrueba con uno menor.\nGracias."));
    box->selectAll();
}

} // namespace zerval
