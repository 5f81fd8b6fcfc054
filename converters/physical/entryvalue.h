#pragma once

#include "kit/entryreading.h"

#include <exception>

namespace zerval {

class FieldGraph;

// How the windows that meet a bad number with the invalid-number box and read under
// ReadMode::Raising answer a change of `graph` that failed (FieldGraphHooks::spreadFailed). A typed
// text that is no number, or lies beyond the double range, gets the box quoting its own field. A
// hub's spread that runs out of range gets the box quoting the field being typed and empties the
// window, never half-updated; a value typed into another field whose hub value no double holds gets
// that box and writes nothing. False for what they leave to the window's error report.
bool answerInvalidNumber(FieldGraph& graph, int number, bool reading, std::exception_ptr error);

} // namespace zerval
