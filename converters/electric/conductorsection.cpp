#include "converters/electric/conductorsection.h"

#include "converters/electric/sectionwalk.h"
#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/showinvalidnumber.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformseecccables.h"

namespace zerval {

TFormSeeccCables::TFormSeeccCables(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormSeeccCables>()) {
    ui->setupUi(this);
    setFixedSize(size());
    ui->Label11->setText(QStringLiteral(
        "Cálculo simplificado del área mínima de un conductor eléctrico de cobre para líneas "
        "en instalaciones domiciliarias."));

    for (EditBox* field : {ui->Edit1, ui->Edit2, ui->Edit3})
        field->onKeyPress = [this](EditBox& box, char16_t& key) { Edit1KeyPress(box, key); };
    bindGuarded(ui->SpeedButton1, this, &TFormSeeccCables::SpeedButton1Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TFormSeeccCables::~TFormSeeccCables() = default;

void TFormSeeccCables::Edit1KeyPress(EditBox& box, char16_t& key) {
    key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()},
                           platform().decimalSeparator());
}

bool TFormSeeccCables::readField(EditBox* field, double& value) {
    const QString text = field->text();
    try {
        value = ParseEntry(text, parseError_, platform().decimalSeparator());
    } catch (const FloatOverflow&) {
        // Beyond the range of a double: not a number this calculation can take.
        platform().messageBox(nullptr, QStringLiteral("Error de conversión"),
                              MessageIcon::Information, notANumberMessage(text));
        parseError_ = true;
    }
    if (parseError_) {
        parseError_ = false;
        field->setText(QString());
        field->setFocus();
        ui->Edit4->setText(QString());
        return false;
    }
    // A voltage, a length or a current below zero has no section.
    if (value < 0.0) {
        ui->Edit4->setText(QString());
        field->setFocus();
        ShowInvalidNumber(*field);
        return false;
    }
    return true;
}

void TFormSeeccCables::fail(const QString& message) {
    ui->Edit4->setText(QString());
    platform().messageBox(this, QStringLiteral("Error"), MessageIcon::Information, message);
}

void TFormSeeccCables::SpeedButton1Click() {
    switch (ClassifyEntry(ui->Edit1->text(), platform().decimalSeparator())) {
    case EntryClass::Empty:
        ui->Edit1->setFocus();
        return;
    case EntryClass::Incomplete:
        return;
    case EntryClass::Convertible:
        break;
    }
    double volts = 0.0;
    double metres = 0.0;
    double amperes = 0.0;
    if (!readField(ui->Edit1, volts) || !readField(ui->Edit2, metres) ||
        !readField(ui->Edit3, amperes))
        return;

    if (metres == 0.0 || amperes == 0.0) {
        fail(QStringLiteral("la longitud o la intensidad de corriente  no pueden ser nulas."));
        return;
    }
    const SectionChoice choice = minimumSection(volts, metres, amperes);
    switch (choice.kind) {
    case SectionChoice::Section:
        ui->Edit4->setText(GeneralText(choice.section, platform().decimalSeparator()));
        return;
    case SectionChoice::CurrentTooHigh:
        fail(QStringLiteral("La intensidad de corriente de cálculo excede la capacidad del "
                            "conductor de mayor sección (240 mm2)"));
        return;
    case SectionChoice::DropTooSmall:
        fail(QStringLiteral("La caída de tensión reglamentaria excede la caída de tensión "
                            "unitaria correspondiente al conductor de mayor sección (240 mm2)"));
        return;
    }
}

} // namespace zerval
