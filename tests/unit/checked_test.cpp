#include "kit/checked.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using zerval::Ext;

enum class Raises { Nothing, Overflow, DivideByZero, Invalid };

struct Row {
    std::string what;
    std::function<long double()> operation;
    Raises raises;
    long double expected = 0.0L; // when nothing is raised
};

void check(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        switch (row.raises) {
        case Raises::Nothing: {
            const long double value = row.operation();
            EXPECT_EQ(value, row.expected);
            EXPECT_EQ(std::signbit(value), std::signbit(row.expected));
            break;
        }
        case Raises::Overflow:
            EXPECT_THROW(row.operation(), zerval::FloatOverflow);
            break;
        case Raises::DivideByZero:
            EXPECT_THROW(row.operation(), zerval::FloatDivideByZero);
            break;
        case Raises::Invalid:
            EXPECT_THROW(row.operation(), zerval::FloatInvalid);
            break;
        }
    }
}

constexpr long double kHuge = LDBL_MAX;
constexpr long double kTiny = LDBL_TRUE_MIN;

TEST(CheckedArithmetic, OperatorsRaiseInsteadOfGivingInfinitiesOrNaNs) {
    check({
        {"2^1000 * 2^1000 fits the extended range",
         [] { return (Ext(0x1p1000L) * Ext(0x1p1000L)).raw(); }, Raises::Nothing, 0x1p2000L},
        {"max * 2", [] { return (Ext(kHuge) * Ext(2)).raw(); }, Raises::Overflow},
        {"max * -2", [] { return (Ext(kHuge) * Ext(-2)).raw(); }, Raises::Overflow},
        {"max + max", [] { return (Ext(kHuge) + Ext(kHuge)).raw(); }, Raises::Overflow},
        {"-max - max", [] { return (-Ext(kHuge) - Ext(kHuge)).raw(); }, Raises::Overflow},
        {"max / 0.5", [] { return (Ext(kHuge) / Ext(0.5)).raw(); }, Raises::Overflow},
        {"1 / 0", [] { return (Ext(1) / Ext(0)).raw(); }, Raises::DivideByZero},
        {"-1 / 0", [] { return (Ext(-1) / Ext(0)).raw(); }, Raises::DivideByZero},
        {"1 / -0", [] { return (Ext(1) / Ext(-0.0)).raw(); }, Raises::DivideByZero},
        {"0 / 0", [] { return (Ext(0) / Ext(0)).raw(); }, Raises::Invalid},
        {"-0 / 0", [] { return (Ext(-0.0) / Ext(0)).raw(); }, Raises::Invalid},
        {"6 / 3", [] { return (Ext(6) / Ext(3)).raw(); }, Raises::Nothing, 2.0L},
        {"1 / 3 at extended precision", [] { return (Ext(1.0L) / Ext(3.0L)).raw(); },
         Raises::Nothing, 1.0L / 3.0L},
        // Underflow passes silently.
        {"tiny * tiny", [] { return (Ext(kTiny) * Ext(kTiny)).raw(); }, Raises::Nothing, 0.0L},
        {"-tiny / max", [] { return (-Ext(kTiny) / Ext(kHuge)).raw(); }, Raises::Nothing, -0.0L},
        {"1e-4000 * 1e-4000", [] { return (Ext(1e-4000L) * Ext(1e-4000L)).raw(); }, Raises::Nothing,
         0.0L},
    });
}

