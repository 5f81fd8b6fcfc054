#include "converters/lengths/feetinches.h"

#include "converters/lengths/fractions.h"
#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "kit/showinvalidnumber.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformpie.h"

#include <QStatusTipEvent>

#include <cmath>

namespace zerval {

namespace {

const QString kZero = QStringLiteral("0");
const QString kOne = QStringLiteral("1");

// The largest metric value the window writes; beyond it rounding would leave the doubles.
constexpr long double kLargestLength = 1e300L;

void digitsOnly(char16_t& key) {
    if (!(key == 8 || (key >= u'0' && key <= u'9'))) key = 0;
}

long double centimetresPer(int unit) {
    switch (unit) {
    case 1:
        return 100.0L;
    case 3:
        return 0.1L;
    default:
        return 1.0L;
    }
}

// From centimetres into the chosen unit: x 0.01 for metres, x 10 for millimetres.
long double inUnit(long double centimetres, int unit) {
    switch (unit) {
    case 1:
        return centimetres * 0.01L;
    case 3:
        return centimetres * 10.0L;
    default:
        return centimetres;
    }
}

bool fits(long double value) {
    return std::isfinite(value) && std::fabs(value) <= kLargestLength;
}

} // namespace

TFormPie::TFormPie(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormPie>()) {
    ui->setupUi(this);
    setFixedSize(size());

    ui->Edit1->onKeyPress = [this](EditBox& box, char16_t& key) { Edit1KeyPress(box, key); };
    ui->Edit2->onKeyPress = [this](EditBox& box, char16_t& key) { Edit1KeyPress(box, key); };
    for (EditBox* field : {ui->Edit3, ui->Edit4, ui->Edit5})
        field->onKeyPress = [this](EditBox& box, char16_t& key) { Edit3KeyPress(box, key); };

    bindGuarded(ui->RadioButton1, this, &TFormPie::RadioButton1Click);
    bindGuarded(ui->RadioButton2, this, &TFormPie::RadioButton2Click);
    bindGuarded(ui->RadioButton3, this, &TFormPie::RadioButton3Click);
    bindGuarded(ui->RadioButton4, this, &TFormPie::RadioButton4Click);
    for (QAbstractButton* button :
         {ui->RadioButton5, ui->RadioButton6, ui->RadioButton7, ui->RadioButton8})
        bindGuarded(button, this, &TFormPie::RadioButton5Click);
    bindGuarded(ui->RadioButton9, this, &TFormPie::RadioButton9Click);
    bindGuarded(ui->RadioButton10, this, &TFormPie::RadioButton10Click);
    bindGuarded(ui->RadioButton11, this, &TFormPie::RadioButton11Click);
    bindGuarded(ui->BitBtn1, this, &TFormPie::BitBtn1Click);
    bindGuarded(ui->BitBtn2, this, &TFormPie::BitBtn2Click);
    bindGuarded(ui->SpeedButton1, this, &TFormPie::SpeedButton1Click);
    bindGuarded(ui->SpeedButton2, this, &TFormPie::SpeedButton2Click);
    connect(ui->BitBtn3, &QPushButton::clicked, this, &QDialog::accept);
}

TFormPie::~TFormPie() = default;

// The status bar shows the hint of the control under the pointer.
bool TFormPie::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ui->StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void TFormPie::Edit1KeyPress(EditBox& box, char16_t& key) {
    key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()},
                           platform().decimalSeparator());
}

void TFormPie::Edit3KeyPress(EditBox&, char16_t& key) {
    digitsOnly(key);
}

void TFormPie::enableFields(bool inches, bool fraction) {
    auto enable = [this](EditBox* field, bool enabled) {
        field->setEnabled(enabled);
        QPalette colours = field->palette();
        colours.setColor(QPalette::Base,
                         palette().color(enabled ? QPalette::Base : QPalette::Button));
        field->setPalette(colours);
    };
    enable(ui->Edit3, inches);
    enable(ui->Edit4, fraction);
    enable(ui->Edit5, fraction);
    ui->SpeedButton1->setEnabled(inches);
    ui->SpeedButton2->setEnabled(inches);
}

void TFormPie::RadioButton1Click() {
    precision_ = 0;
    ui->Edit3->setText(kZero);
    ui->Edit4->setText(kZero);
    ui->Edit5->setText(kOne);
    enableFields(false, false);
}

void TFormPie::RadioButton2Click() {
    precision_ = 1;
    ui->Edit4->setText(kZero);
    ui->Edit5->setText(kOne);
    enableFields(true, false);
}

