#include "converters/lengths/shoesizes.h"

#include "ui_tfzapatos.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>

namespace zerval {

namespace {

const QColor kNavy(0, 0, 128);

// Rows 1 and 5 hold the European sizes.
bool isEuropeanRow(const QString& cellName) {
    return cellName.startsWith(QStringLiteral("Cell1_")) ||
           cellName.startsWith(QStringLiteral("Cell5_"));
}

} // namespace

TFZapatos::TFZapatos(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFZapatos>()) {
    ui->setupUi(this);
    setFixedSize(size());

    QPalette background = palette();
    background.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Window));
    setPalette(background);
    setAutoFillBackground(true);

    const QColor windowColour = QApplication::palette().color(QPalette::Base);
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    for (QLineEdit* cell : ui->GroupBox1->findChildren<QLineEdit*>()) {
        const QString name = cell->objectName();
        const bool navy = name.endsWith(QStringLiteral("_0")) || isEuropeanRow(name);
        QPalette colours = cell->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            colours.setColor(group, QPalette::Base, windowColour);
            colours.setColor(group, QPalette::Text, navy ? kNavy : windowText);
        }
        cell->setPalette(colours);
        QFont font = cell->font();
        font.setBold(true);
        cell->setFont(font);
    }
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TFZapatos::~TFZapatos() = default;

} // namespace zerval
