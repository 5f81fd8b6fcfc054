#include "app/about.h"

#include "app/artwork.h"
#include "app/credits.h"
#include "platform/platform.h"
#include "ui_tformabout.h"

#include <QLabel>
#include <QMouseEvent>
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

    ui->Label5->installEventFilter(this);
    ui->Label11->installEventFilter(this);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TFormAbout::~TFormAbout() = default;

bool TFormAbout::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == ui->Label5 || watched == ui->Label11) &&
        event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint()))
            guarded([&] { watched == ui->Label5 ? Label5Click() : Label11Click(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAbout::Label5Click() {
    platform().openExternal(QStringLiteral("mailto:") + authorMail());
}

void TFormAbout::Label11Click() {
    platform().openExternal(QStringLiteral("mailto:") + pictureDesignerMail());
}

} // namespace zerval
