#include "converters/physical/flowhubwindow.h"

#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "kit/showinvalidnumber.h"
#include "platform/editbox.h"

#include <stdexcept>

namespace zerval {

namespace {

constexpr int kHub = 1;
constexpr double kLimit = 1e200;
constexpr int kResetPauseMilliseconds = 200;

class NotANumber : public std::runtime_error {
public:
    NotANumber()
        : std::runtime_error("not a number") {}
};

double readText(const EditBox& box, QChar separator) {
    const std::optional<long double> read = readNumber(box.text(), separator);
    if (!read) throw NotANumber();
    return narrow(*read);
}

} // namespace

FlowHubWindow::FlowHubWindow(QWidget* owner, LinkedFieldLayout layout, QString tooLargeMessage)
    : LinkedFieldWindow(owner, std::move(layout))
    , tooLargeMessage_(std::move(tooLargeMessage)) {}

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
    EditBox* hub = field(kHub);
    switch (ClassifyEntry(hub->text(), separator())) {
    case EntryClass::Empty:
        ClearAllFields();
        return;
    case EntryClass::Incomplete:
        return;
    case EntryClass::Convertible:
        break;
    }
    if (hub->hasInputFocus()) {
        try {
            value(kHub) = readText(*hub, separator());
        } catch (...) {
            // Nothing has been written yet: the other fields keep their numbers.
            showInvalidNumber();
            return;
        }
    }
    // Only large positive values are refused here; a large negative one is caught below if
    // some unit runs out of range.
    if (value(kHub) > kLimit) {
        platform().plainMessage(tooLargeMessage_);
        value(kHub) = 0.0;
        setActiveField(kHub);
        ClearAllFields();
        hub->setFocus();
        platform().pause(kResetPauseMilliseconds);
        platform().queueKeystroke(QLatin1Char('1'));
        return;
    }
    try {
        for (const LinkedField& linked : layout().fields) {
            if (linked.number == activeField() || linked.number == kHub) continue;
            writeChild(linked);
        }
    } catch (...) {
        // A value that runs out of range part-way must not leave new numbers beside old ones.
        showInvalidNumber();
        ClearAllFields();
    }
}

void FlowHubWindow::Edit2Change(int sender) {
    switch (ClassifyEntry(field(sender)->text(), separator())) {
    case EntryClass::Empty:
        ClearAllFields();
        return;
    case EntryClass::Incomplete:
        return;
    case EntryClass::Convertible:
        break;
    }
    double hubValue = value(kHub);
    for (const LinkedField& linked : layout().fields) {
        EditBox* box = field(linked.number);
        if (!box->hasInputFocus()) continue;
        try {
            value(linked.number) = readText(*box, separator());
            hubValue = linked.toHub(Ext(value(linked.number))).toDouble();
        } catch (...) {
            showInvalidNumber();
            return;
        }
        break;
    }
    if (field(kHub)->hasInputFocus()) return;
    // Written whether or not the cascade lock is set: while it is set, the hub's own change
    // goes no further.
    const QString hubText = field(kHub)->text();
    writeField(kHub, hubValue, generalForm);
    // The same text raises no change, but the other fields must still follow the new value.
    if (field(kHub)->text() == hubText && !locked(kHub)) Edit1Change();
}

void FlowHubWindow::showInvalidNumber() {
    ShowInvalidNumber(*field(inputField()));
}

} // namespace zerval
