#include "converters/physical/entryvalue.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace zerval {
namespace {

struct DoubleCase {
    const char* text;
    bool number;
    double value;
};

// A typed text stored as a double: no number, and numbers beyond the double range of either
// sign, give nothing; a number that underflows is kept as the double it rounds to.
TEST(EntryValue, TypedTextAsDouble) {
    const DoubleCase cases[] = {
        {"12.5", true, 12.5},
        {"-1E308", true, -1e308},
        {"1.7976931348623157E308", true, DBL_MAX},
        {"1E-320", true, 1e-320},
        {"1E309", false, 0},
        {"-1E400", false, 0},
        {"1.5.5", false, 0},
        {"NaN", false, 0},
        {"inf", false, 0},
    };
    for (const DoubleCase& c : cases) {
        const std::optional<double> read =
            doubleOf(readEntry(QString::fromLatin1(c.text), QLatin1Char('.')));
        EXPECT_EQ(read.has_value(), c.number) << c.text;
        if (c.number && read) {
            EXPECT_EQ(*read, c.value) << c.text;
        }
    }
}

} // namespace
} // namespace zerval
