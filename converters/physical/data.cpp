#include "converters/physical/data.h"

#include "converters/physical/toolarge.h"
#include "platform/editbox.h"

#include "ui_tformdatos.h"

#include <cmath>

namespace zerval {

namespace {

constexpr int kBit = 9;
// Bits beyond this are reset to one bit; a value typed into another field beyond the field
// limit is refused, since its bits could not be computed.
constexpr long double kBitLimit = 1e300L;
constexpr long double kFieldLimit = 1.5e287L;

// A unit of `bits` bits, written from the hub by `perBit` bits: binary fractions are exact,
// decimal ones extended constants. Typed into, it writes the hub, unless a cascade has run
// since the last key (a paste then changes only its own field); the texts the cascade writes
// are not read back.
FieldRow unit(int number, long double bits, long double perBit) {
    FieldRow row{number, kBit, times({perBit}), generalForm, kBit, times({bits}), generalForm};
    row.typedOnly = true;
    row.parentWrite = ParentWrite::UnlessParentLocked;
    return row;
}

LinkedFieldLayout dataLayout() {
    LinkedFieldLayout layout;
    layout.hub = kBit;
    layout.activation = KeyActivation::DeleteOnly;
    layout.reading = ReadMode::Raising;
    // The cascade's order, which is also the tab order after the hub.
    layout.rows = {
        unit(10, 4, 0.25L),
        unit(11, 8, 0.125L),
        unit(12, 16, 0.0625L),
        unit(13, 32, 0.03125L),
        unit(14, 4096, std::ldexp(1.0L, -12)),
        unit(15, 1024, std::ldexp(1.0L, -10)),
        unit(16, 8192, std::ldexp(1.0L, -13)),
        unit(17, std::ldexp(1.0L, 20), std::ldexp(1.0L, -20)),
        unit(18, std::ldexp(1.0L, 23), std::ldexp(1.0L, -23)),
        unit(19, std::ldexp(1.0L, 30), std::ldexp(1.0L, -30)),
        unit(20, std::ldexp(1.0L, 33), std::ldexp(1.0L, -33)),
        unit(21, std::ldexp(1.0L, 40), std::ldexp(1.0L, -40)),
        unit(22, std::ldexp(1.0L, 43), std::ldexp(1.0L, -43)),
        unit(1, 1000, 0.001L),
        unit(2, 8000, 0.000125L),
        unit(3, 1000000, 1e-6L),
        unit(4, 8000000, 1.25e-7L),
        unit(5, 1e9L, 1e-9L),
        unit(6, 8e9L, 1.25e-10L),
        unit(7, 1e12L, 1e-12L),
        unit(8, 8e12L, 1.25e-13L),
    };
    return layout;
}

// Too many bits: the window shows one bit instead.
OverflowGuard bitGuard() {
    OverflowGuard guard{double(kBitLimit),
                        QStringLiteral("Son muchos bits...!"),
                        QStringLiteral("Epa!"),
                        MessageIcon::Warning,
                        kBit,
                        0.0,
                        QStringLiteral("1")};
    guard.pauseMilliseconds = 200;
    return guard;
}

} // namespace

TFormDatos::TFormDatos(QWidget* owner)
    : LinkedFieldWindow(owner, dataLayout())
    , ui(std::make_unique<Ui::TFormDatos>()) {
    ui->setupUi(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    bindFields();
    // The hub, which no cascade writes: a first paste, before any key, must reach every
    // other field, kilobits included.
    setActiveField(kBit);
}

TFormDatos::~TFormDatos() = default;

// Tested on the magnitude and before the value is stored: a count of bits beyond the double
// range, either sign, is too many bits as well, and the window goes on from zero bits. A
// value typed into another field is limited on the magnitude too, so that its bits never
// leave the range of a double.
bool TFormDatos::typedValue(int number, Ext& typed) {
    if (number == kBit) {
        if (tooManyBits(typed.raw())) typed = Ext(value(kBit));
        return true;
    }
    if (std::fabs(typed.raw()) <= kFieldLimit) return true;
    refuseTooLarge(*this, *field(number), typed.raw(), QStringLiteral("Graciasss."));
    return false;
}

// Bits written by another field are tested the same way, as the double they are stored in;
// typed bits were tested as typed.
bool TFormDatos::hubReady(int) {
    if (!field(kBit)->hasInputFocus()) tooManyBits(value(kBit));
    return true;
}

bool TFormDatos::tooManyBits(long double bits) {
    if (std::fabs(bits) <= kBitLimit) return false;
    runGuard(bitGuard());
    return true;
}

// A text that is no number is reported, quoting the field whose text failed (which a paste may
// have changed without a key pressed in it), and the window is left as it is.
bool TFormDatos::spreadFailed(int number, bool reading, std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const UnreadableNumber&) {
        if (!reading) return false;
    } catch (...) {
        return false;
    }
    EditBox* box = field(number);
    platform().messageBox(this, QStringLiteral("Oh oh!"), MessageIcon::Error,
                          QLatin1Char('"') + box->text() +
                              QStringLiteral("\" no es un número válido."));
    box->selectAll();
    return true;
}

} // namespace zerval
