#include "converters/physical/length.h"

#include "platform/editbox.h"

#include "ui_tform3.h"

namespace zerval {

namespace {

constexpr long double kFathomPerCentimetre = 0.0054680664916885394L; // 1/182.88
constexpr long double kSixth = 0.166666666666666667L;

// Every field but the centimetre hub, with its parent: the parent writes the child by the
// first conversion, the child writes its parent by the second.
LinkedFieldLayout lengthLayout() {
    LinkedFieldLayout layout;
    layout.hub = 3;
    layout.activation = KeyActivation::AllKeys;
    layout.fields = {
        {2, 3, times({0.01L}), resultForm, times({100}), resultForm},
        {1, 3, times({0.00001L}), sevenDecimalForm, times({100000}), resultForm},
        {7, 3, times({kFathomPerCentimetre}), resultForm, times({182.88L}), resultForm},
        {11, 3, times({10}), resultForm, times({0.1L}), resultForm},
        {12, 2, times({0.01L}), resultForm, times({100}), resultForm},
        {13, 2, times({0.1L}), resultForm, times({10}), resultForm},
        {14, 2, times({10}), resultForm, times({0.1L}), resultForm},
        {15, 1, times({0.1L}), sevenDecimalForm, times({10}), resultForm},
        // Astronomical units are tiny beside a myriametre: written unrounded.
        {16, 15, times({6.684581e-8L}), generalForm, times({14959800.771357247194L}), resultForm},
        {17, 15, times({1.057021e-12L}), generalForm, times({946054997961.25143856L}), resultForm},
        {19, 15, times({3.240735e-13L}), generalForm, times({3085719751846.4175336L}), resultForm},
        // The chain of this window is 11 fathoms.
        {8, 7, times({0.0909090909090909091L}), resultForm, times({11}), resultForm},
        {9, 7, times({0.00113636363636363636L}), sevenDecimalForm, times({880}), sevenDecimalForm},
        // The nautical mile of 6080 ft.
        {10, 7, times({6, 0.000164473684210526316L}), sevenDecimalForm, times({6080, kSixth}),
         sevenDecimalForm},
        {6, 7, times({2}), resultForm, times({0.5L}), resultForm},
        {5, 7, times({6}), resultForm, times({kSixth}), resultForm},
        {4, 7, times({72}), resultForm, times({0.0138888888888888889L}), resultForm},
        {18, 4, times({1000}), resultForm, times({0.001L}), sevenDecimalForm},
    };
    return layout;
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

} // namespace

TForm3::TForm3(QWidget* owner)
    : LinkedFieldWindow(owner, lengthLayout())
    , ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
}

TForm3::~TForm3() = default;

void TForm3::fieldChanged(int number) {
    using Handler = void (TForm3::*)(int);
    struct Binding {
        int field;
        Handler handler;
    };
    // Fields that share a handler; the others have their own.
    static const Binding shared[] = {
        {6, &TForm3::writeFathomWhenActive},  {9, &TForm3::writeFathomWhenActive},
        {10, &TForm3::writeFathomWhenActive}, {12, &TForm3::handOverLockingFirst},
        {13, &TForm3::handOverLockingFirst},  {15, &TForm3::handOverLockingFirst},
        {14, &TForm3::handOverWhenActive},    {16, &TForm3::handOverWhenActive},
        {17, &TForm3::handOverWhenActive},    {19, &TForm3::handOverWhenActive},
    };
    for (const Binding& binding : shared)
        if (binding.field == number) return (this->*binding.handler)(number);
    switch (number) {
    case 1:
        return Edit1Change();
    case 2:
        return Edit2Change();
    case 3:
        return Edit3Change();
    case 4:
        return Edit4Change();
    case 5:
        return Edit5Change();
    case 7:
        return Edit7Change();
    case 8:
        return Edit8Change();
    case 11:
        return Edit11Change();
    case 18:
        return Edit18Change();
    default:
        return;
    }
}

bool TForm3::read(int number, bool always) {
    const std::optional<Ext> read = quietValue(number, always);
    if (!read) return false;
    value(number) = read->toDouble();
    return true;
}

// The metric hub.
void TForm3::Edit3Change() {
    if (locked(3)) return;
    setLocked(3, true);
    if (!read(3, false)) return;
    if (activeField() != 2) writeChild(tree(2));
    if (activeField() != 1) writeChild(tree(1));
    if (!locked(7)) writeChild(tree(7));
    if (!locked(11)) writeChild(tree(11));
}

// The imperial hub. It locks itself only once its own children are written, so that the
// metric hub it then writes does not write it back.
void TForm3::Edit7Change() {
    if (locked(7)) return;
    if (!read(7, false)) return;
    for (int child : {8, 9, 10, 6, 5, 4})
        if (child != activeField()) writeFromFathom(child);
    setLocked(7, true);
    if (!locked(3)) writeParent(tree(7));
}

// A nautical mile of exactly 6080 ft and 72960 in, whatever the fathom's rounding says. The
// field's own handler reads these texts; no value is stored for them here.
void TForm3::writeFromFathom(int number) {
    QString special;
    if (number == 10 && field(7)->text() == QStringLiteral("1013,33333"))
        special = QStringLiteral("1");
    else if (field(10)->text() == QStringLiteral("1") && number == 5)
        special = QStringLiteral("6080");
    else if (field(10)->text() == QStringLiteral("1") && number == 4)
        special = QStringLiteral("72960");
    if (special.isEmpty())
        writeChild(tree(number));
    else
        field(number)->setText(special);
}

// The kilometre carries the astronomical units, from the myriametre value.
void TForm3::Edit1Change() {
    if (!read(1, true)) return;
    if (activeField() == 1) writeParent(tree(1));
    if (activeField() != 15 && !locked(15)) writeChild(tree(15));
    for (int child : {16, 17, 19})
        if (!locked(child)) writeChild(tree(child));
}

void TForm3::Edit2Change() {
    if (!read(2, true)) return;
    if (activeField() == 2) writeParent(tree(2));
    for (int child : {12, 13, 14})
        if (child != activeField() && !locked(child)) writeChild(tree(child));
}

// The inch carries the mil, computed from the inch text as written.
void TForm3::Edit4Change() {
    if (!read(4, true)) return;
    if (activeField() == 4) writeParent(tree(4));
    if (!locked(18)) writeChild(tree(18));
}

void TForm3::Edit5Change() {
    if (!read(5, true)) return;
    if (activeField() == 7 || !field(5)->hasInputFocus()) return;
    writeParent(tree(5));
}

void TForm3::Edit8Change() {
    if (activeField() != 8) return;
    if (!read(8, true)) return;
    if (field(7)->hasInputFocus() || !field(8)->hasInputFocus()) return;
    writeParent(tree(8));
}

void TForm3::writeFathomWhenActive(int number) {
    if (activeField() != number) return;
    if (!read(number, true)) return;
    writeParent(tree(number));
}

void TForm3::handOverLockingFirst(int number) {
    if (locked(number)) return;
    setLocked(number, true);
    if (activeField() != number) return;
    if (!read(number, true)) return;
    handOver(tree(number));
}

void TForm3::handOverWhenActive(int number) {
    if (activeField() != number || locked(number)) return;
    setLocked(number, true);
    if (!read(number, true)) return;
    handOver(tree(number));
}

void TForm3::Edit11Change() {
    if (locked(11)) return;
    setLocked(11, true);
    // Judged before narrowing, so that a text beyond the range of a double meets the guard too.
    const std::optional<Ext> millimetres = quietValue(11, false);
    if (!millimetres) return;
    if (*millimetres > Ext(bigNumberGuard().limit)) {
        // The guard has emptied the window and typed one metre in: nothing is left to write.
        runGuard(bigNumberGuard());
        return;
    }
    value(11) = millimetres->toDouble();
    if (locked(3)) return;
    try {
        writeParent(tree(11));
    } catch (...) {
        runGuard(brokenTreeGuard());
    }
}

void TForm3::Edit18Change() {
    if (activeField() != 18 || locked(18)) return;
    setLocked(18, true);
    const std::optional<Ext> mils = quietValue(18, true);
    if (!mils) return;
    if (*mils > Ext(bigNumberGuard().limit)) {
        runGuard(bigNumberGuard());
        return;
    }
    value(18) = mils->toDouble();
    handOver(tree(18));
}

} // namespace zerval
