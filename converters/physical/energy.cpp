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
FieldRow unit(int number, long double joules) {
    return scaledRow(number, kJoule, joules, generalForm);
}

// A row whose conversions are its own.
FieldRow row(int number, int source, Conversion fromSource, Conversion toHub) {
    return {number,           source,     std::move(fromSource), generalForm, kJoule,
            std::move(toHub), generalForm};
}

// The electronvolt: a value typed in beyond the limit starts the window afresh at one joule.
FieldRow electronvolt() {
    FieldRow row = unit(kElectronvolt, kElectronvoltJoules);
    row.typedGuard = OverflowGuard{1e300,
                                   QStringLiteral("¿Dónde quieres llegar hoy...?"),
                                   QStringLiteral("No será mucho...?"),
                                   MessageIcon::Warning,
                                   kJoule,
                                   0.0,
                                   QStringLiteral("1")};
    row.typedGuard->valueField = kElectronvolt;
    return row;
}

LinkedFieldLayout energyLayout() {
    LinkedFieldLayout layout;
    layout.hub = kJoule;
    layout.activation = KeyActivation::DeleteOnly;
    const auto& hp = kMetricHorsepowerHour;
    layout.rows = {
        row(2, kJoule, times({}), times({})),
        row(3, kJoule, times({10000000}), times({1e-7L})),
        unit(4, 3600000),
        unit(5, 3600),
        electronvolt(),
        unit(7, 1.60218e-13L),
        unit(8, 2.17987e-18L),
        row(9, kJoule, times({}), times({})),
        unit(10, 9.80665L),
        unit(11, 2684523.6L),
        row(29, kJoule, times({per(hp[0]), per(hp[1]), per(hp[2])}), times({hp[0], hp[1], hp[2]})),
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
        row(28, 19, times({1e-10L}), times({1.05506e18L})),
    };
    return layout;
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

} // namespace zerval
