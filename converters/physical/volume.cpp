#include "converters/physical/volume.h"

#include "kit/textforms.h"
#include "platform/platform.h"

#include "ui_tformvol.h"

namespace zerval {

namespace {

constexpr int kCubicCentimetre = 2;
constexpr double kCubicCentimetreLimit = 1e299;

QString nineDecimalForm(double value, QChar separator) {
    return RoundedText(value, 9, separator);
}

struct Write {
    int target;
    Conversion convert;
    TextForm form;
};

struct NetworkField {
    int number;
    bool hub; // a hub carries a lock and spreads over its group
    std::vector<Write> writes;
};

constexpr long double kWaterLitre = 1.000028L; // dm3 in a litre of water at 4 °C
constexpr long double kUsGallonPerLitre = 0.26417205235814842301L;
constexpr long double kUsDryPintPerCubicInch = 0.029761627961049468398L;
constexpr long double kCubicInchPerDryPint = 33.6003125L;
// The litre of water in a US gallon goes through this rounded reciprocal of 1.000028.
constexpr long double kWaterLitrePerLitre = 0.99997200078397813162L;
constexpr long double kLitrePerUsGallon = 3.785411784L;

const std::vector<NetworkField>& network() {
    static const std::vector<NetworkField> fields = {
        {2,
         true,
         {{3, times({0.00099997200078397802856L}), resultForm},
          {26, times({0.00001L}), resultForm},
          {4, times({0.061023744094732288634L}), resultForm},
          {25, times({0.00042377600065786308489L}), resultForm},
          {15, times({0.001L}), resultForm},
          {16, times({0.001L}), resultForm},
          {22, times({8.1071319378991259130e-10L}), nineDecimalForm},
          {14, times({0.0000062898107704321055857L}), resultForm}}},
        {3,
         true,
         {{1, times({0.001000028L}), sevenDecimalForm},
          {2, times({1000.028L}), resultForm},
          {7, times({0.21997553872009432546L}), resultForm},
          {17, times({4, kWaterLitre, kUsGallonPerLitre}), resultForm},
          {18, times({8, kWaterLitre, kUsGallonPerLitre}), resultForm},
          {19, times({128, kWaterLitre, kUsGallonPerLitre}), resultForm},
          {20, times({1024, kWaterLitre, kUsGallonPerLitre}), resultForm}}},
        {4,
         true,
         {{2, times({16.387064L}), resultForm},
          {5, times({0.00057870370370370370371L}), resultForm},
          {6, times({0.000021433470507544581619L}), resultForm},
          {21, times({kUsDryPintPerCubicInch, 0.015625L}), resultForm},
          {10, times({kUsDryPintPerCubicInch, 0.125L}), resultForm},
          {11, times({0.0043290043290043290044L}), resultForm},
          {23, times({kUsDryPintPerCubicInch}), resultForm},
          {24, times({kUsDryPintPerCubicInch, 0.5L}), resultForm}}},
        {7,
         true,
         {{3, times({4.54596L}), resultForm},
          {8, times({4}), resultForm},
          {9, times({8}), resultForm}}},
        {5,
         true,
         {{4, times({1728}), resultForm},
          {12, times({0.01L}), sevenDecimalForm},
          {13, times({0.025L}), sevenDecimalForm}}},
        {1, false, {{3, times({999.97200078397802059L}), fiveDecimalForm}}},
        {6, false, {{4, times({46656}), resultForm}}},
        {8, false, {{7, times({0.25L}), resultForm}}},
        {9, false, {{7, times({0.125L}), resultForm}}},
        {10, false, {{4, times({kCubicInchPerDryPint, 8}), resultForm}}},
        {11, false, {{4, times({231}), resultForm}}},
        {12, false, {{5, times({100}), resultForm}}},
        {13, false, {{5, times({40}), resultForm}}},
        {14, false, {{2, times({158987.294928L}), resultForm}}},
        {15, false, {{2, times({1000}), resultForm}}},
        {16, false, {{2, times({1000}), resultForm}}},
        {17, false, {{3, times({0.25L, kWaterLitrePerLitre, kLitrePerUsGallon}), resultForm}}},
        {18, false, {{3, times({0.125L, kWaterLitrePerLitre, kLitrePerUsGallon}), resultForm}}},
        {19, false, {{3, times({0.0078125L, kWaterLitrePerLitre, kLitrePerUsGallon}), resultForm}}},
        {20,
         false,
         {{3, times({0.0009765625L, kWaterLitrePerLitre, kLitrePerUsGallon}), resultForm}}},
        {21, false, {{4, times({kCubicInchPerDryPint, 64}), resultForm}}},
        {22, false, {{2, times({1233481837.54752L}), resultForm}}},
        {23, false, {{4, times({kCubicInchPerDryPint}), resultForm}}},
        {24, false, {{4, times({kCubicInchPerDryPint, 2}), resultForm}}},
        {25, false, {{4, times({144}), resultForm}}},
        {26, false, {{2, times({100000}), resultForm}}},
    };
    return fields;
}

const NetworkField* networkField(int number) {
    for (const NetworkField& node : network())
        if (node.number == number) return &node;
    return nullptr;
}

LinkedFieldLayout volumeLayout() {
    LinkedFieldLayout layout;
    layout.hub = kCubicCentimetre;
    layout.activation = KeyActivation::AllKeys;
    return layout;
}

} // namespace

TFormVol::TFormVol(QWidget* owner)
    : LinkedFieldWindow(owner, volumeLayout())
    , ui(std::make_unique<Ui::TFormVol>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TFormVol::~TFormVol() = default;

void TFormVol::fieldChanged(int number) {
    nesting_.run([&] { spread(number); },
                 [&](std::exception_ptr error) {
                     try {
                         std::rethrow_exception(error);
                     } catch (const FloatError&) {
                         // A number that runs out of range anywhere on the network is more
                         // than 1e299 cm3, and is answered as that limit is, wherever it was
                         // typed.
                         emptyTypedField();
                     }
                 });
}

void TFormVol::spread(int number) {
    const NetworkField* node = networkField(number);
    if (!node) return;
    if (node->hub) {
        if (locked(number)) return;
        setLocked(number, true);
    }
    if (!readFieldQuietly(number)) return;
    if (number == kCubicCentimetre && value(number) > kCubicCentimetreLimit) {
        emptyTypedField();
        return;
    }
    for (const Write& write : node->writes) {
        // A hub already reached by this change keeps the text it was given, so the change
        // spreads once and a write-back never rewrites a hub in another rounding.
        if (write.target == activeField() || locked(write.target)) continue;
        writeField(write.target, write.convert(Ext(value(number))).toDouble(), write.form);
    }
}

// Once the change has been handled, Shift+Home and Backspace select and delete the text in
// front of the caret of the field being typed in; emptying it empties the window.
void TFormVol::emptyTypedField() {
    platform().queueKey(Qt::Key_Home, Qt::ShiftModifier);
    platform().queueKey(Qt::Key_Backspace, Qt::NoModifier);
}

} // namespace zerval
