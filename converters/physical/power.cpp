#include "converters/physical/power.h"

#include "converters/physical/entryvalue.h"
#include "platform/editbox.h"

#include "ui_tformpotencia.h"

namespace zerval {

namespace {

constexpr int kWatt = 1;
constexpr int kAtmCubicCentimetrePerHour = 18;
constexpr double kLimit = 1e300;

constexpr long double kKilopond = 9.80665L;            // J in one kilogram-metre
constexpr long double kPoundInch = 0.112985L;          // J in one pound-inch
constexpr long double kAtmCubicCentimetre = 0.101325L; // J in one atm.cm3
constexpr long double kAtmPerWattHour = 35529.23760177646L;
constexpr long double kKilocalorie = 4185.5L;
constexpr long double kBtu = 1055.06L;

LinkedField field(int number, int source, Conversion fromSource, Conversion toWatts) {
    return {number, source, std::move(fromSource), generalForm, std::move(toWatts), generalForm};
}

// In the order the cascade writes them; the atm.cm3 per hour field comes first.
LinkedFieldLayout powerLayout() {
    LinkedFieldLayout layout;
    layout.hub = kWatt;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    layout.reading = ReadMode::Raising;
    layout.fields = {
        field(18, kWatt, times({kAtmPerWattHour}), times({0.000028145833333333334L})),
        field(2, kWatt, times({0.001L}), times({1000})),
        field(3, 2, times({0.001L}), times({1000000})),
        field(4, kWatt, times({3600}), times({per(3600)})),
        field(5, kWatt, times({60}), times({per(60)})),
        field(6, kWatt, times({}), times({})),
        field(7, 4, times({per(kKilopond)}), times({kKilopond, per(3600)})),
        field(8, 7, times({per(60)}), times({kKilopond, per(60)})),
        field(9, 8, times({per(60)}), times({kKilopond})),
        field(10, kWatt, times({per(745.701L)}), times({745.701L})),
        field(11, 8, times({per(4500)}), times({75, kKilopond})),
        field(12, 4, times({per(kPoundInch)}), times({kPoundInch, per(3600)})),
        field(13, 12, times({per(60)}), times({kPoundInch, per(60)})),
        field(14, 13, times({per(60)}), times({kPoundInch})),
        field(15, 12, times({per(12)}), times({kPoundInch, per(3600), 12})),
        field(16, 15, times({per(60)}), times({kPoundInch, per(60), 12})),
        field(17, 16, times({per(60)}), times({kPoundInch, 12})),
        field(20, kWatt, times({9.86923266716014L}), times({kAtmCubicCentimetre})),
        field(19, kWatt, times({kAtmPerWattHour, per(60)}), times({kAtmCubicCentimetre, per(60)})),
        field(21, kWatt, times({per(kKilocalorie), 3600}), times({kKilocalorie, per(3600)})),
        field(22, 21, times({per(60)}), times({kKilocalorie, per(60)})),
        field(23, 22, times({per(60)}), times({kKilocalorie})),
        field(24, kWatt, times({per(kBtu), 3600}), times({kBtu, per(3600)})),
        field(25, kWatt, times({per(kBtu), 60}), times({kBtu, per(60)})),
        field(26, kWatt, times({per(kBtu)}), times({kBtu})),
    };
    return layout;
}

} // namespace

TFormPotencia::TFormPotencia(QWidget* owner)
    : LinkedFieldWindow(owner, powerLayout())
    , ui(std::make_unique<Ui::TFormPotencia>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormPotencia::~TFormPotencia() = default;

// The atm.cm3 per hour field, the largest number the window shows, is tested before anything
// is written, unless it is the field being typed in.
bool TFormPotencia::hubReady(int) {
    if (activeField() == kAtmCubicCentimetrePerHour) return true;
    const LinkedField& atm = *linkedField(kAtmCubicCentimetrePerHour);
    if (!(atm.fromSource(Ext(value(kWatt))) > Ext(kLimit))) return true;
    platform().messageBox(this, QStringLiteral("Vaya!"), MessageIcon::Warning,
                          QStringLiteral("Demasiada potencia... guapo"));
    ClearAllFields();
    return false;
}

bool TFormPotencia::spreadFailed(int number, bool reading, std::exception_ptr error) {
    return answerInvalidNumber(graph(), number, reading, error);
}

} // namespace zerval
