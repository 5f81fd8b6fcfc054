#include "converters/physical/entryvalue.h"

#include "kit/checked.h"
#include "kit/fieldgraph.h"
#include "kit/showinvalidnumber.h"

namespace zerval {

namespace {
template <typename Error> bool raised(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Error&) {
        return true;
    } catch (...) {
        return false;
    }
}
} // namespace

bool answerInvalidNumber(FieldGraph& graph, int number, bool reading, std::exception_ptr error) {
    if (reading) {
        if (!raised<UnreadableNumber>(error) && !raised<FloatOverflow>(error)) return false;
        ShowInvalidNumber(*graph.field(number));
        return true;
    }
    const bool hub = number == graph.layout().hub;
    if (hub ? !raised<FloatError>(error) : !raised<FloatOverflow>(error)) return false;
    ShowInvalidNumber(*graph.field(graph.inputField()));
    if (hub) graph.clearAllFields();
    return true;
}

} // namespace zerval
