#include "converters/physical/force.h"

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

FieldRow unit(int number, int source, long double fromSource, TextForm form, int hub,
              long double toHub, TextForm hubForm) {
    FieldRow row{number, source, times({fromSource}), form, hub, times({toHub}), hubForm};
    // Only the user's own typing goes on to the hub, never a value the cascade wrote here.
    row.typedOnly = true;
    return row;
}

// A metric, troy or force unit: typed in, it writes the gram hub, locked or not.
FieldRow gramUnit(int number, int source, long double fromSource, TextForm form,
                  long double toGrams, TextForm gramForm = r6) {
    FieldRow row = unit(number, source, fromSource, form, kGram, toGrams, gramForm);
    row.parentWrite = ParentWrite::Always;
    return row;
}

FieldRow poundUnit(int number, long double fromPounds, TextForm form, long double toPounds) {
    return unit(number, kPound, fromPounds, form, kPound, toPounds, form);
}

// The gram hub writes the metric, troy and force units and the pound hub; the pound hub
// writes the grain, the ounce, the arroba, the quintal and the tons, then the gram hub.
LinkedFieldLayout weightLayout() {
    FieldRow pound{kPound,
                   kGram,
                   times({per(kGramsPerPound)}),
                   r6,
                   kGram,
                   times({kGramsPerPound}),
                   r6,
                   RowKind::GroupHub};

    LinkedFieldLayout layout;
    layout.hub = kGram;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    layout.closesOnEscape = true;
    layout.reading = ReadMode::Raising;
    layout.hubReading = ReadMode::Raising;
    layout.rows = {
        gramUnit(kTonne, kGram, 0.000001L, r7, 1000000),
        gramUnit(2, kGram, 0.001L, r6, 1000),
        gramUnit(13, kGram, 1000, r6, 0.001L),
        gramUnit(6, kGram, per(31.103L), r6, 31.103L),
        gramUnit(7, kGram, per(373.236L), r6, 373.236L),
        poundUnit(kGrain, 7000, r6, per(7000)),
        poundUnit(5, 16, r6, 0.0625L),
        poundUnit(9, per(28), r6, 28),    // the arroba of 28 lb
        poundUnit(10, per(116), r6, 116), // the quintal of 116 lb
        poundUnit(11, 0.0005L, r7, 2000),
        poundUnit(12, per(2240), r7, 2240),
        pound,
        // Forces from the kilograms, and the dyne from the newtons.
        gramUnit(14, 2, 0.980665L, r6, 1000 / 0.980665L),
        gramUnit(17, 2, kStandardGravity, r6, 1000 / kStandardGravity),
        gramUnit(18, 17, 100000, r6, per(980.665L)),
    };
    return layout;
}

// Grains beyond all reason: one tonne is typed in afresh.
OverflowGuard grainGuard() {
    return {double(kMostGrains),
            QStringLiteral("¿Dónde quieres llegar hoy...?"),
            QStringLiteral("Es mucho..."),
            MessageIcon::Warning,
            kTonne,
            0.0,
            QStringLiteral("1")};
}

bool beyondDouble(Ext value) {
    return value > Ext(static_cast<long double>(DBL_MAX)) ||
           value < Ext(-static_cast<long double>(DBL_MAX));
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

// A typed value, judged before it is narrowed, so that a text beyond the range of a double is
// answered in the window's own words.
bool TFormPeso::valueAccepted(int number, bool reading, Ext typed) {
    if (!reading) return true;
    if (number == kGram || number == kPound) {
        if (!beyondDouble(typed)) return true;
        reportTooHeavy(number, typed);
        return false;
    }
    if (graph().row(number)->parent == kGram) {
        // The gram hub carries it on to units up to 1e9 times larger.
        if (typed <= Ext(kHeaviest) && !beyondDouble(typed)) return true;
        reportTooHeavy(number, typed);
        return false;
    }
    if (number == kGrain && typed > Ext(kMostGrains)) {
        // The guard empties the window and types one tonne in: nothing is left to carry.
        runGuard(grainGuard());
        return false;
    }
    if (!beyondDouble(typed)) return true;
    reportInvalidNumber(number);
    return false;
}

bool TFormPeso::spreadFailed(int number, bool reading, std::exception_ptr error) {
    if (!reading) return false;
    try {
        std::rethrow_exception(error);
    } catch (const UnreadableNumber&) {
        reportInvalidNumber(number);
        return true;
    } catch (...) {
        return false;
    }
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

void TFormPeso::reportTooHeavy(int number, Ext typed) {
    EditBox* box = field(number);
    // A number beyond the range of a double was never computed: the text stands for it.
    const QString shown =
        beyondDouble(typed) ? box->text() : GeneralText(typed.toDouble(), separator());
    platform().messageBox(this, QStringLiteral("Muy pesado..."), MessageIcon::Warning,
                          QLatin1Char('"') + shown +
                              QStringLiteral("\" Es un número demasiado grande para poner "
                                             "aquí.\nPrueba con uno menor.\nGracias."));
    box->selectAll();
}

} // namespace zerval
