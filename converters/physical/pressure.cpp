#include "converters/physical/pressure.h"

#include "kit/textforms.h"
#include "platform/editbox.h"

#include "ui_tformpresion.h"

namespace zerval {

namespace {

constexpr int kAtmosphere = 1;
constexpr int kPascal = 4;
constexpr long double kBar = 1.01325L;
constexpr long double kMillibar = 1013.25L;
constexpr long double kWaterMetre = 98.0665L; // mbar in one metre of water at 4 C
constexpr long double kPsi = 14.695948775513449L;
constexpr double kPascalLimit = 1e300;

// The pascal field is the hub of a small group of its own (hPa, kPa): it writes the
// atmosphere first, then its group, and takes its lock last.
LinkedFieldLayout pressureLayout() {
    LinkedFieldLayout layout;
    layout.hub = kAtmosphere;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    layout.hubReading = ReadMode::Raising;
    const TextForm r5 = fiveDecimalForm;
    const TextForm r6 = resultForm;
    const int atm = kAtmosphere;
    layout.rows = {
        {2, atm, times({kBar}), r5, atm, times({per(kBar)}), r5},
        {3, 2, times({1000}), r5, atm, times({per(kMillibar)}), r5},
        {kPascal, atm, times({101325}), r6, atm, times({per(101325)}), r5,
         RowKind::TrailingLockHub},
        {6, atm, times({760}), r5, atm, times({per(760)}), r5},
        {7, atm, times({kMillibar, per(kWaterMetre)}), r5, atm,
         times({per(kMillibar), kWaterMetre}), r5},
        {8, 6, times({per(25.4L)}), r5, atm, times({25.4L / 760}), r5},
        {9, 7, times({100000, per(2540)}), r5, atm, times({0.0254L, per(kMillibar), kWaterMetre}),
         r5},
        {10, atm, times({kMillibar, per(980.665L)}), r5, atm, times({per(kMillibar), 980.665L}),
         r5},
        {11, atm, times({kPsi}), r5, atm, times({per(kPsi)}), r5},
        {12, 11, times({144}), r5, atm, times({per(kPsi), per(144)}), r5},
        {13, atm, times({762}), r5, atm, times({per(762)}), r5},
        {14, atm, times({28.075L}), r5, atm, times({per(28.075L)}), r5},
        {5, kPascal, times({0.01L}), r5, kPascal, times({100}), r5},
        {15, kPascal, times({0.001L}), r6, kPascal, times({1000}), r6},
    };
    return layout;
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

// An emptied window holds no pascal value: one left behind by a conversion that failed
// part-way would trip the overflow test at the next entry and replace it.
void TFormPresion::fieldEmptied(int) {
    value(kPascal) = 0.0;
}

bool TFormPresion::hubReady(int hub) {
    if (hub == kAtmosphere && value(kPascal) > kPascalLimit) {
        value(kPascal) = 0.0;
        runGuard(pascalGuard());
    }
    return true;
}

// Whatever fails in the atmosphere's change, the conversion of its text included, is
// answered by quoting the text being typed.
bool TFormPresion::spreadFailed(int number, bool, std::exception_ptr) {
    if (number != kAtmosphere) return false;
    EditBox* box = field(inputField());
    platform().messageBox(this, QStringLiteral("Error"), MessageIcon::Error,
                          QLatin1Char('"') + box->text() +
                              QStringLiteral("\" no es un número válido."));
    value(kPascal) = 0.0;
    ClearAllFields();
    box->setFocus();
    box->selectAll();
    return true;
}

} // namespace zerval
