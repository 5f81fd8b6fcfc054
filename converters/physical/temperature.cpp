#include "converters/physical/temperature.h"

#include "kit/textforms.h"

#include "ui_tformtemp.h"

namespace zerval {

namespace {

constexpr int kCelsius = 1;
constexpr int kKelvin = 4;
constexpr long double kEighteenth = 0.0555555555555555556L; // 1/18

LinkedFieldLayout temperatureLayout() {
    LinkedFieldLayout layout;
    layout.hub = kCelsius;
    layout.activation = KeyActivation::AllKeysAndKeyPress;
    layout.fields = {
        {2, 1, affine(1.8L, 32), fiveDecimalForm,
         [](Ext f) { return (f - Ext(32)) * Ext(10) * Ext(kEighteenth); }, fiveDecimalForm},
        {3, 1, times({0.8L}), fiveDecimalForm, times({10, 0.125L}), fiveDecimalForm},
        {4, 1, affine(1, 273.15L), fiveDecimalForm, affine(1, -273.15L), fiveDecimalForm},
        // Rankine follows the Fahrenheit value just computed (or typed).
        {5, 2, affine(1, 459.67L), fiveDecimalForm,
         [](Ext ra) { return (ra - Ext(459.67L) - Ext(32)) * Ext(10) * Ext(kEighteenth); },
         fiveDecimalForm},
    };
    return layout;
}

} // namespace

TFormTemp::TFormTemp(QWidget* owner)
    : LinkedFieldWindow(owner, temperatureLayout())
    , ui(std::make_unique<Ui::TFormTemp>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormTemp::~TFormTemp() = default;

void TFormTemp::fieldWritten(int number) {
    // The cascade wrote the Kelvin field, or a Kelvin value typed in was carried to the hub.
    if (number == kKelvin || (number == kCelsius && activeField() == kKelvin)) paintKelvinLabel();
}

void TFormTemp::paintKelvinLabel() {
    QPalette palette = ui->Label4->palette();
    palette.setColor(QPalette::WindowText,
                     value(kKelvin) < 0.0 ? QColor(255, 0, 0) : QColor(0, 0, 128));
    ui->Label4->setPalette(palette);
}

} // namespace zerval
