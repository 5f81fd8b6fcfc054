#pragma once

#include "platform/browsercontrol.h"

#include <QPointer>
#include <QUrl>
#include <QWebEngineView>

class QWebEngineLoadingInfo;

namespace zerval {

// The embedded browser of the desktop, on Qt WebEngine.
class WebBrowser : public BrowserControl {
public:
    explicit WebBrowser(QWidget* parent);
    ~WebBrowser() override;
    QWidget* widget() override;
    void navigate(const QString& address, int flags = 0) override;
    void back() override;
    void forward() override;
    void refresh() override;
    void saveAs() override;
    void print() override;

    // Whether the hook lets the control load `url`. The browser's own page about a failed
    // load passes without asking.
    bool allows(const QUrl& url);

private:
    void showLoadFailure(const QWebEngineLoadingInfo& loading);

    QPointer<QWebEngineView> view_;
    int ownPagesPending_ = 0;
    QUrl failedAddress_;
};

} // namespace zerval
