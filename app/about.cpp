#include "app/about.h"

#include "app/artwork.h"
#include "app/credits.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformabout.h"

#include <QLabel>
#include <QPushButton>

namespace zerval {

TFormAbout::TFormAbout(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormAbout>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());

    ui->Image1->setPixmap(measuringInstrumentPicture(ui->Image1->size()));
    ui->Label3->setText(copyrightNotice());
    ui->Label5->setText(authorMail());
    ui->Label7->setText(andalusianMeasuresCompiler());
    ui->Label10->setText(pictureDesigner());
    ui->Label11->setText(pictureDesignerMail());

    // Every text is white on the background the launcher gives the box.
    for (QLabel* label : findChildren<QLabel*>()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
    }

    bindGuarded(ui->Label5, this, &TFormAbout::Label5Click);
    bindGuarded(ui->Label11, this, &TFormAbout::Label11Click);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TFormAbout::~TFormAbout() = default;

void TFormAbout::Label5Click() {
    platform().openExternal(QStringLiteral("mailto:") + authorMail());
}

void TFormAbout::Label11Click() {
    platform().openExternal(QStringLiteral("mailto:") + pictureDesignerMail());
}

} // namespace zerval
