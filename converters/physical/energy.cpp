#include "converters/physical/energy.h"

#include "ui_tformenergia.h"

namespace zerval {

namespace {

constexpr int kJoule = 1;
constexpr int kElectronvolt = 6;
constexpr long double kElectronvoltJoules = 1.60218e-19L;
constexpr long double kMetricHorsepowerHour[] = {3600, 75, 9.80665L};

// A unit of `joules` joules: the cascade divides by it (as the reciprocal at full
// precision), the field's own change multiplies by it.
LinkedField unit(int number, long double joules) {
    return {number, kJoule, times({per(joules)}), generalForm, times({joules}), generalForm};
}

LinkedFieldLayout energyLayout() {
    LinkedFieldLayout layout;
    layout.hub = kJoule;
    layout.activation = KeyActivation::DeleteOnly;
    const auto& hp = kMetricHorsepowerHour;
    layout.fields = {
        {2, kJoule, times({}), generalForm, times({}), generalForm},
        {3, kJoule, times({10000000}), generalForm, times({1e-7L}), generalForm},
        unit(4, 3600000),
        unit(5, 3600),
        unit(kElectronvolt, kElectronvoltJoules),
        unit(7, 1.60218e-13L),
        unit(8, 2.17987e-18L),
        {9, kJoule, times({}), generalForm, times({}), generalForm},
        unit(10, 9.80665L),
        unit(11, 2684523.6L),
        {29, kJoule, times({per(hp[0]), per(hp[1]), per(hp[2])}), generalForm,
         times({hp[0], hp[1], hp[2]}), generalForm},
        unit(12, 1.35582L),
        unit(13, 0.112985L),
        unit(14, 0.101325L),
        unit(15, 2869.2L),
        unit(16, 4.1855L),
        unit(17, 4185.5L),
        unit(18, 1055.06L),
        unit(19, 105506000),
        unit(20, 105480000),
        unit(21, 1899.18L),
        unit(22, 6.12e9L),
        unit(23, 4.187e10L),
        unit(24, 2.929e10L),
        unit(25, 4.18e9L),
        unit(26, 4.35975e-18L),
        unit(27, 8.987e13L),
        // The quad follows the therm (EEG) written just before it: 1E15 BTU.
        {28, 19, times({1e-10L}), generalForm, times({1.05506e18L}), generalForm},
    };
    return layout;
}

OverflowGuard electronvoltGuard() {
    OverflowGuard guard{1e300,
                        QStringLiteral("¿Dónde quieres llegar hoy...?"),
                        QStringLiteral("No será mucho...?"),
                        MessageIcon::Warning,
                        kJoule,
                        0.0,
                        QStringLiteral("1")};
    guard.valueField = kElectronvolt;
    return guard;
}

} // namespace

TFormEnergia::TFormEnergia(QWidget* owner)
    : LinkedFieldWindow(owner, energyLayout())
    , ui(std::make_unique<Ui::TFormEnergia>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormEnergia::~TFormEnergia() = default;

void TFormEnergia::fieldChanged(int number) {
    if (number == kElectronvolt)
        Edit6Change();
    else
        LinkedFieldWindow::fieldChanged(number);
}

void TFormEnergia::Edit6Change() {
    if (!readField(kElectronvolt)) return;
    const OverflowGuard guard = electronvoltGuard();
    // Emptying the hub empties the window, and the queued "1" then converts one joule.
    if (value(kElectronvolt) > guard.limit) runGuard(guard);
    writeBack(*linkedField(kElectronvolt));
}

} // namespace zerval
