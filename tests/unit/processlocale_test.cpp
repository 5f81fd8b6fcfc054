#include "kit/textforms.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace {

// The tests take the locale of their environment as the program does (Qt sets it from the
// environment at start-up), so that the run under a Spanish locale really has a decimal comma
// in the C library.
const bool localeTaken = std::setlocale(LC_ALL, "") != nullptr;

bool spanishRun() {
    const char* wanted = std::getenv("LC_ALL");
    return wanted != nullptr && std::strncmp(wanted, "es_ES", 5) == 0;
}

TEST(ProcessLocale, TheSpanishRunHasTheDecimalComma) {
    if (!spanishRun()) GTEST_SKIP() << "not the Spanish run";
    ASSERT_TRUE(localeTaken) << "the es_ES.UTF-8 locale is not installed on this machine";
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

TEST(ProcessLocale, NumberTextsIgnoreTheProcessLocale) {
    EXPECT_EQ(zerval::GeneralText(10.0L, u'.').toStdString(), "10");
    EXPECT_EQ(zerval::ResultText(1.5 / 3600.0, u',').toStdString(), "0,000417");
    EXPECT_EQ(zerval::PatternText(12345.678, QStringLiteral("0.0000E+00"), u',').toStdString(),
              "1,2346E+04");
}

} // namespace
