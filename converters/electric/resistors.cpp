#include "converters/electric/resistors.h"

#include "converters/electric/colourbandbox.h"
#include "converters/electric/colourcode.h"
#include "kit/textforms.h"
#include "platform/editbox.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tform_resistencias.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScopedValueRollback>

namespace zerval {

namespace {

constexpr int kResetTolerance = 3; // 5 %, gold
constexpr int kUnitMultiplier = 2; // x1

void fillDigits(ColourBandBox* box) {
    for (int digit = 0; digit <= 9; ++digit)
        box->addBand(QString::number(digit), QColor(bandColour(digit + 2)));
}

} // namespace

TForm_resistencias::TForm_resistencias(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TForm_resistencias>()) {
    ui->setupUi(this);
    setFixedSize(size());
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);

    ui->Edit1->setUpperCase(true);
    QFont codeFont(QStringLiteral("Arial"));
    codeFont.setPixelSize(16);
    codeFont.setBold(true);
    codeFont.setItalic(true);
    ui->Edit2->setFont(codeFont);

    for (ColourBandBox* box : {ui->ComboBox5, ui->ComboBox2, ui->ComboBox3})
        fillDigits(box);
    for (int item = 0; item < kMultiplierItems; ++item)
        ui->ComboBox4->addBand(QString::number(item - 2), QColor(bandColour(item)));
    for (int item = 0; item < kToleranceItems; ++item)
        ui->ComboBox1->addBand(toleranceText(item), QColor(toleranceColour(item)));
    ui->ComboBox1->setSwatchLeft(24);

    // A band on the resistor always shows the colour chosen in its list.
    const std::pair<ColourBandBox*, QFrame*> bands[] = {{ui->ComboBox5, ui->Panel5},
                                                        {ui->ComboBox2, ui->Panel1},
                                                        {ui->ComboBox3, ui->Panel2},
                                                        {ui->ComboBox4, ui->Panel3},
                                                        {ui->ComboBox1, ui->Panel4}};
    for (const auto& [box, panel] : bands) {
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, box, panel] { paintBand(panel, box); });
    }
    for (ColourBandBox* box : {ui->ComboBox5, ui->ComboBox2, ui->ComboBox3, ui->ComboBox4})
        connect(box, &QComboBox::activated, this,
                [this] { guarded([this] { ComboBox2Change(); }); });
    connect(ui->ComboBox1, &QComboBox::activated, this,
            [this] { guarded([this] { ComboBox1Change(); }); });
    ui->Edit1->onChange = [this](EditBox&) { Edit1Change(); };
    bindGuarded(ui->RadioButton1, this, &TForm_resistencias::RadioButton1Click);
    bindGuarded(ui->RadioButton2, this, &TForm_resistencias::RadioButton2Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    drawResistor();
    resetBands();
    for (const auto& [box, panel] : bands)
        paintBand(panel, box);
}

TForm_resistencias::~TForm_resistencias() = default;

void TForm_resistencias::paintBand(QFrame* panel, ColourBandBox* box) {
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, box->bandColour(box->currentIndex()));
    panel->setPalette(colours);
    // The first tolerance item stands for a resistor without a tolerance band: flat.
    const bool noBand = box == ui->ComboBox1 && box->currentIndex() == 0;
    panel->setFrameShape(noBand ? QFrame::NoFrame : QFrame::Panel);
}

void TForm_resistencias::resetBands() {
    ui->ComboBox1->setCurrentIndex(kResetTolerance);
    for (QComboBox* digit : {ui->ComboBox5, ui->ComboBox2, ui->ComboBox3})
        digit->setCurrentIndex(0);
    ui->ComboBox4->setCurrentIndex(kUnitMultiplier);
}

void TForm_resistencias::showBands(const ResistorBands& bands) {
    ui->ComboBox5->setCurrentIndex(bands.hundreds);
    ui->ComboBox2->setCurrentIndex(bands.tens);
    ui->ComboBox3->setCurrentIndex(bands.units);
    ui->ComboBox4->setCurrentIndex(bands.multiplier);
}

