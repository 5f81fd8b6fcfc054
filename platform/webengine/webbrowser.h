#pragma once

#include "platform/browsercontrol.h"

class QWebEngineView;

namespace zerval {

// The embedded browser of the desktop, on Qt WebEngine.
class WebBrowser : public BrowserControl {
public:
    explicit WebBrowser(QWidget* parent);
    QWidget* widget() override;
    void navigate(const QString& address) override;
    void back() override;
    void forward() override;
    void refresh() override;
    void saveAs() override;
    void print() override;

private:
    QWebEngineView* view_;
};

} // namespace zerval
