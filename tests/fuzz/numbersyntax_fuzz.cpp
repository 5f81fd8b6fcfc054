// The number syntax as the windows read a field: whatever the text, the parse either gives a
// finite number, refuses the text with the parse-error flag, or raises FloatOverflow for a
// value beyond the double range; nothing else.
#include "kit/checked.h"
#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "tests/fuzz/fuzzinput.h"
#include "tests/fuzz/silentplatform.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    installSilentPlatform();
    FuzzInput input(data, size);
    const QChar separator = input.separator();
    const QString text = input.rest();

    const std::optional<long double> read = zerval::readNumber(text, separator);
    if (read && !std::isfinite(*read)) std::abort();
    zerval::ClassifyEntry(text, separator);

    bool parseError = false;
    try {
        const double value = zerval::ParseEntry(text, parseError, separator);
        if (parseError != !read) std::abort();
        if (!std::isfinite(value) || (parseError && value != 0.0)) std::abort();
    } catch (const zerval::FloatOverflow&) {
        if (!read || std::fabs(*read) <= 1.7976931348623157e308L) std::abort();
    }
    return 0;
}
