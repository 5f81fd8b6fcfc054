#include "converters/numeration/roman.h"

#include "converters/numeration/romannumerals.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformromanos.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QToolTip>

namespace zerval {

namespace {

const QColor kConventionOff(128, 0, 128);
const QColor kConventionOn(0, 0, 255);
const QColor kConventionTipBackground(193, 192, 255);

// A long numeral is read in its tooltip, which must not vanish while the user reads it.
constexpr int kRomanTipLength = 45;
constexpr int kTipStaysMs = 24 * 60 * 60 * 1000;

QString conventionText() {
    return QStringLiteral(
        "   Para facilitar la presentación, se ha adoptado la siguiente \n convención:\n   "
        "Toda letra, o sucesión, seguida por uno, dos, tres, etc., \n paréntesis, representa su "
        "valor en miles, millones, ... lo que \n se interpreta como una rayita sobrepuesta "
        "hasta esa letra. \n   Por ejemplo: V) = 5000;  L) = 50000;  M) = 1000000; \n M)XX = "
        "1000020;  LII)) = 52000000.");
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// These tooltips appear as soon as the mouse is over their control and stay until it leaves.
void showTipAtOnce(QWidget* widget, QPoint globalPosition) {
    if (widget->toolTip().isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPosition, widget->toolTip(), widget, widget->rect(), kTipStaysMs);
}

} // namespace

TFormRomanos::TFormRomanos(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormRomanos>()) {
    ui->setupUi(this);
    setFixedSize(size());
    ui->Edit2->setUpperCase(true);
    ui->Edit2->setMouseTracking(true);
    ui->Label3->setMouseTracking(true);
    ui->Edit2->installEventFilter(this);
    ui->Label3->installEventFilter(this);

    ui->Edit1->onChange = [this](EditBox&) { Edit1Change(); };
    ui->Edit2->onChange = [this](EditBox&) {
        updateRomanTip();
        Edit2Change();
    };
    bindGuarded(ui->Label3, this, &TFormRomanos::Label3Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TFormRomanos::~TFormRomanos() {
    FormClose();
}

void TFormRomanos::done(int result) {
    FormClose();
    QDialog::done(result);
}

bool TFormRomanos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Edit2 && event->type() == QEvent::MouseMove) {
        Edit2MouseMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    } else if ((watched == ui->Edit2 || watched == ui->Label3) &&
               event->type() == QEvent::ToolTip) {
        showTipAtOnce(static_cast<QWidget*>(watched), static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    } else if (watched == ui->Label3 && event->type() == QEvent::MouseMove) {
        showTipAtOnce(ui->Label3, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    }
    return QDialog::eventFilter(watched, event);
}

void TFormRomanos::write(EditBox* field, const QString& text) {
    const QScopedValueRollback<bool> lock(writing_, true);
    field->setText(text);
}

void TFormRomanos::Edit1Change() {
    if (writing_) return;
    bool ok = false;
    const qint64 value = ui->Edit1->text().toLongLong(&ok);
    write(ui->Edit2, toRoman(ok ? value : 0));
}

void TFormRomanos::Edit2Change() {
    if (writing_) return;
    const QString text = ui->Edit2->text();
    const RomanReading reading = readRoman(text);
    switch (reading.kind) {
    case RomanReading::Clear:
        write(ui->Edit1, QString());
        break;
    case RomanReading::Number:
        write(ui->Edit1, QString::number(reading.value));
        break;
    case RomanReading::Unreadable:
        platform().plainMessage(unreadableRomanMessage());
        ui->Edit2->selectAll();
        break;
    case RomanReading::NotRoman:
        platform().plainMessage(notRomanMessage(text));
        break;
    }
}

void TFormRomanos::updateRomanTip() {
    const QString text = ui->Edit2->text();
    ui->Edit2->setToolTip(
        text.size() >= kRomanTipLength
            ? text + QStringLiteral("\nPuede copiar este número, y pegarlo en otra aplicación.")
            : QString());
}

void TFormRomanos::Edit2MouseMove(QPoint globalPosition) {
    updateRomanTip();
    showTipAtOnce(ui->Edit2, globalPosition);
}

void TFormRomanos::Label3Click() {
    if (conventionShown_) {
        conventionShown_ = false;
        ui->Label3->setToolTip(QString());
        setTextColour(ui->Label3, kConventionOff);
        QToolTip::hideText();
        return;
    }
    setTextColour(ui->Label3, kConventionOn);
    ui->Label3->setToolTip(conventionText());
    if (!standardTipPalette_) standardTipPalette_ = QToolTip::palette();
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, kConventionTipBackground);
    QToolTip::setPalette(tips);
    conventionShown_ = true;
}

void TFormRomanos::FormClose() {
    if (!standardTipPalette_) return;
    QToolTip::setPalette(*standardTipPalette_);
    standardTipPalette_.reset();
}

} // namespace zerval