ResistorBands TForm_resistencias::shownBands() const {
    return {fourBands_ ? 0 : ui->ComboBox5->currentIndex(), ui->ComboBox2->currentIndex(),
            ui->ComboBox3->currentIndex(), ui->ComboBox4->currentIndex()};
}

void TForm_resistencias::showCode(double ohms) {
    if (const std::optional<QString> code = codeNotation(ohms, platform().decimalSeparator()))
        ui->Edit2->setText(*code);
}

void TForm_resistencias::ComboBox2Change() {
    const QScopedValueRollback<bool> guard(bandEdit_, true);
    ohms_ = valueOfBands(shownBands(), fourBands_);
    ui->Edit1->setText(GeneralText(ohms_, platform().decimalSeparator()));
    showCode(ohms_);
}

void TForm_resistencias::ComboBox1Change() {
    paintBand(ui->Panel4, ui->ComboBox1);
}

void TForm_resistencias::Edit1Change() {
    if (bandEdit_) return;
    const OhmsReading reading = readOhms(ui->Edit1->text(), platform().decimalSeparator());
    switch (reading.kind) {
    case OhmsReading::Ignored:
        return;
    case OhmsReading::Zero:
        ohms_ = 0.0;
        resetBands();
        ui->Edit2->setText(QStringLiteral("0R"));
        return;
    case OhmsReading::TooLarge:
        takeBackOverLimit();
        return;
    case OhmsReading::Value:
        break;
    }
    const std::optional<ResistorBands> bands = bandsForValue(reading.value, fourBands_);
    if (!bands) {
        takeBackOverLimit();
        return;
    }
    showBands(*bands);
    // The code is that of the value the bands actually show; the field keeps what was typed.
    ohms_ = valueOfBands(*bands, fourBands_);
    showCode(ohms_);
}

void TForm_resistencias::takeBackOverLimit() {
    platform().messageBox(this, QString(), MessageIcon::Warning, QStringLiteral("Eh!"));
    QString shorter = ui->Edit1->text();
    shorter.chop(1);
    // The shorter text is read again through the change it raises; a text still over the
    // limit takes back one more character.
    ui->Edit1->setText(shorter);
    ui->Edit1->setSelection(0, int(ui->Edit1->text().size()));
}

void TForm_resistencias::setBandCount(bool fourBands) {
    fourBands_ = fourBands;
    ui->Panel5->setVisible(!fourBands);
    ui->Label8->setVisible(!fourBands);
    ui->ComboBox5->setVisible(!fourBands);
    ui->ComboBox5->setCurrentIndex(0);
    bandEdit_ = false;
    // The value field keeps its text; its value is spread over the bands of the new count.
    Edit1Change();
}

void TForm_resistencias::RadioButton1Click() {
    setBandCount(false);
}

void TForm_resistencias::RadioButton2Click() {
    setBandCount(true);
}

void TForm_resistencias::drawResistor() {
    const QSize size = ui->Image1->size();
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const int middle = size.height() / 2;
    // The leads, then the body over them; the bands are laid on the body.
    painter.setPen(QPen(QColor(150, 150, 150), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(4, middle, size.width() - 4, middle);
    const QPoint topLeft = ui->Panel5->geometry().topLeft() - ui->Image1->pos();
    const QRectF body(topLeft.x() - 45, topLeft.y() - 6, 290, ui->Panel5->height() + 12);
    QPainterPath shape;
    shape.addRoundedRect(body, 22, 22);
    painter.setPen(QPen(QColor(150, 120, 80), 1.5));
    painter.setBrush(QColor(226, 200, 150));
    painter.drawPath(shape);
    painter.end();
    ui->Image1->setPixmap(picture);
}

} // namespace zerval
