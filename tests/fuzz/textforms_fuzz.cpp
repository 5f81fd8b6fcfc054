// The text forms of every value a window may hand them, infinities and NaNs included: they
// either write a number that reads back as the value (to the digits they keep), or raise a
// FloatError; never "inf" or "nan", never a read past a buffer.
#include "kit/checked.h"
#include "kit/numbersyntax.h"
#include "kit/textforms.h"
#include "tests/fuzz/fuzzinput.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdlib>

namespace {

void mustBeANumber(const QString& text) {
    static const QRegularExpression nonFinite(QStringLiteral("inf|nan"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (text.isEmpty() || nonFinite.match(text).hasMatch()) std::abort();
}

template <typename Form> void guarded(Form&& form) {
    try {
        form();
    } catch (const zerval::FloatError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const QChar separator = input.take<uint8_t>() & 1 ? QLatin1Char(',') : QLatin1Char('.');
    const double value = input.take<double>();
    const long double wide = input.take<long double>();
    const int decimals = input.take<int8_t>() % 24;
    const int scale = input.take<int32_t>();
    const QString pattern = input.rest().left(40);

    guarded([&] {
        const QString text = zerval::GeneralText(value, separator);
        mustBeANumber(text);
        const std::optional<long double> back = zerval::readNumber(text, separator);
        if (!back) std::abort();
        if (std::fabs(*back - value) > std::fabs(value) * 1e-14L) std::abort();
    });
    guarded([&] { mustBeANumber(zerval::GeneralText(wide, separator)); });
    guarded([&] { mustBeANumber(zerval::ResultText(value, separator)); });
    guarded([&] { mustBeANumber(zerval::RoundedText(value, decimals, separator)); });
    guarded([&] {
        if (!std::isfinite(zerval::RoundedValue(value, decimals))) std::abort();
    });
    guarded([&] {
        if (scale == 0) return;
        const long double rounded = zerval::RoundToScale(value, scale);
        if (!std::isfinite(rounded)) std::abort();
    });
    guarded([&] {
        const QString text = zerval::PatternText(value, pattern, separator);
        // Other characters of a pattern are copied as they stand, letters included.
        static const QRegularExpression picture(QStringLiteral("^[0#.Ee+-]*$"));
        if (picture.match(pattern).hasMatch()) mustBeANumber(text + QLatin1Char('0'));
    });
    return 0;
}
