#pragma once

#include "kit/entryreading.h"

#include <optional>

namespace zerval {

class EditBox;

// The double that a field's typed text holds: nullopt for a text that is no number, or a
// number beyond the range of a double, which the windows refuse before writing anything.
std::optional<double> doubleOf(const EntryReading& reading);

// The reading of the windows that answer a bad text with the invalid-number box and keep
// their other fields as they are. A change goes on (true) with a complete text; a typed one
// is stored in `value`, unless it is no number or lies beyond the double range: then the box
// quotes `box`, selects its text, and the change stops.
bool storeTypedEntry(const EntryReading& reading, bool typed, double& value, EditBox& box);

} // namespace zerval
