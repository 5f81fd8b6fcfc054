#include "converters/health/bodymass.h"

#include "converters/health/bmiclass.h"
#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tform_bmi.h"

#include <QGuiApplication>
#include <QScreen>

namespace zerval {

namespace {

// The World Health Organization's fact file on obesity, in Spanish.
const QString kObesityPage =
    QStringLiteral("https://www.who.int/features/factfiles/obesity/es/index.html");

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

} // namespace

TForm_BMI::TForm_BMI(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint)
    , ui(std::make_unique<Ui::TForm_BMI>()) {
    ui->setupUi(this);
    setFixedSize(size());
    ui->Panel1->setAutoFillBackground(true);
    setColour(ui->Panel1, QPalette::Window, QColor(255, 251, 240));
    setColour(ui->Label2, QPalette::WindowText, QColor(0, 0, 128));
    ui->Label1->setText(QStringLiteral("Índice de Masa Corporal - IMC (en inglés \"Body Mass "
                                       "Index\" - BMI): es un índice estadístico antes que "
                                       "individual. Los valores que aquí se calculan "
                                       "corresponden a adultos de hábitos sedentarios, "
                                       "excluyendo etnias del sur de Asia."));

    for (EditBox* box : {ui->Edit1, ui->Edit2})
        box->onKeyPress = [this](EditBox& edit, char16_t& key) { Edit1KeyPress(edit, key); };
    bindGuarded(ui->Button1, this, &TForm_BMI::Button1Click);
    bindGuarded(ui->Label2, this, &TForm_BMI::Label2Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TForm_BMI::~TForm_BMI() = default;

void TForm_BMI::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

void TForm_BMI::Edit1KeyPress(EditBox& box, char16_t& key) {
    // Return and Escape go on to "Calcular" and "Volver".
    if (key == 13 || key == 27) return;
    key = FilterNumericKey(key, {box.text(), box.selStart(), box.selLength()},
                           platform().decimalSeparator());
}

void TForm_BMI::Button1Click() {
    const QChar separator = platform().decimalSeparator();
    if (ui->Edit1->text().isEmpty()) return;
    const double weight = ParseEntry(ui->Edit1->text(), parseError_, separator);
    if (parseError_) {
        ui->Edit1->setText(QString());
        return;
    }
    if (ui->Edit2->text().isEmpty()) return;
    const double centimetres = ParseEntry(ui->Edit2->text(), parseError_, separator);
    const double height = (Ext(centimetres) * Ext(0.01L)).toDouble();
    if (parseError_ || height == 0.0) {
        ui->Edit2->setText(QString());
        return;
    }
    const double index = BodyMassIndex(weight, height);
    ui->Edit3->setText(GeneralText(index, separator));
    ui->Label10->setText(BodyMassClass(index));
}

void TForm_BMI::Label2Click() {
    platform().openExternal(kObesityPage);
}

} // namespace zerval
