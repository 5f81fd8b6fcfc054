#include "platform/webengine/webengineplugin.h"

#include "platform/webengine/webbrowser.h"

namespace zerval {

std::unique_ptr<BrowserControl> WebEnginePlugin::createBrowser(QWidget* parent) {
    return std::make_unique<WebBrowser>(parent);
}

} // namespace zerval
