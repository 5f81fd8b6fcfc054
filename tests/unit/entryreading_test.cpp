#include "kit/entryreading.h"

#include <gtest/gtest.h>

namespace zerval {
namespace {

struct ReadingCase {
    const char* text;
    char separator;
    EntryClass kind;
    bool number;
    long double value;
};

// Classified and read in one step, with nothing shown: a complete text that is no number
// comes back without a value.
TEST(EntryReading, ClassifiesAndReads) {
    const ReadingCase cases[] = {
        {"", '.', EntryClass::Empty, false, 0},
        {"-", '.', EntryClass::Incomplete, false, 0},
        {"12.", '.', EntryClass::Incomplete, false, 0},
        {"12,", ',', EntryClass::Incomplete, false, 0},
        {"12.5", '.', EntryClass::Convertible, true, 12.5L},
        {"-12,5", ',', EntryClass::Convertible, true, -12.5L},
        {"12.5", ',', EntryClass::Convertible, false, 0},
        {"1E-400", '.', EntryClass::Convertible, true, 1e-400L},
        {"1.5.5", '.', EntryClass::Convertible, false, 0},
        {"abc", '.', EntryClass::Convertible, false, 0},
    };
    for (const ReadingCase& c : cases) {
        const EntryReading reading =
            readEntry(QString::fromLatin1(c.text), QLatin1Char(c.separator));
        EXPECT_EQ(reading.kind, c.kind) << c.text;
        EXPECT_EQ(reading.value.has_value(), c.number) << c.text;
        EXPECT_EQ(reading.notANumber(), c.kind == EntryClass::Convertible && !c.number) << c.text;
        if (c.number && reading.value) {
            EXPECT_EQ(*reading.value, c.value) << c.text;
        }
    }
}

} // namespace
} // namespace zerval
