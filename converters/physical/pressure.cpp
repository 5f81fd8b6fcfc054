#include "converters/physical/pressure.h"

#include "kit/textforms.h"
#include "platform/editbox.h"

#include "ui_tformpresion.h"

#include <stdexcept>

namespace zerval {

namespace {

constexpr int kAtmosphere = 1;
constexpr int kPascal = 4;
constexpr long double kBar = 1.01325L;
constexpr long double kMillibar = 1013.25L;
constexpr long double kWaterMetre = 98.0665L; // mbar in one metre of water at 4 C
constexpr long double kPsi = 14.695948775513449L;
constexpr double kPascalLimit = 1e300;

LinkedFieldLayout pressureLayout() {
    LinkedFieldLayout layout;
    layout.hub = kAtmosphere;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    const TextForm r5 = fiveDecimalForm;
    const TextForm r6 = resultForm;
    layout.fields = {
        {2, 1, times({kBar}), r5, times({per(kBar)}), r5},
        {3, 2, times({1000}), r5, times({per(kMillibar)}), r5},
        {4, 1, times({101325}), r6, times({per(101325)}), r5},
        {6, 1, times({760}), r5, times({per(760)}), r5},
        {7, 1, times({kMillibar, per(kWaterMetre)}), r5, times({per(kMillibar), kWaterMetre}), r5},
        {8, 6, times({per(25.4L)}), r5, times({25.4L / 760}), r5},
        {9, 7, times({100000, per(2540)}), r5, times({0.0254L, per(kMillibar), kWaterMetre}), r5},
        {10, 1, times({kMillibar, per(980.665L)}), r5, times({per(kMillibar), 980.665L}), r5},
        {11, 1, times({kPsi}), r5, times({per(kPsi)}), r5},
        {12, 11, times({144}), r5, times({per(kPsi), per(144)}), r5},
        {13, 1, times({762}), r5, times({per(762)}), r5},
        {14, 1, times({28.075L}), r5, times({per(28.075L)}), r5},
    };
    return layout;
}

// The pascal group: written from the pascal field, and writing it back.
const std::vector<LinkedField>& pascalGroup() {
    static const std::vector<LinkedField> members = {
        {5, kPascal, times({0.01L}), fiveDecimalForm, times({100}), fiveDecimalForm},
        {15, kPascal, times({0.001L}), resultForm, times({1000}), resultForm},
    };
    return members;
}

// A pascal value this large is reset before anything is computed from it: the results
// would leave the range of the rounded texts.
OverflowGuard pascalGuard() {
    OverflowGuard guard{
        kPascalLimit,
        QStringLiteral("Esto así no funciona...\n\n(Sacá el dedito de ahí... gracias)"),
        QString(),
        MessageIcon::None,
        kAtmosphere,
        0.0,
        QStringLiteral("1")};
    guard.pauseMilliseconds = 300;
    return guard;
}

class NotANumber : public std::runtime_error {
public:
    NotANumber()
        : std::runtime_error("not a number") {}
};

} // namespace

TFormPresion::TFormPresion(QWidget* owner)
    : LinkedFieldWindow(owner, pressureLayout())
    , ui(std::make_unique<Ui::TFormPresion>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormPresion::~TFormPresion() = default;

void TFormPresion::fieldChanged(int number) {
    // An emptied window holds no pascal value: one left behind by a conversion that failed
    // part-way would trip the overflow test at the next entry and replace it.
    if (field(number)->text().isEmpty()) value(kPascal) = 0.0;
    if (number == kAtmosphere) {
        Edit1Change();
    } else if (number == kPascal) {
        Edit4Change();
    } else if (number == 5 || number == 15) {
        pascalGroupChanged(pascalGroup()[number == 5 ? 0 : 1]);
    } else {
        LinkedFieldWindow::fieldChanged(number);
    }
}

void TFormPresion::Edit1Change() {
    if (locked(kAtmosphere)) return;
    setLocked(kAtmosphere, true);
    try {
        const bool typed = field(kAtmosphere)->hasInputFocus();
        const EntryReading reading = classifyAndRead(kAtmosphere, typed);
        if (!reading.complete()) return;
        if (typed) {
            if (!reading.value) throw NotANumber();
            value(kAtmosphere) = narrow(*reading.value);
        }
        if (value(kPascal) > kPascalLimit) {
            value(kPascal) = 0.0;
            runGuard(pascalGuard());
        }
        cascadeFrom(kAtmosphere);
    } catch (...) {
        const int failed = inputField();
        EditBox* box = field(failed);
        platform().messageBox(this, QStringLiteral("Error"), MessageIcon::Error,
                              QLatin1Char('"') + box->text() +
                                  QStringLiteral("\" no es un número válido."));
        value(kPascal) = 0.0;
        ClearAllFields();
        box->setFocus();
        box->selectAll();
    }
}

void TFormPresion::Edit4Change() {
    if (locked(kPascal)) return;
    if (!readField(kPascal)) return;
    writeBack(*linkedField(kPascal));
    for (const LinkedField& member : pascalGroup()) {
        if (activeField() == member.number || locked(kPascal)) continue;
        writeField(member.number, member.fromSource(Ext(value(kPascal))).toDouble(), member.form);
    }
    setLocked(kPascal, true);
}

void TFormPresion::pascalGroupChanged(const LinkedField& member) {
    if (!readField(member.number)) return;
    if (activeField() == kPascal || locked(kPascal)) return;
    writeField(kPascal, member.toHub(Ext(value(member.number))).toDouble(), member.hubForm);
}

} // namespace zerval
