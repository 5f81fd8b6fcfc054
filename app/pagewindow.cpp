#include "app/pagewindow.h"

#include "platform/browsercontrol.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformpersonalizar.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

namespace zerval {

TFormPersonalizar::TFormPersonalizar(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormPersonalizar>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    ui->SpeedButton1->setIcon(QIcon::fromTheme(QStringLiteral("document-save"),
                                               style()->standardIcon(QStyle::SP_DialogSaveButton)));
    ui->SpeedButton2->setIcon(
        QIcon::fromTheme(QStringLiteral("document-print"),
                         style()->standardIcon(QStyle::SP_FileDialogContentsView)));

    browser_ = platform().createBrowser(ui->Panel1);
    if (browser_) {
        browser_->widget()->setObjectName(QStringLiteral("CppWebBrowser1"));
        ui->Panel1->layout()->addWidget(browser_->widget());
    } else {
        auto* missing = new QLabel(
            QStringLiteral("No se puede mostrar la página: el navegador integrado no está "
                           "disponible."),
            ui->Panel1);
        missing->setObjectName(QStringLiteral("LabelSinNavegador"));
        missing->setAlignment(Qt::AlignCenter);
        missing->setWordWrap(true);
        ui->Panel1->layout()->addWidget(missing);
    }

    // Centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    bindGuarded(ui->SpeedButton1, this, &TFormPersonalizar::SpeedButton1Click);
    bindGuarded(ui->SpeedButton2, this, &TFormPersonalizar::SpeedButton2Click);
}

TFormPersonalizar::~TFormPersonalizar() = default;

void TFormPersonalizar::showPage(const QString& file) {
    if (browser_) browser_->navigate(file);
}

void TFormPersonalizar::SpeedButton1Click() {
    if (browser_) browser_->saveAs();
}

void TFormPersonalizar::SpeedButton2Click() {
    if (browser_) browser_->print();
}

} // namespace zerval
