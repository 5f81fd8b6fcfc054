#include "converters/physical/surface.h"

#include "platform/editbox.h"

#include "ui_tformsup.h"

namespace zerval {

namespace {

constexpr int kSquareKilometre = 1;
constexpr int kHectare = 2;
constexpr int kSquareMetre = 3;
constexpr int kSquareCentimetre = 4;
constexpr int kSquareInch = 5;
constexpr int kAcre = 8;
constexpr int kSquareMile = 9;
constexpr int kCentiare = 10;

// A row computed from `source` by `fromSource` that writes `parent` by `toParent`, all in
// seven decimals.
FieldRow row(int number, int source, long double fromSource, int parent, long double toParent,
             RowKind kind = RowKind::Leaf) {
    return {number,
            source,
            times({fromSource}),
            sevenDecimalScaleForm,
            parent,
            times({toParent}),
            sevenDecimalScaleForm,
            kind};
}

// The chain of hubs (km², ha, m², cm², sq.in) writes each neighbour and its own leaves; a
// leaf writes its hub only while the user types in it.
FieldRow hub(int number, int previous, long double fromPrevious, long double toPrevious) {
    return row(number, previous, fromPrevious, previous, toPrevious, RowKind::GroupHub);
}

FieldRow leaf(int number, int source, long double fromSource, int hub, long double toHub) {
    FieldRow entry = row(number, source, fromSource, hub, toHub);
    entry.typedOnly = true;
    return entry;
}

// A leaf that writes its hub even while the hub's lock is set.
FieldRow unlockedLeaf(int number, int hub, long double fromHub, long double toHub) {
    FieldRow entry = leaf(number, hub, fromHub, hub, toHub);
    entry.parentWrite = ParentWrite::UnlessParentActive;
    return entry;
}

LinkedFieldLayout surfaceLayout() {
    // Square feet and yards are written by the square inches' spread, from the square
    // centimetres, whether just written or kept.
    FieldRow squareFoot = leaf(6, kSquareCentimetre, 0.0010763910416709722471L, kSquareInch, 144);
    squareFoot.owner = kSquareInch;
    FieldRow squareYard = leaf(7, kSquareCentimetre, 0.00011959900463010801932L, kSquareInch, 1296);
    squareYard.owner = kSquareInch;
    // The square mile writes its hub, then the acres (spreadDone).
    FieldRow squareMile = leaf(kSquareMile, kSquareKilometre, 0.38610215854244586976L,
                               kSquareKilometre, 2.589988110336L);
    squareMile.kind = RowKind::Relay;
    // The centiare is the square metre under its agrarian name: it takes the text as it is.
    FieldRow centiare = leaf(kCentiare, kSquareMetre, 1, kSquareMetre, 1);
    centiare.copiesText = true;

    FieldRow squareCentimetre = hub(kSquareCentimetre, kSquareMetre, 10000, 0.0001L);
    squareCentimetre.overflowIsLimit = true;

    LinkedFieldLayout layout;
    layout.hub = kSquareKilometre;
    layout.activation = KeyActivation::DeleteOnly;
    layout.closesOnEscape = true;
    layout.hubReading = ReadMode::Raising;
    layout.reading = ReadMode::Raising;
    layout.rows = {
        hub(kHectare, kSquareKilometre, 100, 0.01L),
        hub(kSquareMetre, kHectare, 10000, 0.0001L),
        squareCentimetre,
        hub(kSquareInch, kSquareCentimetre, 0.15500031000062000121L, 6.4516L),
        squareFoot,
        squareYard,
        leaf(kAcre, kHectare, 2.4710538146716535665L, kHectare, 0.40468564224L),
        squareMile,
        centiare,
        unlockedLeaf(11, kSquareMetre, 0.001L, 1000),
        leaf(12, kHectare, 100, kHectare, 0.01L),
        // The marjal of 528 m².
        unlockedLeaf(13, kSquareMetre, 0.0018939393939393939394L, 528),
    };
    return layout;
}

// The square metres overflowing into the square centimetres: one hundred square metres are
// typed in afresh.
OverflowGuard squareCentimetreGuard() {
    return {0.0,
            QStringLiteral("Esto así no funciona... "),
            QString(),
            MessageIcon::None,
            kSquareMetre,
            0.0,
            QStringLiteral("100")};
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

// The square mile, once it has written its hub, writes the acres.
void TFormSup::spreadDone(int number) {
    if (number != kSquareMile || activeField() == kAcre) return;
    writeField(kAcre, times({640})(Ext(value(kSquareMile))).toDouble(), sevenDecimalScaleForm);
}

// Too many square centimetres somewhere down the chain: the window starts again from the keys
// typed in by the guard.
void TFormSup::overLimit(int) {
    runGuard(squareCentimetreGuard());
}

bool TFormSup::spreadFailed(int number, bool, std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const UnreadableNumber&) {
        // The box quotes the text that failed, which a paste may have put into a field other
        // than the one last typed in.
        EditBox* box = field(number);
        platform().messageBox(this, QStringLiteral("Error"), MessageIcon::Information,
                              box->text() + QStringLiteral("\nno es un número válido."));
        ClearAllFields();
        box->setFocus();
        box->selectAll();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace zerval
