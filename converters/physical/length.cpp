#include "converters/physical/length.h"

#include "platform/editbox.h"

#include "ui_tform3.h"

namespace zerval {

namespace {

constexpr long double kFathomPerCentimetre = 0.0054680664916885394L; // 1/182.88
constexpr long double kSixth = 0.166666666666666667L;

constexpr int kCentimetre = 3;
constexpr int kFathom = 7;
constexpr int kMillimetre = 11;
constexpr int kNauticalMile = 10;
constexpr int kFoot = 5;
constexpr int kInch = 4;
constexpr int kMil = 18;

// A field of the tree: its parent writes it by the first conversion, it writes its parent by
// the second.
FieldRow node(int number, int parent, Conversion fromParent, TextForm form, Conversion toParent,
              TextForm parentForm) {
    return {number, parent, std::move(fromParent), form, parent, std::move(toParent), parentForm};
}

// A field that writes its children whenever its text changes, and its parent only when it is
// the field being typed in; it reads its text every time.
FieldRow relay(FieldRow row) {
    row.kind = RowKind::Relay;
    row.parentWrite = ParentWrite::WhenActive;
    return row;
}

// A field typed into hands its value over to its parent, making it the active field. Some
// take their lock on any change, others only when they are the active field.
FieldRow handingOver(FieldRow row, LeafLock lock) {
    row.lock = lock;
    row.activeOnly = true;
    row.parentWrite = ParentWrite::HandOver;
    row.skip = SpreadSkip::ActiveOrLocked;
    return row;
}

FieldRow skipping(FieldRow row, SpreadSkip skip) {
    row.skip = skip;
    return row;
}

FieldRow writing(FieldRow row, ParentWrite write, bool activeOnly) {
    row.parentWrite = write;
    row.activeOnly = activeOnly;
    return row;
}

FieldRow withGuard(FieldRow row, const OverflowGuard& guard) {
    row.typedGuard = guard;
    row.guardBeforeNarrowing = true;
    return row;
}

FieldRow withSpecialText(FieldRow row) {
    row.hasSpecialText = true;
    return row;
}

// A millimetre or mil value too big to carry through the tree: one metre is typed in
// afresh after the message.
const OverflowGuard& bigNumberGuard() {
    static const OverflowGuard guard{1e300,
                                     QStringLiteral("¡Qué número más grande tienes...!"),
                                     QStringLiteral("Vaya!"),
                                     MessageIcon::Warning,
                                     2,
                                     1.0,
                                     QStringLiteral("1"),
                                     500,
                                     true};
    return guard;
}

// A millimetre value whose trip through the tree failed somewhere: 100 cm are typed in.
const OverflowGuard& brokenTreeGuard() {
    static const OverflowGuard guard{0.0,
                                     QStringLiteral("Esto así no funciona... "),
                                     QString(),
                                     MessageIcon::None,
                                     3,
                                     0.0,
                                     QStringLiteral("100")};
    return guard;
}

// The centimetre is the hub of the metric side, the fathom the hub of the imperial side. The
// rows are in the order each field writes its children; the fathom writes its children, then
// locks itself and writes the centimetre.
LinkedFieldLayout lengthLayout() {
    const TextForm r6 = resultForm;
    const TextForm r7 = sevenDecimalForm;
    const TextForm general = generalForm;
    const auto always = ParentWrite::Always;
    const auto focused = ParentWrite::WhenFocused;
    const auto locked = SpreadSkip::Locked;
    LinkedFieldLayout layout;
    layout.hub = kCentimetre;
    layout.activation = KeyActivation::AllKeys;
    layout.reading = ReadMode::QuietAlways;
    layout.hubReading = ReadMode::Quiet;
    // The chain of this window is 11 fathoms.
    FieldRow fathom =
        node(kFathom, kCentimetre, times({kFathomPerCentimetre}), r6, times({182.88L}), r6);
    fathom.kind = RowKind::TrailingLockHub;
    fathom.reading = ReadMode::Quiet;
    fathom.parentWrite = ParentWrite::UnlessParentLocked;
    fathom.skip = locked;
    FieldRow millimetre = node(kMillimetre, kCentimetre, times({10}), r6, times({0.1L}), r6);
    millimetre.lock = LeafLock::First;
    millimetre.reading = ReadMode::Quiet;
    millimetre.parentWrite = ParentWrite::UnlessParentLocked;
    millimetre.skip = locked;
    layout.rows = {
        writing(node(8, kFathom, times({0.0909090909090909091L}), r6, times({11}), r6), focused,
                true),
        writing(node(9, kFathom, times({0.00113636363636363636L}), r7, times({880}), r7), always,
                true),
        // The nautical mile of 6080 ft.
        withSpecialText(writing(node(kNauticalMile, kFathom, times({6, 0.000164473684210526316L}),
                                     r7, times({6080, kSixth}), r7),
                                always, true)),
        writing(node(6, kFathom, times({2}), r6, times({0.5L}), r6), always, true),
        withSpecialText(
            writing(node(kFoot, kFathom, times({6}), r6, times({kSixth}), r6), focused, false)),
        withSpecialText(
            relay(node(kInch, kFathom, times({72}), r6, times({0.0138888888888888889L}), r6))),
        // The mil, computed from the inch text as written.
        withGuard(skipping(handingOver(node(kMil, kInch, times({1000}), r6, times({0.001L}), r7),
                                       LeafLock::WhenActive),
                           locked),
                  bigNumberGuard()),
        relay(node(2, kCentimetre, times({0.01L}), r6, times({100}), r6)),
        handingOver(node(12, 2, times({0.01L}), r6, times({100}), r6), LeafLock::First),
        handingOver(node(13, 2, times({0.1L}), r6, times({10}), r6), LeafLock::First),
        handingOver(node(14, 2, times({10}), r6, times({0.1L}), r6), LeafLock::WhenActive),
        // The kilometre carries the astronomical units, from the myriametre value.
        relay(node(1, kCentimetre, times({0.00001L}), r7, times({100000}), r6)),
        handingOver(node(15, 1, times({0.1L}), r7, times({10}), r6), LeafLock::First),
        // Astronomical units are tiny beside a myriametre: written unrounded.
        skipping(handingOver(node(16, 15, times({6.684581e-8L}), general,
                                  times({14959800.771357247194L}), r6),
                             LeafLock::WhenActive),
                 locked),
        skipping(handingOver(node(17, 15, times({1.057021e-12L}), general,
                                  times({946054997961.25143856L}), r6),
                             LeafLock::WhenActive),
                 locked),
        skipping(handingOver(node(19, 15, times({3.240735e-13L}), general,
                                  times({3085719751846.4175336L}), r6),
                             LeafLock::WhenActive),
                 locked),
        fathom,
        withGuard(millimetre, bigNumberGuard()),
    };
    return layout;
}

} // namespace

TForm3::TForm3(QWidget* owner)
    : LinkedFieldWindow(owner, lengthLayout())
    , ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TForm3::~TForm3() = default;

// A nautical mile of exactly 6080 ft and 72960 in, whatever the fathom's rounding says. The
// field's own change reads these texts; no value is stored for them here.
std::optional<QString> TForm3::specialText(int number) {
    if (number == kNauticalMile && field(kFathom)->text() == QStringLiteral("1013,33333"))
        return QStringLiteral("1");
    if (field(kNauticalMile)->text() == QStringLiteral("1") && number == kFoot)
        return QStringLiteral("6080");
    if (field(kNauticalMile)->text() == QStringLiteral("1") && number == kInch)
        return QStringLiteral("72960");
    return std::nullopt;
}

// A millimetre value whose trip through the tree failed somewhere starts afresh at 100 cm.
bool TForm3::spreadFailed(int number, bool reading, std::exception_ptr) {
    if (number != kMillimetre || reading) return false;
    runGuard(brokenTreeGuard());
    return true;
}

} // namespace zerval
