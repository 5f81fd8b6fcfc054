#include "converters/physical/flowhubwindow.h"

#include "converters/physical/entryvalue.h"

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

// Every unit writes the hub unless the hub is being typed in, whether or not the cascade
// lock is set: while it is set, the hub's own change goes no further.
LinkedFieldLayout flowGraph(LinkedFieldLayout layout) {
    layout.reading = ReadMode::Raising;
    for (LinkedField& unit : layout.fields) {
        FieldRow row{unit.number, unit.source, std::move(unit.fromSource),
                     unit.form,   kHub,        std::move(unit.toHub),
                     unit.hubForm};
        row.parentWrite = ParentWrite::UnlessParentFocused;
        layout.rows.push_back(std::move(row));
    }
    layout.fields.clear();
    return layout;
}

} // namespace

FlowHubWindow::FlowHubWindow(QWidget* owner, LinkedFieldLayout layout, QString tooLargeMessage)
    : LinkedFieldWindow(owner, flowGraph(std::move(layout)))
    , tooLargeGuard_(tooLargeGuard(std::move(tooLargeMessage))) {}

FlowHubWindow::~FlowHubWindow() = default;

// Only large positive values are refused here; a large negative one is answered by
// spreadFailed if some unit runs out of range.
bool FlowHubWindow::hubReady(int) {
    if (value(kHub) <= kLimit) return true;
    runGuard(tooLargeGuard_);
    ClearAllFields();
    return false;
}

bool FlowHubWindow::spreadFailed(int number, bool reading, std::exception_ptr error) {
    return answerInvalidNumber(graph(), number, reading, error);
}

} // namespace zerval
