#pragma once

#include "kit/entryreading.h"

#include <exception>
#include <optional>

namespace zerval {

class EditBox;
class FieldGraph;

// The double that a field's typed text holds: nullopt for a text that is no number, or a
// number beyond the range of a double, which the windows refuse before writing anything.
std::optional<double> doubleOf(const EntryReading& reading);

// The reading of the windows that answer a bad text with the invalid-number box and keep
// their other fields as they are. A change goes on (true) with a complete text; a typed one
// is stored in `value`, unless it is no number or lies beyond the double range: then the box
// quotes `box`, selects its text, and the change stops.
bool storeTypedEntry(const EntryReading& reading, bool typed, double& value, EditBox& box);

// How these windows answer a change of `graph` that failed (FieldGraphHooks::spreadFailed),
// read under ReadMode::Raising. A typed text that is no number, or lies beyond the double
// range, gets the box quoting its own field. A hub's spread that runs out of range gets the
// box quoting the field being typed and empties the window, never half-updated; a value
// typed into another field whose hub value no double holds gets that box and writes nothing.
// False for what they leave to the window's error report.
bool answerInvalidNumber(FieldGraph& graph, int number, bool reading, std::exception_ptr error);

} // namespace zerval
