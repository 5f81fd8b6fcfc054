#pragma once

#include "kit/linkedfieldwindow.h"

namespace zerval {

// The flow windows (flow rate, filtration speed): every field but the hub writes the hub
// whenever the hub is not being typed in, and a hub value above 1e200 is answered with a
// message, an empty window and a "1" typed into the hub.
class FlowHubWindow : public LinkedFieldWindow {
    Q_OBJECT
public:
    ~FlowHubWindow() override;

protected:
    // `layout` holds the window's units as hub rows (`fields`), in the cascade's order.
    FlowHubWindow(QWidget* owner, LinkedFieldLayout layout, QString tooLargeMessage);

    bool hubReady(int hub) override;
    bool spreadFailed(int number, bool reading, std::exception_ptr error) override;

private:
    OverflowGuard tooLargeGuard_;
};

} // namespace zerval