TEST(CheckedArithmetic, LibraryFunctions) {
    check({
        {"floor(-2.5)", [] { return zerval::floorExt(Ext(-2.5)).raw(); }, Raises::Nothing, -3.0L},
        {"sqrt(2.25)", [] { return zerval::sqrtExt(Ext(2.25)).raw(); }, Raises::Nothing, 1.5L},
        {"sqrt(-0)", [] { return zerval::sqrtExt(Ext(-0.0)).raw(); }, Raises::Nothing, -0.0L},
        {"sqrt(-1)", [] { return zerval::sqrtExt(Ext(-1)).raw(); }, Raises::Invalid},
        // Found by fuzzing: an operand with no finite value never comes out as a result.
        {"sqrt(NaN)", [] { return zerval::sqrtExt(Ext(std::nanl(""))).raw(); }, Raises::Invalid},
        {"sqrt(inf)", [] { return zerval::sqrtExt(Ext(HUGE_VALL)).raw(); }, Raises::Overflow},
        {"pow(2, 10)", [] { return zerval::powExt(Ext(2), Ext(10)).raw(); }, Raises::Nothing,
         1024.0L},
        {"pow(10, 5000)", [] { return zerval::powExt(Ext(10), Ext(5000)).raw(); },
         Raises::Overflow},
        {"pow(10, -5000)", [] { return zerval::powExt(Ext(10), Ext(-5000)).raw(); },
         Raises::Nothing, 0.0L},
        {"pow(-8, 0.5)", [] { return zerval::powExt(Ext(-8), Ext(0.5)).raw(); }, Raises::Invalid},
        {"pow(0, -1)", [] { return zerval::powExt(Ext(0), Ext(-1)).raw(); }, Raises::DivideByZero},
        {"pow(0, -0.5)", [] { return zerval::powExt(Ext(0), Ext(-0.5)).raw(); },
         Raises::DivideByZero},
        {"pow(0, 2)", [] { return zerval::powExt(Ext(0), Ext(2)).raw(); }, Raises::Nothing, 0.0L},
    });
}

TEST(CheckedArithmetic, NarrowingToADouble) {
    const long double justAbove = static_cast<long double>(DBL_MAX) * 1.000001L;
    check({
        {"double max", [] { return zerval::narrow(DBL_MAX); }, Raises::Nothing,
         static_cast<long double>(DBL_MAX)},
        {"1e309", [] { return zerval::narrow(1e309L); }, Raises::Overflow},
        {"-1e309", [] { return zerval::narrow(-1e309L); }, Raises::Overflow},
        {"just above double max", [=] { return zerval::narrow(justAbove); }, Raises::Overflow},
        {"extended max", [] { return zerval::narrow(kHuge); }, Raises::Overflow},
        {"Ext(1e300 * 1e300) stored", [] { return (Ext(1e300) * Ext(1e300)).toDouble(); },
         Raises::Overflow},
        {"infinity", [] { return zerval::narrow(std::numeric_limits<long double>::infinity()); },
         Raises::Overflow},
        {"NaN", [] { return zerval::narrow(std::numeric_limits<long double>::quiet_NaN()); },
         Raises::Invalid},
        // Too small for a double: underflows silently.
        {"1e-400", [] { return zerval::narrow(1e-400L); }, Raises::Nothing, 0.0L},
        {"-1e-400", [] { return zerval::narrow(-1e-400L); }, Raises::Nothing, -0.0L},
        {"extended tiny", [] { return zerval::narrow(kTiny); }, Raises::Nothing, 0.0L},
        {"1e-310 stays a denormal", [] { return zerval::narrow(1e-310L); }, Raises::Nothing,
         static_cast<long double>(1e-310)},
        {"Ext(1e-300 * 1e-300) stored", [] { return (Ext(1e-300) * Ext(1e-300)).toDouble(); },
         Raises::Nothing, 0.0L},
        {"one third rounded to a double", [] { return zerval::narrow(1.0L / 3.0L); },
         Raises::Nothing, static_cast<long double>(1.0 / 3.0)},
    });
}

TEST(CheckedArithmetic, ErrorsAreFloatErrorsWithAMessage) {
    const std::vector<std::function<void()>> raisers = {
        [] { zerval::narrow(1e309L); },
        [] { (void)(Ext(1) / Ext(0)); },
        [] { (void)(Ext(0) / Ext(0)); },
    };
    for (const auto& raise : raisers) {
        try {
            raise();
            ADD_FAILURE() << "nothing raised";
        } catch (const zerval::FloatError& error) {
            EXPECT_NE(std::string(error.what()), "");
        }
    }
}

} // namespace
