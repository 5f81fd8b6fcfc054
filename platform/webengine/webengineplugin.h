#pragma once

#include "platform/browserengine.h"

#include <QObject>

namespace zerval {

// The browser module: Qt WebEngine behind the program's browser interface.
class WebEnginePlugin : public QObject, public BrowserEngine {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZERVAL_BROWSER_ENGINE_IID)
    Q_INTERFACES(zerval::BrowserEngine)
public:
    std::unique_ptr<BrowserControl> createBrowser(QWidget* parent) override;
};

} // namespace zerval
