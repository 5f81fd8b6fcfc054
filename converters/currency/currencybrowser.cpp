#include "converters/currency/currencybrowser.h"

#include "converters/currency/currencypages.h"
#include "platform/browsercontrol.h"
#include "platform/guardedbinding.h"
#include "platform/platform.h"
#include "ui_tformbrowser.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QStyle>
#include <QToolButton>

namespace zerval {

namespace {

constexpr int kNavigationFlags = BrowserControl::NoReadFromCache | BrowserControl::AllowAutosearch;

void setGlyph(QToolButton* button, const QString& themeName, QStyle::StandardPixmap fallback) {
    button->setIcon(QIcon::fromTheme(themeName, button->style()->standardIcon(fallback)));
}

} // namespace

TFormBrowser::TFormBrowser(QWidget* owner)
    : QDialog(owner)
    , ui(std::make_unique<Ui::TFormBrowser>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);

    setGlyph(ui->SpeedButton1, QStringLiteral("go-previous"), QStyle::SP_ArrowBack);
    setGlyph(ui->SpeedButton5, QStringLiteral("go-next"), QStyle::SP_ArrowForward);
    setGlyph(ui->SpeedButton2, QStringLiteral("view-refresh"), QStyle::SP_BrowserReload);
    setGlyph(ui->SpeedButton3, QStringLiteral("document-save"), QStyle::SP_DialogSaveButton);
    setGlyph(ui->SpeedButton4, QStringLiteral("document-print"), QStyle::SP_FileDialogContentsView);

    const QStringList captions = currencyPageCaptions();
    ui->ComboBox1->addItems(captions);
    const QString userName = platform().environment(QStringLiteral("USERNAME"));
    for (int index = 0; index < captions.size(); ++index)
        pageTargets_.append(currencyPageTarget(index, userName));

    browser_ = platform().createBrowser(ui->Panel1);
    if (browser_) {
        QWidget* view = browser_->widget();
        view->setObjectName(QStringLiteral("CppWebBrowser1"));
        ui->Panel1->layout()->addWidget(view);
        browser_->beforeNavigate = [this](const QString& address) {
            return CppWebBrowser1BeforeNavigate2(address);
        };
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

    connect(ui->ComboBox1, &QComboBox::activated, this,
            [this](int index) { guarded([&] { ComboBox1Change(index); }); });
    bindGuarded(ui->SpeedButton1, this, &TFormBrowser::SpeedButton1Click);
    bindGuarded(ui->SpeedButton5, this, &TFormBrowser::SpeedButton5Click);
    bindGuarded(ui->SpeedButton2, this, &TFormBrowser::SpeedButton2Click);
    bindGuarded(ui->SpeedButton3, this, &TFormBrowser::SpeedButton3Click);
    bindGuarded(ui->SpeedButton4, this, &TFormBrowser::SpeedButton4Click);
}

TFormBrowser::~TFormBrowser() {
    // The browser's view belongs to the panel; the control must not outlive its hook's target.
    if (browser_) browser_->beforeNavigate = nullptr;
}

// The first showing is the first activation, whether or not the desktop gives the window the
// focus at once.
void TFormBrowser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        guarded([this] { FormActivate(); });
    }
}

bool TFormBrowser::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) {
        // By now the application's active window is the one that took the focus, or none
        // when another program did.
        // A drop-down list or a tooltip over the page is no other window.
        const QWidget* taker = QApplication::activeWindow();
        lostToOwnWindow_ = taker != nullptr && taker != this && taker->windowType() != Qt::Popup &&
                           taker->windowType() != Qt::ToolTip;
    } else if (event->type() == QEvent::WindowActivate && activated_ && lostToOwnWindow_) {
        lostToOwnWindow_ = false;
        guarded([this] { FormActivate(); });
    }
    return QDialog::event(event);
}

void TFormBrowser::FormActivate() {
    navigateTo(pageTargets_.value(0));
    ui->ComboBox1->setCurrentIndex(0);
}

void TFormBrowser::ComboBox1Change(int index) {
    if (index < 0 || index >= pageTargets_.size()) return;
    navigateTo(pageTargets_[index]);
}

void TFormBrowser::SpeedButton1Click() {
    if (browser_) browser_->back();
}

void TFormBrowser::SpeedButton5Click() {
    if (browser_) browser_->forward();
}

void TFormBrowser::SpeedButton2Click() {
    if (browser_) browser_->refresh();
}

void TFormBrowser::SpeedButton3Click() {
    if (browser_) browser_->saveAs();
}

void TFormBrowser::SpeedButton4Click() {
    if (browser_) browser_->print();
}

// Very long addresses (a link or a frame carrying a whole query) are not loaded.
bool TFormBrowser::CppWebBrowser1BeforeNavigate2(const QString& address) {
    return isAllowedAddress(address);
}

void TFormBrowser::navigateTo(const QString& target) {
    if (browser_) browser_->navigate(target, kNavigationFlags);
}

} // namespace zerval
