#pragma once

#include "platform/browsercontrol.h"

#include <QtPlugin>

#include <memory>

class QWidget;

namespace zerval {

// What the browser module gives: the embedded browser, made on the module's own engine. The
// program links no browser engine; the module is loaded the first time a window asks for one.
class BrowserEngine {
public:
    virtual ~BrowserEngine() = default;
    virtual std::unique_ptr<BrowserControl> createBrowser(QWidget* parent) = 0;
};

} // namespace zerval

#define ZERVAL_BROWSER_ENGINE_IID "org.zerval.BrowserEngine/1"
Q_DECLARE_INTERFACE(zerval::BrowserEngine, ZERVAL_BROWSER_ENGINE_IID)
