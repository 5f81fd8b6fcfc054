#include "converters/health/bmiclass.h"

#include "kit/checked.h"

#include <gtest/gtest.h>

using namespace zerval;

namespace {

TEST(BodyMass, IndexRoundedToTwoDecimals) {
    struct Case {
        double weight;
        double height;
        double index;
    };
    const Case cases[] = {
        {70, 1.75, 22.86},  {50, 1.80, 15.43},   {100, 1.58, 40.06},   {24.996, 1, 25},
        {24.994, 1, 24.99}, {-70, 1.75, -22.86}, {-70, -1.75, -22.86}, {0, 1.75, 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(BodyMassIndex(c.weight, c.height), c.index) << c.weight << " " << c.height;
}

TEST(BodyMass, IndexBeyondTheDoubleRangeIsAnError) {
    EXPECT_THROW(BodyMassIndex(1e300, 1e-10), FloatError);
    EXPECT_THROW(BodyMassIndex(1e307, 0.1), FloatError);
}

TEST(BodyMass, ClassesTakeTheirLowerBound) {
    struct Case {
        double index;
        const char* name;
    };
    const Case cases[] = {
        {-22.86, "Infrapeso - delgadez severa"},
        {0, "Infrapeso - delgadez severa"},
        {15.99, "Infrapeso - delgadez severa"},
        {16, "Infrapeso - delgadez moderada"},
        {16.99, "Infrapeso - delgadez moderada"},
        {17, "Infrapeso - delgadez leve"},
        {18.49, "Infrapeso - delgadez leve"},
        {18.5, "Peso normal"},
        {24.99, "Peso normal"},
        {25, "Sobrepeso - pre-obesidad"},
        {29.99, "Sobrepeso - pre-obesidad"},
        {30, "Sobrepeso - Obesidad grado I"},
        {34.99, "Sobrepeso - Obesidad grado I"},
        {35, "Sobrepeso - Obesidad grado II"},
        {39.99, "Sobrepeso - Obesidad grado II"},
        {40, "Sobrepeso - Obesidad grado III"},
        {1e300, "Sobrepeso - Obesidad grado III"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BodyMassClass(c.index).toStdString(), c.name) << c.index;
}

} // namespace
