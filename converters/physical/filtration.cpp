#include "converters/physical/filtration.h"

#include "ui_tform_filtrado.h"

namespace zerval {

namespace {

constexpr int kLmh = 1;
constexpr long double kHoursPerDay = 24;
constexpr long double kHoursPerYear = 8766; // 365.25 days
// lmh in one gallon per square foot and hour.
constexpr long double kGfhInLmh = 40.74585320172653L;

LinkedFieldLayout filtrationLayout() {
    LinkedFieldLayout layout;
    layout.hub = kLmh;
    layout.activation = KeyActivation::DeleteOnly;
    const TextForm g = generalForm;
    layout.fields = {
        {2, kLmh, times({kHoursPerDay}), g, times({per(kHoursPerDay)}), g},
        {3, kLmh, times({kHoursPerYear}), g, times({per(kHoursPerYear)}), g},
        {4, kLmh, times({per(kGfhInLmh)}), g, times({kGfhInLmh}), g},
        {5, kLmh, times({kHoursPerDay, per(kGfhInLmh)}), g, times({per(kHoursPerDay), kGfhInLmh}),
         g},
        {6, kLmh, times({kHoursPerYear, per(kGfhInLmh)}), g, times({per(kHoursPerYear), kGfhInLmh}),
         g},
    };
    return layout;
}

} // namespace

TForm_filtrado::TForm_filtrado(QWidget* owner)
    : FlowHubWindow(owner, filtrationLayout(), QStringLiteral("Realmente necesita este número...?"))
    , ui(std::make_unique<Ui::TForm_filtrado>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TForm_filtrado::~TForm_filtrado() = default;

} // namespace zerval