void TFormPie::RadioButton3Click() {
    precision_ = 2;
    enableFields(true, true);
}

void TFormPie::RadioButton4Click() {
    precision_ = 4;
    enableFields(true, true);
}

void TFormPie::RadioButton5Click() {
    if (ui->RadioButton6->isChecked())
        precision_ = 16;
    else if (ui->RadioButton7->isChecked())
        precision_ = 32;
    else if (ui->RadioButton8->isChecked())
        precision_ = 64;
    else
        precision_ = 8;
    enableFields(true, true);
}

void TFormPie::showUnit(Unit unit) {
    switch (unit) {
    case Metre:
        ui->RadioButton9->setChecked(true);
        ui->Label2->setText(QStringLiteral("metros"));
        ui->BitBtn1->setText(QStringLiteral("' a m "));
        ui->BitBtn1->setToolTip(QStringLiteral("Convertir a metro"));
        ui->BitBtn2->setText(QStringLiteral(" m a '"));
        break;
    case Centimetre:
        ui->RadioButton10->setChecked(true);
        ui->Label2->setText(QStringLiteral("centímetros"));
        ui->BitBtn1->setText(QStringLiteral("' a cm"));
        ui->BitBtn1->setToolTip(QStringLiteral("Convertir a centímetro"));
        ui->BitBtn2->setText(QStringLiteral("cm a '"));
        break;
    case Millimetre:
        ui->RadioButton11->setChecked(true);
        ui->Label2->setText(QStringLiteral("milímetros"));
        ui->BitBtn1->setText(QStringLiteral("' a mm"));
        ui->BitBtn1->setToolTip(QStringLiteral("Convertir a milímetro"));
        ui->BitBtn2->setText(QStringLiteral("mm a '"));
        break;
    }
    ui->BitBtn1->setStatusTip(ui->BitBtn1->toolTip());
}

// The metric value is rescaled into the new unit. A value that cannot be read or rescaled
// keeps the unit it is written in, so that the field never shows a number in the wrong unit.
void TFormPie::changeUnit(Unit unit) {
    const Unit previous = unit_;
    showUnit(unit);
    if (ui->Edit1->text().isEmpty()) ui->Edit1->setText(kZero);
    if (unit == previous) return;
    const QChar separator = platform().decimalSeparator();
    const std::optional<long double> value = readNumber(ui->Edit1->text(), separator);
    if (!value) {
        showUnit(previous);
        platform().messageBox(this, QStringLiteral("pie"), MessageIcon::Warning,
                              QStringLiteral("\"") + ui->Edit1->text() +
                                  QStringLiteral("\" no es un número válido."));
        ui->Edit1->setFocus();
        return;
    }
    const long double rescaled = *value * centimetresPer(previous) / centimetresPer(unit);
    if (!fits(rescaled)) {
        showUnit(previous);
        tooMuch(rescaled);
        return;
    }
    unit_ = unit;
    ui->Edit1->setText(GeneralText(rescaled, separator));
}

void TFormPie::RadioButton9Click() {
    changeUnit(Metre);
}

void TFormPie::RadioButton10Click() {
    changeUnit(Centimetre);
}

void TFormPie::RadioButton11Click() {
    changeUnit(Millimetre);
}

std::optional<long double> TFormPie::decimalField(EditBox* field) {
    const std::optional<long double> value =
        readNumber(field->text(), platform().decimalSeparator());
    if (!value) {
        field->setFocus();
        ShowInvalidNumber(*field);
    }
    return value;
}

void TFormPie::tooMuch(long double value) {
    platform().plainMessage(GeneralText(value, platform().decimalSeparator()) +
                            QStringLiteral(" es demasiado para mi..."));
}

void TFormPie::writeMetric(long double centimetres) {
    const long double value = inUnit(centimetres, unit_);
    ui->Edit1->setText(RoundedText(double(value), 4, platform().decimalSeparator()));
}

