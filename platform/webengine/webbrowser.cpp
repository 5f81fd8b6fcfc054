#include "platform/webengine/webbrowser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrlQuery>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHttpRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace zerval {

namespace {

// Every navigation of the page, its frames' included, asks the window's hook first.
class GuardedPage : public QWebEnginePage {
public:
    GuardedPage(WebBrowser* owner, QObject* parent)
        : QWebEnginePage(parent)
        , owner_(owner) {}
    // The control goes before its view: from then on nothing is asked of it.
    void forgetOwner() { owner_ = nullptr; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        return !owner_ || owner_->allows(url);
    }

    // A page that asks for a new window (a form or link with a target) is loaded in this
    // one: a second top-level window could not be reached past the modal window anyway.
    QWebEnginePage* createWindow(WebWindowType) override { return this; }

private:
    WebBrowser* owner_;
};

// Where a text that is no address is searched for.
QUrl searchAddress(const QString& text) {
    QUrl search(QStringLiteral("https://www.bing.com/search"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("q"), text);
    search.setQuery(query);
    return search;
}

bool looksLikeAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char(' '))) return false;
    if (trimmed.contains(QStringLiteral("://")) || trimmed.startsWith(QStringLiteral("about:")) ||
        trimmed.startsWith(QLatin1Char('/')))
        return true;
    return trimmed.contains(QLatin1Char('.'));
}

} // namespace

WebBrowser::WebBrowser(QWidget* parent)
    : view_(new QWebEngineView(parent)) {
    auto* page = new GuardedPage(this, view_);
    view_->setPage(page);
    // The engine's own error page is in English; the window shows one of its own.
    page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    QObject::connect(page, &QWebEnginePage::loadingChanged, view_,
                     [this](const QWebEngineLoadingInfo& loading) {
                         if (loading.status() == QWebEngineLoadingInfo::LoadFailedStatus)
                             showLoadFailure(loading);
                     });
}

WebBrowser::~WebBrowser() {
    if (!view_) return;
    if (auto* page = dynamic_cast<GuardedPage*>(view_->page())) {
        page->forgetOwner();
        QObject::disconnect(page, nullptr, view_, nullptr);
    }
}

QWidget* WebBrowser::widget() {
    return view_.data();
}

bool WebBrowser::allows(const QUrl& url) {
    // The page about a failed load comes under the failed address (or as data).
    if (ownPagesPending_ > 0 && (url == failedAddress_ || url.scheme() == QStringLiteral("data"))) {
        --ownPagesPending_;
        return true;
    }
    if (!beforeNavigate) return true;
    return beforeNavigate(url.toString());
}

void WebBrowser::navigate(const QString& address, int flags) {
    if (!view_) return;
    QUrl url;
    if ((flags & AllowAutosearch) && !looksLikeAddress(address))
        url = searchAddress(address);
    else if (QFileInfo(address).isAbsolute())
        url = QUrl::fromLocalFile(address);
    else
        url = QUrl::fromUserInput(address);
    failedAddress_.clear();
    ownPagesPending_ = 0;
    QWebEngineHttpRequest request(url);
    if (flags & NoReadFromCache) {
        request.setHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache"));
        request.setHeader(QByteArrayLiteral("Pragma"), QByteArrayLiteral("no-cache"));
    }
    view_->load(request);
}

void WebBrowser::back() {
    if (!view_) return;
    failedAddress_.clear();
    ownPagesPending_ = 0;
    view_->back();
}
void WebBrowser::forward() {
    if (!view_) return;
    failedAddress_.clear();
    ownPagesPending_ = 0;
    view_->forward();
}
void WebBrowser::refresh() {
    if (!view_) return;
    // On the page about a failed load, trying again means the address that failed.
    if (!failedAddress_.isEmpty()) {
        const QUrl again = failedAddress_;
        failedAddress_.clear();
        view_->load(again);
        return;
    }
    view_->reload();
}

void WebBrowser::saveAs() {
    if (!view_) return;
    // The page's title suggests the name; a slash in it would name a folder.
    QString suggested = view_->title().trimmed();
    suggested.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (suggested.isEmpty()) suggested = QStringLiteral("pagina");
    const QString file = QFileDialog::getSaveFileName(view_, QStringLiteral("Guardar como"),
                                                      suggested + QStringLiteral(".html"),
                                                      QStringLiteral("Página web (*.html *.htm)"));
    if (!file.isEmpty()) view_->page()->save(file, QWebEngineDownloadRequest::SingleHtmlSaveFormat);
}

void WebBrowser::print() {
    if (!view_) return;
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

// A page that could not be reached (no network, an unknown host, a refused connection) says
// so in the window, in the user's language. A navigation the hook stopped is no failure.
void WebBrowser::showLoadFailure(const QWebEngineLoadingInfo& loading) {
    if (!view_) return;
    constexpr int abortedByTheWindow = -3;
    if (loading.errorCode() == abortedByTheWindow) return;
    if (loading.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain) return;
    if (loading.url().scheme() == QStringLiteral("data")) return;
    const QString address = loading.url().toString();
    const QString page =
        QStringLiteral("<!DOCTYPE html><html lang=\"es\"><head><meta charset=\"utf-8\">"
                       "<title>P&aacute;gina no disponible</title></head>"
                       "<body style=\"font-family: sans-serif; margin: 2em; color: #333333\">"
                       "<h2>No se pudo cargar la p&aacute;gina</h2><p>%1</p>"
                       "<p>Compruebe la conexi&oacute;n a Internet y vuelva a "
                       "intentarlo.</p>"
                       "<p style=\"color: #777777\">%2</p></body></html>")
            .arg(address.toHtmlEscaped(), loading.errorString().toHtmlEscaped());
    failedAddress_ = loading.url();
    ++ownPagesPending_;
    view_->setHtml(page, loading.url());
}

} // namespace zerval
