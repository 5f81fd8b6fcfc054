#include "converters/physical/flowrate.h"

#include "ui_tformcaudal.h"

namespace zerval {

namespace {

constexpr int kLitrePerSecond = 1;
constexpr long double kCubicFootLitres = 28.316846592L;
constexpr long double kGallonLitres = 3.785411784L;
constexpr long double kBarrelLitres = 158.987294928L;
constexpr long double kBarrelGallons = 42;

LinkedField unit(int number, int source, long double fromSource, Conversion toLitresPerSecond) {
    return {number,     source, times({fromSource}), generalForm, std::move(toLitresPerSecond),
            generalForm};
}

// In the order the cascade writes them. Each unit per minute, hour and day follows the same
// unit per second written just before it.
LinkedFieldLayout flowLayout() {
    LinkedFieldLayout layout;
    layout.hub = kLitrePerSecond;
    layout.activation = KeyActivation::DeleteOnly;
    layout.fields = {
        unit(2, kLitrePerSecond, 60, times({per(60)})),
        unit(3, kLitrePerSecond, 3600, times({per(3600)})),
        unit(4, kLitrePerSecond, 86400, times({per(86400)})),
        unit(5, kLitrePerSecond, 0.001L, times({1000})),
        unit(6, 5, 60, times({per(6), 100})),
        unit(7, 6, 60, times({per(36), 10})),
        // A cubic metre a day is 1000 litres in 86 400 seconds: 1/86.4 L/s.
        unit(8, 7, 24, times({per(864), 10})),
        unit(21, 5, 1000000, times({0.001L})),
        unit(22, 21, 60, times({0.001L / 60})),
        unit(23, 22, 60, times({0.001L / 3600})),
        unit(24, 23, 24, times({0.001L / 86400})),
        unit(9, 21, per(28316.846592L), times({kCubicFootLitres})),
        unit(10, 9, 60, times({0.4719474432L})),
        unit(11, 10, 60, times({0.00786579072L})),
        unit(12, 11, 24, times({0.00032774128L})),
        unit(13, 21, per(3785.411784L), times({kGallonLitres})),
        unit(14, 13, 60, times({kGallonLitres, per(60)})),
        unit(15, 14, 60, times({kGallonLitres, per(3600)})),
        unit(16, 15, 24, times({kGallonLitres, per(86400)})),
        unit(17, 13, per(kBarrelGallons), times({kBarrelLitres})),
        unit(18, 17, 60, times({kBarrelLitres, per(60)})),
        unit(19, 18, 60, times({kBarrelLitres, per(3600)})),
        unit(20, 19, 24, times({kBarrelLitres, per(86400)})),
    };
    return layout;
}

} // namespace

TFormCaudal::TFormCaudal(QWidget* owner)
    : FlowHubWindow(owner, flowLayout(), QStringLiteral("Probemos con un número más chico..."))
    , ui(std::make_unique<Ui::TFormCaudal>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormCaudal::~TFormCaudal() = default;

} // namespace zerval
