#include "converters/physical/velocity.h"

#include "ui_tformvel.h"

namespace zerval {

namespace {

constexpr long double kPerSecond = 0.000277777777777777778L; // 1/3600
constexpr long double kMile = 1.609344L;

LinkedFieldLayout velocityLayout() {
    LinkedFieldLayout layout;
    layout.hub = 1;
    layout.activation = KeyActivation::AllKeys;
    layout.fields = {
        {2, 1, times({kPerSecond}), resultForm, times({3600}), resultForm},
        {3, 2, times({1000}), resultForm, times({3.6L}), resultForm},
        {4, 1, times({0.000816289294493243926L}), resultForm, times({1225.05588L}), resultForm},
        // Fractions of the speed of light are tiny: they are written unrounded.
        {5, 2, times({0.00000333564048466856242L}), generalForm, times({299792.5L, 3600}),
         generalForm},
        {6, 1, times({0.621371192237333928L}), resultForm, times({kMile}), resultForm},
        {7, 6, times({kPerSecond, 5280}), resultForm,
         times({kMile, 3600, 0.000189393939393939394L}), resultForm},
        {8, 1, times({0.539956803455723516L}), resultForm, times({1.852L}), resultForm},
        {9, 6, times({kPerSecond}), resultForm, times({3600, kMile}), resultForm},
    };
    layout.hubGuard = OverflowGuard{1e300,
                                    QStringLiteral("Este número excede la capacidad de cálculo"),
                                    QString(),
                                    MessageIcon::None,
                                    1,
                                    0.0,
                                    QStringLiteral("100")};
    return layout;
}

} // namespace

TFormVel::TFormVel(QWidget* owner)
    : LinkedFieldWindow(owner, velocityLayout())
    , ui(std::make_unique<Ui::TFormVel>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormVel::~TFormVel() = default;

} // namespace zerval
