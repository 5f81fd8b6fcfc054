#include "converters/lengths/inchfraction.h"

#include "converters/lengths/fractions.h"
#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "kit/showinvalidnumber.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tform1.h"

#include <QStatusTipEvent>

#include <cmath>

namespace zerval {

namespace {

const QString kZero = QStringLiteral("0");
const QString kOne = QStringLiteral("1");

// The numerator and denominator take digits only; a separator or a sign has no place there.
void digitsOnly(char16_t& key) {
    if (!(key == 8 || (key >= u'0' && key <= u'9'))) key = 0;
}

bool tooLarge(long double millimetres, long double limit) {
    return !std::isfinite(millimetres) || std::fabs(millimetres) > limit;
}

} // namespace

TForm1::TForm1(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    setMinimumSize(size());
    ui->StatusBar1->addPermanentWidget(ui->StatusBar1Panel1);

    ui->Edit1->onKeyPress = [this](EditBox& box, char16_t& key) { Edit1KeyPress(box, key); };
    ui->Edit4->onKeyPress = [this](EditBox& box, char16_t& key) { Edit1KeyPress(box, key); };
    ui->Edit2->onKeyPress = [this](EditBox& box, char16_t& key) { Edit2KeyPress(box, key); };
    ui->Edit3->onKeyPress = [this](EditBox& box, char16_t& key) { Edit2KeyPress(box, key); };

    bindGuarded(ui->RadioButton1, this, &TForm1::RadioButton1Click);
    bindGuarded(ui->RadioButton2, this, &TForm1::RadioButton2Click);
    for (QAbstractButton* button :
         {ui->RadioButton3, ui->RadioButton4, ui->RadioButton5, ui->RadioButton6, ui->RadioButton7})
        bindGuarded(button, this, &TForm1::RadioButton3Click);
    bindGuarded(ui->BitBtn1, this, &TForm1::BitBtn1Click);
    bindGuarded(ui->BitBtn2, this, &TForm1::BitBtn2Click);
    bindGuarded(ui->SpeedButton1, this, &TForm1::SpeedButton1Click);
    bindGuarded(ui->SpeedButton2, this, &TForm1::SpeedButton2Click);
    connect(ui->BitBtn3, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

TForm1::~TForm1() = default;

// Panel 0 of the status bar shows the hint of the control under the pointer.
bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ui->StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void TForm1::FormCreate() {
    precision_ = 64;
}

void TForm1::Edit1KeyPress(EditBox& box, char16_t& key) {
    key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()},
                           platform().decimalSeparator());
}

void TForm1::Edit2KeyPress(EditBox&, char16_t& key) {
    digitsOnly(key);
}

void TForm1::enableFraction(bool enabled) {
    for (EditBox* field : {ui->Edit2, ui->Edit3}) {
        field->setEnabled(enabled);
        QPalette colours = field->palette();
        colours.setColor(QPalette::Base,
                         palette().color(enabled ? QPalette::Base : QPalette::Button));
        field->setPalette(colours);
    }
    ui->SpeedButton1->setEnabled(enabled);
    ui->SpeedButton2->setEnabled(enabled);
}

void TForm1::RadioButton1Click() {
    ui->Edit2->setText(kZero);
    ui->Edit3->setText(kOne);
    enableFraction(false);
    ui->StatusBar1Panel1->setText(QStringLiteral("Precisión actual: decimal."));
}

void TForm1::RadioButton2Click() {
    precision_ = 2;
    enableFraction(true);
    ui->StatusBar1Panel1->setText(QStringLiteral("Precisión actual: 1/2 "));
}

void TForm1::RadioButton3Click() {
    if (ui->RadioButton4->isChecked())
        precision_ = 8;
    else if (ui->RadioButton5->isChecked())
        precision_ = 16;
    else if (ui->RadioButton6->isChecked())
        precision_ = 32;
    else if (ui->RadioButton7->isChecked())
        precision_ = 64;
    else
        precision_ = 4;
    enableFraction(true);
    ui->StatusBar1Panel1->setText(QStringLiteral("Precisión actual: 1/") +
                                  QString::number(precision_));
}

std::optional<long double> TForm1::wholeInchValue() {
    const std::optional<long double> value =
        readNumber(ui->Edit1->text(), platform().decimalSeparator());
    if (!value) {
        ui->Edit1->setFocus();
        ShowInvalidNumber(*ui->Edit1);
    }
    return value;
}

void TForm1::tooFarFromInches() {
    platform().messageBox(this, QStringLiteral("zerval"), MessageIcon::Warning,
                          QStringLiteral("¿Hasta dónde quieres llegar hoy?"));
    ui->Edit1->setText(kOne);
}

void TForm1::writeMillimetres(long double millimetres) {
    ui->Edit4->setText(RoundedText(double(millimetres), 4, platform().decimalSeparator()));
}

void TForm1::BitBtn1Click() {
    if (ui->Edit1->text().isEmpty()) ui->Edit1->setText(kZero);
    const std::optional<long double> decimal = wholeInchValue();
    if (!decimal) return;

    if (ui->RadioButton1->isChecked() || ui->Edit2->text() == kZero) {
        const long double millimetres = *decimal * 25.4L;
        if (tooLarge(millimetres, kMaxMillimetresFromInches)) {
            tooFarFromInches();
            return;
        }
        writeMillimetres(millimetres);
        return;
    }

    const std::int64_t whole = ReadWhole64(ui->Edit1->text()).value_or(0);
    if (whole == 0 && *decimal != 0.0L) {
        // A whole-inch field that is not a whole number has no room for a fraction.
        const long double millimetres = *decimal * 25.4L;
        if (tooLarge(millimetres, kMaxMillimetresFromInches)) {
            tooFarFromInches();
            return;
        }
        const long double tenThousandths = std::floor(*decimal * 254000.0L + 0.5L);
        ui->Edit4->setText(
            GeneralText(double(tenThousandths * 0.0001L), platform().decimalSeparator()));
        return;
    }

    const int numerator = ReadWhole32(ui->Edit2->text()).value_or(0);
    if (numerator <= 0) ui->Edit2->setText(kZero);
    const int denominator = ReadWhole32(ui->Edit3->text()).value_or(1);
    if (denominator <= 0) {
        ui->Edit3->setText(kOne);
        return;
    }
    if (denominator == 1) ui->Edit3->setText(kOne);
    const long double millimetres = MillimetresFromInches(whole, numerator, denominator);
    if (tooLarge(millimetres, kMaxMillimetresFromInches)) {
        tooFarFromInches();
        return;
    }
    writeMillimetres(millimetres);
}

void TForm1::BitBtn2Click() {
    if (ui->Edit4->text().isEmpty()) {
        ui->Edit1->setText(kZero);
        ui->Edit2->setText(kZero);
        ui->Edit3->setText(kOne);
        ui->Edit4->setText(kZero);
        return;
    }
    const QChar separator = platform().decimalSeparator();
    const std::optional<long double> typed = readNumber(ui->Edit4->text(), separator);
    if (!typed) {
        platform().plainMessage(QStringLiteral("\"") + ui->Edit4->text() +
                                QStringLiteral("\" no es un núnero válido."));
        BitBtn1Click();
        ui->Edit4->setFocus();
        return;
    }
    double millimetres = 25.4;
    if (tooLarge(*typed, kMaxMillimetresToInches))
        platform().messageBox(this, QStringLiteral("zerval"), MessageIcon::Warning,
                              QStringLiteral("¿Hasta dónde quieres llegar hoy?  \n\n"));
    else
        millimetres = double(*typed);

    if (ui->RadioButton1->isChecked()) {
        ui->Edit1->setText(RoundedText(double(InchesFromMillimetres(millimetres)), 5, separator));
        return;
    }
    const InchFraction snapped = SnapMillimetres(millimetres, precision_);
    ui->Edit1->setText(QString::number(snapped.inches));
    ui->Edit2->setText(QString::number(snapped.numerator));
    ui->Edit3->setText(QString::number(snapped.denominator));
    writeMillimetres(MillimetresFromInches(snapped.inches, snapped.numerator, snapped.denominator));
}

void TForm1::step(int direction) {
    // A whole-inch field left with decimals by the decimal mode steps from that length.
    std::optional<long double> whole;
    if (const std::optional<std::int64_t> count = ReadWhole64(ui->Edit1->text()))
        whole = *count;
    else if (ui->Edit1->text().isEmpty())
        whole = 0.0L;
    else
        whole = wholeInchValue();
    if (!whole) return;
    if (*whole == 0.0L) ui->Edit1->setText(kZero);

    const int numerator = ReadWhole32(ui->Edit2->text()).value_or(0);
    if (numerator == 0) ui->Edit2->setText(kZero);
    const int denominator = ReadWhole32(ui->Edit3->text()).value_or(1);
    if (denominator <= 0) {
        ui->Edit3->setText(kOne);
        return;
    }
    if (denominator == 1) ui->Edit3->setText(kOne);

    long double millimetres = MillimetresFromInches(*whole, numerator, denominator);
    millimetres += direction * 25.4L / precision_;
    if (millimetres < 0.0L) millimetres = 0.0L;
    if (tooLarge(millimetres, kMaxMillimetresFromInches)) {
        tooFarFromInches();
        return;
    }
    writeMillimetres(millimetres);
    BitBtn2Click();
    ui->BitBtn2->setFocus();
}

void TForm1::SpeedButton1Click() {
    step(-1);
}

void TForm1::SpeedButton2Click() {
    step(+1);
}

} // namespace zerval
