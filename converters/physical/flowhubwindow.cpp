#include "converters/physical/flowhubwindow.h"

#include "converters/physical/entryvalue.h"
#include "kit/showinvalidnumber.h"
#include "platform/editbox.h"

namespace zerval {

namespace {

constexpr int kHub = 1;
constexpr double kLimit = 1e200;
constexpr int kResetPauseMilliseconds = 200;

// The plain message, then a "1" typed into the hub; the window is emptied meanwhile.
OverflowGuard tooLargeGuard(QString message) {
    return {kLimit,
            std::move(message),
            QString(),
            MessageIcon::None,
            kHub,
            0.0,
            QStringLiteral("1"),
            kResetPauseMilliseconds};
}

} // namespace

FlowHubWindow::FlowHubWindow(QWidget* owner, LinkedFieldLayout layout, QString tooLargeMessage)
    : LinkedFieldWindow(owner, std::move(layout))
    , tooLargeGuard_(tooLargeGuard(std::move(tooLargeMessage))) {}

FlowHubWindow::~FlowHubWindow() = default;

void FlowHubWindow::fieldChanged(int number) {
    if (number == kHub)
        Edit1Change();
    else
        Edit2Change(number);
}

void FlowHubWindow::Edit1Change() {
    if (locked(kHub)) return;
    setLocked(kHub, true);
    if (!readTyped(kHub)) return;
    // Only large positive values are refused here; a large negative one is caught below if
    // some unit runs out of range.
    if (value(kHub) > kLimit) {
        runGuard(tooLargeGuard_);
        ClearAllFields();
        return;
    }
    try {
        cascadeFrom(kHub);
    } catch (const FloatError&) {
        // A value that runs out of range part-way must not leave new numbers beside old ones.
        ShowInvalidNumber(*field(inputField()));
        ClearAllFields();
    }
}

void FlowHubWindow::Edit2Change(int sender) {
    if (!readTyped(sender)) return;
    if (field(kHub)->hasInputFocus()) return;
    const LinkedField& unit = *linkedField(sender);
    double hubValue = 0.0;
    try {
        hubValue = unit.toHub(Ext(value(sender))).toDouble();
    } catch (const FloatOverflow&) {
        ShowInvalidNumber(*field(inputField()));
        return;
    }
    // Written whether or not the cascade lock is set: while it is set, the hub's own change
    // goes no further.
    writeField(kHub, hubValue, unit.hubForm);
}

bool FlowHubWindow::readTyped(int number) {
    const bool typed = field(number)->hasInputFocus();
    return storeTypedEntry(classifyAndRead(number, typed), typed, value(number), *field(number));
}

} // namespace zerval
