#include "converters/steel/meshes.h"

#include "converters/steel/meshformulas.h"
#include "kit/textforms.h"
#include "platform/platform.h"
#include "ui_tformmallas.h"

#include <QGuiApplication>
#include <QScreen>

namespace zerval {

namespace {

const QString kThreeDecimals = QStringLiteral("0.000");

double selected(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text().toDouble() : 0.0;
}

} // namespace

TFormMallas::TFormMallas(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormMallas>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    for (QLineEdit* result : {ui->Edit1, ui->Edit2, ui->Edit3}) {
        QPalette colours = result->palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
        result->setPalette(colours);
    }
    for (QListWidget* list : {ui->ListBox1, ui->ListBox2, ui->ListBox3})
        connect(list, &QListWidget::currentRowChanged, this,
                [this] { guarded([this] { ListBox1Click(); }); });
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

TFormMallas::~TFormMallas() = default;

void TFormMallas::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
    guarded([this] { FormShow(); });
}

void TFormMallas::FormShow() {
    for (QListWidget* list : {ui->ListBox1, ui->ListBox2, ui->ListBox3}) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(0);
    }
    ListBox1Click();
}

void TFormMallas::ListBox1Click() {
    const double spacingA = selected(ui->ListBox1);
    const double spacingB = selected(ui->ListBox2);
    const int diameter = int(selected(ui->ListBox3));
    if (spacingA <= 0.0 || spacingB <= 0.0 || diameter <= 0) return;
    const QChar separator = platform().decimalSeparator();
    ui->Edit1->setText(
        PatternText(thousandths(meshSectionA(spacingA, diameter)), kThreeDecimals, separator));
    ui->Edit2->setText(
        PatternText(thousandths(meshSectionB(spacingB, diameter)), kThreeDecimals, separator));
    ui->Edit3->setText(PatternText(thousandths(meshWeight(spacingA, spacingB, diameter)),
                                   kThreeDecimals, separator));
}

} // namespace zerval
