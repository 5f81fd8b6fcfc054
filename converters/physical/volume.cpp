#include "converters/physical/volume.h"

#include "kit/textforms.h"
#include "platform/platform.h"

#include "ui_tformvol.h"

namespace zerval {

namespace {

constexpr int kCubicCentimetre = 2;
constexpr int kLitreOfWater = 3;
constexpr int kCubicInch = 4;
constexpr int kCubicFoot = 5;
constexpr int kImperialGallon = 7;
constexpr double kCubicCentimetreLimit = 1e299;

QString nineDecimalForm(double value, QChar separator) {
    return RoundedText(value, 9, separator);
}

constexpr long double kWaterLitre = 1.000028L; // dm3 in a litre of water at 4 °C
constexpr long double kUsGallonPerLitre = 0.26417205235814842301L;
constexpr long double kUsDryPintPerCubicInch = 0.029761627961049468398L;
constexpr long double kCubicInchPerDryPint = 33.6003125L;
// The litre of water in a US gallon goes through this rounded reciprocal of 1.000028.
constexpr long double kWaterLitrePerLitre = 0.99997200078397813162L;
constexpr long double kLitrePerUsGallon = 3.785411784L;

// A row written from `source` and writing `parent`, both in results of six decimals.
FieldRow unit(int number, int source, Conversion fromSource, int parent, Conversion toParent,
              RowKind kind = RowKind::Leaf) {
    return {number,     source, std::move(fromSource), resultForm, parent, std::move(toParent),
            resultForm, kind};
}

// A US liquid measure of `perGallon` to the gallon, on the litre of water.
FieldRow usLiquid(int number, long double perGallon) {
    return unit(number, kLitreOfWater, times({perGallon, kWaterLitre, kUsGallonPerLitre}),
                kLitreOfWater, times({per(perGallon), kWaterLitrePerLitre, kLitrePerUsGallon}));
}

// A US dry measure of `dryPints` dry pints, on the cubic inch.
FieldRow usDry(int number, long double dryPints) {
    return unit(number, kCubicInch, times({kUsDryPintPerCubicInch, per(dryPints)}), kCubicInch,
                times({kCubicInchPerDryPint, dryPints}));
}

// Five group hubs, each with a lock: the cubic centimetre (the window's hub), the litre of
// water, the cubic inch, the cubic foot and the imperial gallon. The rows are in the order
// every hub writes them; a hub writes its own parent where its own row stands. The legacy
// factors that are not exact reciprocals of their neighbours are kept as they were.
LinkedFieldLayout volumeLayout() {
    LinkedFieldLayout layout;
    layout.hub = kCubicCentimetre;
    layout.activation = KeyActivation::AllKeys;
    layout.reading = ReadMode::Quiet;
    const auto hub = RowKind::GroupHub;
    const int cc = kCubicCentimetre;
    layout.rows = {
        {1, kLitreOfWater, times({0.001000028L}), sevenDecimalForm, kLitreOfWater,
         times({999.97200078397802059L}), fiveDecimalForm},
        unit(kLitreOfWater, cc, times({0.00099997200078397802856L}), cc, times({1000.028L}), hub),
        unit(26, cc, times({per(100000)}), cc, times({100000})),
        unit(kCubicInch, cc, times({0.061023744094732288634L}), cc, times({16.387064L}), hub),
        // The board foot is written from the cubic centimetre and writes the cubic inch.
        unit(25, cc, times({0.00042377600065786308489L}), kCubicInch, times({144})),
        unit(15, cc, times({per(1000)}), cc, times({1000})),
        unit(16, cc, times({per(1000)}), cc, times({1000})),
        {22, cc, times({8.1071319378991259130e-10L}), nineDecimalForm, cc,
         times({1233481837.54752L}), resultForm},
        unit(14, cc, times({0.0000062898107704321055857L}), cc, times({158987.294928L})),
        unit(kImperialGallon, kLitreOfWater, times({0.21997553872009432546L}), kLitreOfWater,
             times({4.54596L}), hub),
        usLiquid(17, 4),
        usLiquid(18, 8),
        usLiquid(19, 128),
        usLiquid(20, 1024),
        unit(kCubicFoot, kCubicInch, times({per(1728)}), kCubicInch, times({1728}), hub),
        unit(6, kCubicInch, times({per(46656)}), kCubicInch, times({46656})),
        usDry(21, 64),
        usDry(10, 8),
        unit(11, kCubicInch, times({per(231)}), kCubicInch, times({231})),
        usDry(23, 1),
        usDry(24, 2),
        unit(8, kImperialGallon, times({4}), kImperialGallon, times({per(4)})),
        unit(9, kImperialGallon, times({8}), kImperialGallon, times({per(8)})),
        {12, kCubicFoot, times({per(100)}), sevenDecimalForm, kCubicFoot, times({100}), resultForm},
        {13, kCubicFoot, times({per(40)}), sevenDecimalForm, kCubicFoot, times({40}), resultForm},
    };
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

bool TFormVol::hubReady(int hub) {
    if (hub != kCubicCentimetre || value(hub) <= kCubicCentimetreLimit) return true;
    emptyTypedField();
    return false;
}

void TFormVol::answerError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const FloatError&) {
        // A number that runs out of range anywhere on the network is more than 1e299 cm3, and
        // is answered as that limit is, wherever it was typed.
        emptyTypedField();
    } catch (...) {
        LinkedFieldWindow::answerError(std::current_exception());
    }
}

// Once the change has been handled, Shift+Home and Backspace select and delete the text in
// front of the caret of the field being typed in; emptying it empties the window.
void TFormVol::emptyTypedField() {
    platform().queueKey(Qt::Key_Home, Qt::ShiftModifier);
    platform().queueKey(Qt::Key_Backspace, Qt::NoModifier);
}

} // namespace zerval
