#pragma once

#include "kit/linkedfieldwindow.h"

namespace zerval {

// The flow windows (flow rate, filtration speed): every field but the hub shares one change
// handler that writes the hub whenever the hub is not being typed in, and a hub value above
// 1e200 is answered with a message, an empty window and a "1" typed into the hub.
class FlowHubWindow : public LinkedFieldWindow {
    Q_OBJECT
public:
    ~FlowHubWindow() override;

protected:
    FlowHubWindow(QWidget* owner, LinkedFieldLayout layout, QString tooLargeMessage);

    void fieldChanged(int number) override;

private:
    void Edit1Change();
    void Edit2Change(int sender);
    // The field's text classified and, when it is being typed in, read; a text that is no
    // number gets the invalid-number box. False when the handler must stop.
    bool readTyped(int number);

    OverflowGuard tooLargeGuard_;
};

} // namespace zerval