void TFormPie::BitBtn1Click() {
    if (ui->Edit2->text().isEmpty()) ui->Edit2->setText(kZero);
    const std::optional<long double> feet = decimalField(ui->Edit2);
    if (!feet) return;
    if (ui->Edit3->text().isEmpty()) ui->Edit3->setText(kZero);
    const std::optional<long double> inches = decimalField(ui->Edit3);
    if (!inches) return;
    if (ui->Edit4->text().isEmpty()) ui->Edit4->setText(kZero);
    const int numerator = ReadWhole32(ui->Edit4->text()).value_or(0);
    if (ui->Edit5->text().isEmpty()) ui->Edit5->setText(kOne);
    int denominator = ReadWhole32(ui->Edit5->text()).value_or(1);
    if (denominator <= 0) {
        denominator = 1;
        ui->Edit5->setText(kOne);
    }
    const long double centimetres = CentimetresFromFeet(*feet, *inches, numerator, denominator);
    if (!fits(inUnit(centimetres, unit_))) {
        tooMuch(inUnit(centimetres, unit_));
        return;
    }
    writeMetric(centimetres);
}

void TFormPie::BitBtn2Click() {
    if (ui->Edit1->text().isEmpty()) ui->Edit1->setText(kZero);
    const QChar separator = platform().decimalSeparator();
    const std::optional<long double> typed = readNumber(ui->Edit1->text(), separator);
    if (!typed) {
        platform().messageBox(this, QStringLiteral("pie"), MessageIcon::Warning,
                              QStringLiteral("\"") + ui->Edit1->text() +
                                  QStringLiteral("\" no es un número válido."));
        ui->Edit1->setFocus();
        return;
    }
    long double centimetres = *typed * centimetresPer(unit_);

    if (precision_ == 0) {
        const long double feet = FeetFromCentimetres(centimetres);
        if (!fits(feet)) {
            tooMuch(centimetres);
            return;
        }
        ui->Edit2->setText(RoundedText(double(feet), 5, separator));
        return;
    }

    if (precision_ == 1) {
        const std::optional<FeetInches> split = SplitWholeInches(centimetres);
        if (!split) {
            tooMuch(centimetres);
            return;
        }
        ui->Edit2->setText(GeneralText(split->feet, separator));
        ui->Edit3->setText(GeneralText(split->inches, separator));
        centimetres = CentimetresFromFeet(split->feet, split->inches, 0, 1);
    } else {
        const std::optional<FeetInches> split = SplitInchFraction(centimetres, precision_);
        if (!split) {
            platform().plainMessage(
                GeneralText(NudgedFeet(centimetres), separator) +
                QStringLiteral(" son demasiados pies para convertiren pies, pulgadas y "
                               "fracción.\nPuede convertirlos a número decimal"));
            return;
        }
        ui->Edit2->setText(GeneralText(split->feet, separator));
        ui->Edit3->setText(GeneralText(split->inches, separator));
        ui->Edit4->setText(QString::number(split->numerator));
        ui->Edit5->setText(QString::number(split->denominator));
        // The snapped length as the fields now read.
        const long double feet = readNumber(ui->Edit2->text(), separator).value_or(split->feet);
        const long double inches = readNumber(ui->Edit3->text(), separator).value_or(split->inches);
        centimetres = CentimetresFromFeet(feet, inches, split->numerator, split->denominator);
    }
    writeMetric(centimetres);
}

void TFormPie::step(int direction) {
    if (ui->Edit2->text().isEmpty()) ui->Edit2->setText(kZero);
    const std::optional<long double> feet = decimalField(ui->Edit2);
    if (!feet) return;
    if (*feet == 0.0L) ui->Edit2->setText(kZero);
    const std::int64_t inches = ReadWhole64(ui->Edit3->text()).value_or(0);
    if (inches == 0) ui->Edit3->setText(kZero);
    const int numerator = ReadWhole32(ui->Edit4->text()).value_or(0);
    if (numerator == 0) ui->Edit4->setText(kZero);
    const int denominator = ReadWhole32(ui->Edit5->text()).value_or(1);
    if (denominator <= 0) {
        ui->Edit5->setText(kOne);
        return;
    }
    if (denominator == 1) ui->Edit5->setText(kOne);

    // The hundred-thousandth of a centimetre keeps a length that is a whole number of steps
    // from falling a hair short of it.
    long double centimetres = CentimetresFromFeet(*feet, inches, numerator, denominator) +
                              0.00001L + direction * 2.54L / precision_;
    if (centimetres < 0.0L) centimetres = 0.0L;
    const long double value = inUnit(centimetres, unit_);
    if (!fits(value)) {
        tooMuch(value);
        return;
    }
    ui->Edit1->setText(GeneralText(value, platform().decimalSeparator()));
    BitBtn2Click();
    ui->BitBtn2->setFocus();
}

void TFormPie::SpeedButton1Click() {
    step(-1);
}

void TFormPie::SpeedButton2Click() {
    step(+1);
}

} // namespace zerval
