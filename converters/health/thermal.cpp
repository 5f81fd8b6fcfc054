#include "converters/health/thermal.h"

#include "converters/health/heatindex.h"
#include "converters/health/windchill.h"
#include "kit/textforms.h"
#include "platform/platform.h"
#include "ui_tform4.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStatusTipEvent>

#include <cmath>

namespace zerval {

namespace {

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

// Selects the first item of a list that has none.
int positionOf(QComboBox* list) {
    if (list->currentIndex() < 0 && list->count() > 0) list->setCurrentIndex(0);
    return list->currentIndex();
}

} // namespace

TForm4::TForm4(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , ui(std::make_unique<Ui::TForm4>()) {
    ui->setupUi(this);
    setFixedSize(size());
    ui->PageControl1->setTabText(0, QStringLiteral("Verano"));
    ui->PageControl1->setTabText(1, QStringLiteral("Invierno"));

    for (int celsius = 20; celsius <= 50; ++celsius)
        ui->ComboBox1->addItem(QString::number(celsius));
    for (int percent = 0; percent <= 100; percent += 5)
        ui->ComboBox2->addItem(QString::number(percent));
    // The wind classes are written once, with the separator the locale has at opening.
    const QChar separator = platform().decimalSeparator();
    for (int windClass = 0; windClass < kWindClasses; ++windClass)
        ui->ComboBox3->addItem(WindClassText(windClass, separator));
    for (int celsius = 10; celsius >= -50; --celsius)
        ui->ComboBox4->addItem(QString::number(celsius));
    for (int kmPerHour = 0; kmPerHour <= 64; kmPerHour += 4)
        ui->ComboBox6->addItem(QString::number(kmPerHour));
    for (QComboBox* list :
         {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3, ui->ComboBox4, ui->ComboBox6})
        list->setCurrentIndex(0);

    const QColor paleYellow(255, 255, 192);
    const QColor navy(0, 0, 128);
    for (QLineEdit* result : {ui->Edit1, ui->Edit2})
        setColour(result, QPalette::Base, paleYellow);
    for (QLabel* title : {ui->Label1, ui->Label10})
        setColour(title, QPalette::WindowText, navy);
    for (QWidget* panel :
         std::initializer_list<QWidget*>{ui->Panel1, ui->Panel2, ui->Panel3, ui->Panel4})
        panel->setAutoFillBackground(true);
    setColour(ui->Panel1, QPalette::Window, QColor(0, 255, 255));
    setColour(ui->Panel3, QPalette::Window, QColor(192, 220, 192));
    setColour(ui->Panel2, QPalette::Window, Qt::white);
    setColour(ui->Panel4, QPalette::Window, Qt::white);

    // Every hint is shown in the status bar as the pointer passes, and the window sees every
    // key first, so that Escape closes it from any control.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (!child->toolTip().isEmpty()) child->setStatusTip(child->toolTip());
        child->installEventFilter(this);
    }

    for (QComboBox* list : {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3})
        connect(list, &QComboBox::activated, this,
                [this] { guarded([this] { ComboBox1Change(); }); });
    for (QComboBox* list : {ui->ComboBox4, ui->ComboBox6})
        connect(list, &QComboBox::activated, this,
                [this] { guarded([this] { ComboBox4Change(); }); });
}

TForm4::~TForm4() = default;

bool TForm4::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ui->StatusBar1->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    // The hint of the control under the pointer, as it moves.
    if (event->type() == QEvent::MouseMove) {
        // A move a child does not take reaches its parent too: the hint is always that of the
        // innermost control with one.
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* under = widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        for (QWidget* w = under ? under : widget; w && w != this; w = w->parentWidget())
            if (!w->statusTip().isEmpty()) {
                ui->StatusBar1->showMessage(w->statusTip());
                break;
            }
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm4::showBand(const DangerBand& band, QLabel* panel, QLabel* advice) {
    setColour(panel, QPalette::Window, QColor(band.red, band.green, band.blue));
    panel->setText(QString::fromUtf16(band.caption));
    advice->setText(QString::fromUtf16(band.advice));
}

void TForm4::ComboBox1Change() {
    const int temperature = positionOf(ui->ComboBox1);
    const int humidity = positionOf(ui->ComboBox2);
    const int wind = positionOf(ui->ComboBox3);
    const std::optional<int> sensation = HeatSensation(temperature, humidity, wind);
    if (!sensation) return;
    ui->Edit1->setText(QString::number(*sensation));
    const DangerBand band = HeatDanger(*sensation);
    showBand(band, ui->Panel1, ui->Label15);
    if (band.note) ui->StatusBar1->showMessage(HeatNote());
}

void TForm4::ComboBox4Change() {
    const int temperature = positionOf(ui->ComboBox4);
    const int wind = positionOf(ui->ComboBox6);
    const std::optional<long double> chill = WindChill(temperature, wind);
    if (!chill) return;
    ui->Edit2->setText(GeneralText(std::floor(*chill), platform().decimalSeparator()));
    showBand(ColdDanger(*chill), ui->Panel3, ui->Label20);
}

} // namespace zerval
