#pragma once

#include "kit/entryreading.h"

#include <exception>
#include <optional>

namespace zerval {

class FieldGraph;

// The double that a field's typed text holds: nullopt for a text that is no number, or a
// number beyond the range of a double, which the windows refuse before writing anything.
std::optional<double> doubleOf(const EntryReading& reading);

// How the windows that meet a bad number with the invalid-number box and read under
// ReadMode::Raising answer a change of `graph` that failed (FieldGraphHooks::spreadFailed). A typed
// text that is no number, or lies beyond the double range, gets the box quoting its own field. A
// hub's spread that runs out of range gets the box quoting the field being typed and empties the
// window, never half-updated; a value typed into another field whose hub value no double holds gets
// that box and writes nothing. False for what they leave to the window's error report.
bool answerInvalidNumber(FieldGraph& graph, int number, bool reading, std::exception_ptr error);

} // namespace zerval
