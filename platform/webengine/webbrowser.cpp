#include "platform/webengine/webbrowser.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace zerval {

namespace {

class GuardedPage : public QWebEnginePage {
public:
    GuardedPage(BrowserControl& owner, QObject* parent)
        : QWebEnginePage(parent)
        , owner_(owner) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (!isMainFrame || !owner_.beforeNavigate) return true;
        return owner_.beforeNavigate(url.toString());
    }

private:
    BrowserControl& owner_;
};

} // namespace

WebBrowser::WebBrowser(QWidget* parent)
    : view_(new QWebEngineView(parent)) {
    view_->setPage(new GuardedPage(*this, view_));
}

QWidget* WebBrowser::widget() {
    return view_;
}
void WebBrowser::navigate(const QString& address) {
    view_->setUrl(QUrl::fromUserInput(address));
}
void WebBrowser::back() {
    view_->back();
}
void WebBrowser::forward() {
    view_->forward();
}
void WebBrowser::refresh() {
    view_->reload();
}

void WebBrowser::saveAs() {
    const QString file = QFileDialog::getSaveFileName(view_, QStringLiteral("Guardar como"),
                                                      view_->title() + QStringLiteral(".html"));
    if (!file.isEmpty()) view_->page()->save(file);
}

void WebBrowser::print() {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    QPrintDialog dialog(printer, view_);
    if (dialog.exec() != QDialog::Accepted) {
        delete printer;
        return;
    }
    QObject::connect(
        view_, &QWebEngineView::printFinished, view_, [printer](bool) { delete printer; },
        Qt::SingleShotConnection);
    view_->print(printer);
}

} // namespace zerval
