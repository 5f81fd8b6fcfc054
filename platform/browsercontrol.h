#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace zerval {

// The embedded browser as the windows use it.
class BrowserControl {
public:
    virtual ~BrowserControl() = default;
    virtual QWidget* widget() = 0;
    virtual void navigate(const QString& address) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void refresh() = 0;
    virtual void saveAs() = 0;
    virtual void print() = 0;
    // Called before a navigation leaves the page; returning false cancels it.
    std::function<bool(const QString& address)> beforeNavigate;
};

} // namespace zerval
