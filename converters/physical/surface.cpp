#include "converters/physical/surface.h"

#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "platform/editbox.h"

#include "ui_tformsup.h"

#include <stdexcept>

namespace zerval {

namespace {

constexpr int kSquareMetre = 3;
constexpr int kSquareCentimetre = 4;
constexpr int kCentiare = 10;
constexpr int kHubCount = 5; // Edit1 to Edit5

bool isHub(int number) {
    return number >= 1 && number <= kHubCount;
}

// One value carried from the changed field into `target`, computed from the value of
// `source`: the changed field itself, or a field written just before.
struct Write {
    int target;
    int source;
    Conversion convert;
    bool stopsAtLock; // left alone while the target hub's lock is set
};

struct Route {
    int field;
    std::vector<Write> writes; // in the order they are made
};

const std::vector<Route>& routes() {
    static const std::vector<Route> all = {
        // The chain of hubs and the leaves each of them writes.
        {1, {{2, 1, times({100}), true}, {9, 1, times({0.38610215854244586976L}), false}}},
        {2,
         {{1, 2, times({0.01L}), true},
          {3, 2, times({10000}), true},
          {8, 2, times({2.4710538146716535665L}), false},
          {12, 2, times({100}), false}}},
        // The centiare is the square metre under its agrarian name: it takes the text as it is.
        {3,
         {{2, 3, times({0.0001L}), true},
          {4, 3, times({10000}), true},
          {kCentiare, 3, times({}), false},
          {11, 3, times({0.001L}), false},
          {13, 3, times({0.0018939393939393939394L}), false}}}, // the marjal of 528 m²
        {4, {{3, 4, times({0.0001L}), true}, {5, 4, times({0.15500031000062000121L}), true}}},
        // Square feet and yards from the square centimetres, whether just written or kept.
        {5,
         {{4, 5, times({6.4516L}), true},
          {6, 4, times({0.0010763910416709722471L}), false},
          {7, 4, times({0.00011959900463010801932L}), false}}},
        // The leaves, into their hubs.
        {6, {{5, 6, times({144}), true}}},
        {7, {{5, 7, times({1296}), true}}},
        {8, {{2, 8, times({0.40468564224L}), true}}},
        {9, {{1, 9, times({2.589988110336L}), true}, {8, 9, times({640}), false}}},
        {kCentiare, {{3, kCentiare, times({}), true}}},
        {11, {{3, 11, times({1000}), false}}},
        {12, {{2, 12, times({0.01L}), true}}},
        {13, {{3, 13, times({528}), false}}},
    };
    return all;
}

const Route* routeOf(int number) {
    for (const Route& route : routes())
        if (route.field == number) return &route;
    return nullptr;
}

const Write& writeOf(int number, int target) {
    for (const Write& write : routeOf(number)->writes)
        if (write.target == target) return write;
    throw std::logic_error("no such write");
}

// The square metres overflowing into the square centimetres: one hundred square metres are
// typed in afresh.
const OverflowGuard& squareCentimetreGuard() {
    static const OverflowGuard guard{0.0,
                                     QStringLiteral("Esto así no funciona... "),
                                     QString(),
                                     MessageIcon::None,
                                     kSquareMetre,
                                     0.0,
                                     QStringLiteral("100")};
    return guard;
}

LinkedFieldLayout surfaceLayout() {
    LinkedFieldLayout layout;
    layout.hub = 1;
    layout.activation = KeyActivation::DeleteOnly;
    layout.closesOnEscape = true;
    return layout;
}

} // namespace

TFormSup::TFormSup(QWidget* owner)
    : LinkedFieldWindow(owner, surfaceLayout())
    , ui(std::make_unique<Ui::TFormSup>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    // The square metres and the centiares copy each other's text as typed, which no width can
    // hold: the whole text is kept in the tooltip as well.
    for (EditBox* box : {ui->Edit3, ui->Edit10})
        connect(box, &QLineEdit::textChanged, box, &QWidget::setToolTip);
    bindFields();
}

TFormSup::~TFormSup() = default;

void TFormSup::fieldChanged(int number) {
    if (!routeOf(number)) return;
    if (isHub(number))
        hubChanged(number);
    else
        leafChanged(number);
}

void TFormSup::hubChanged(int hub) {
    if (locked(hub)) return;
    setLocked(hub, true);
    if (!read(hub)) return;
    carry(hub);
}

// A leaf written by a hub does nothing: only the user's own typing is carried to its hub.
void TFormSup::leafChanged(int leaf) {
    if (!field(leaf)->hasInputFocus()) return;
    if (!read(leaf)) return;
    carry(leaf);
}

void TFormSup::carry(int number) {
    for (const Write& write : routeOf(number)->writes) {
        if (write.target == activeField() || (write.stopsAtLock && locked(write.target))) continue;
        if (number != kSquareMetre || write.target != kSquareCentimetre) {
            carryTo(number, write.target);
            continue;
        }
        try {
            carryTo(number, write.target);
        } catch (const FloatError&) {
            // Too many square centimetres somewhere down the chain: the window starts again
            // from the keys typed in by the guard.
            runGuard(squareCentimetreGuard());
            return;
        }
    }
}

void TFormSup::carryTo(int number, int target) {
    const Write& write = writeOf(number, target);
    if (number == kCentiare || target == kCentiare) {
        value(target) = value(number);
        const QString before = field(target)->text();
        field(target)->setText(field(number)->text());
        if (isHub(target) && field(target)->text() == before) fieldChanged(target);
        return;
    }
    const double result = write.convert(Ext(value(write.source))).toDouble();
    if (isHub(target))
        writeFollowing(target, result, sevenDecimalScaleForm);
    else
        writeField(target, result, sevenDecimalScaleForm);
}

bool TFormSup::read(int number) {
    EditBox* box = field(number);
    switch (ClassifyEntry(box->text(), separator())) {
    case EntryClass::Empty:
        ClearAllFields();
        return false;
    case EntryClass::Incomplete:
        return false;
    case EntryClass::Convertible:
        break;
    }
    if (!box->hasInputFocus()) return true;
    const std::optional<long double> typed = readNumber(box->text(), separator());
    if (!typed) {
        // The box quotes the text that failed, which a paste may have put into a field other
        // than the one last typed in.
        platform().messageBox(this, QStringLiteral("Error"), MessageIcon::Information,
                              box->text() + QStringLiteral("\nno es un número válido."));
        ClearAllFields();
        box->setFocus();
        box->selectAll();
        return false;
    }
    value(number) = narrow(*typed);
    return true;
}

} // namespace zerval
