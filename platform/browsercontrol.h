#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace zerval {

// The embedded browser as the windows use it.
class BrowserControl {
public:
    virtual ~BrowserControl() = default;
    // What a navigation started by the window asks of the control, as its flags say.
    enum NavigationFlag {
        NoReadFromCache = 4,  // fetch the page afresh
        AllowAutosearch = 16, // a text that is no address goes to the web search
    };

    virtual QWidget* widget() = 0;
    // Loads an address; `flags` combines NavigationFlag values. The before-navigate hook runs
    // first, as for every navigation.
    virtual void navigate(const QString& address, int flags = 0) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void refresh() = 0;
    virtual void saveAs() = 0;
    virtual void print() = 0;
    // Called before a navigation leaves the page; returning false cancels it.
    std::function<bool(const QString& address)> beforeNavigate;
};

} // namespace zerval
