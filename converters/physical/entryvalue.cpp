#include "converters/physical/entryvalue.h"

#include "kit/checked.h"
#include "kit/showinvalidnumber.h"

namespace zerval {

std::optional<double> doubleOf(const EntryReading& reading) {
    if (!reading.value) return std::nullopt;
    try {
        return narrow(*reading.value);
    } catch (const FloatOverflow&) {
        return std::nullopt;
    }
}

bool storeTypedEntry(const EntryReading& reading, bool typed, double& value, EditBox& box) {
    if (!reading.complete() || !typed) return reading.complete();
    const std::optional<double> read = doubleOf(reading);
    if (!read) {
        ShowInvalidNumber(box);
        return false;
    }
    value = *read;
    return true;
}

} // namespace zerval
