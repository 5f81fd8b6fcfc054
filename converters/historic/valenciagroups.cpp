#include "converters/historic/valenciagroups.h"

#include "kit/checked.h"
#include "kit/textforms.h"

#include <cmath>

namespace zerval {

namespace {

constexpr long double kVara = 0.906L;
constexpr long double kSquareVara = 0.820836L;
constexpr long double kCubicVara = 0.743677416L;

} // namespace

const std::vector<ValencianGroup>& valencianGroups() {
    static const std::vector<ValencianGroup> groups = {
        {QStringLiteral("Longitud"),
         1,
         {
             {2, 1, 1.1037527593818984212L, kVara},
             {3, 2, 3, (1.0L / 3) * kVara},
             {4, 2, 4, 0.25L * kVara},
             {6, 3, 12, (1.0L / 36) * kVara},
             {5, 3, 16, (1.0L / 48) * kVara},
             {7, 6, 12, (1.0L / 432) * kVara},
             {8, 2, 5184, (1.0L / 5184) * kVara},
         },
         Spelling::Length,
         2,
         1,
         8},
        // The square vara comes before the fanega and the estadal that are measured in it.
        {QStringLiteral("Agrarias"),
         9,
         {
             {17, 9, 0.01L, 100},
             {15, 9, 1.2182701538431550123L, kSquareVara},
             {10, 15, 0.000987654320987654321L, 831.09645L},
             {11, 10, 4, 207.7741125L},
             {12, 10, 12, 69.2580375L},
             {13, 10, 48, 17.314509375L},
             {14, 15, 0.0625L, 13.133376L},
             {16, 9, 0.24065071954565142965L, 4.1554L},
         },
         Spelling::None,
         0,
         9,
         17},
        {QStringLiteral("Superficie"),
         18,
         {
             {19, 18, 1.2182701538431550123L, kSquareVara},
             {20, 19, 9, (1.0L / 9) * kSquareVara},
             {21, 19, 16, 0.0625L * kSquareVara},
             {22, 20, 144, (1.0L / 1296) * kSquareVara},
             {23, 20, 256, (1.0L / 2304) * kSquareVara},
             {24, 22, 144, (1.0L / 186624) * kSquareVara},
             {25, 19, 26873856, (1.0L / 26873856) * kSquareVara},
         },
         Spelling::Surface,
         19,
         18,
         25},
        {QStringLiteral("Volumen"),
         26,
         {
             {27, 26, 1.3446690439769922396L, kCubicVara},
             {28, 27, 27, 0.027543608L},
             {29, 27, 64, 0.011619959625L},
             {30, 28, 1728, kCubicVara / 46656},
             {31, 28, 4096, kCubicVara / 110592},
             {32, 30, 1728, kCubicVara / 80621568},
             {33, 27, 139314069504.0L, kCubicVara / 139314069504.0L},
         },
         Spelling::Volume,
         27,
         26,
         33},
        {QStringLiteral("Peso"),
         34,
         {
             {35, 34, 0.001L, 1000},
             {36, 35, 1.0L / 710, 710000},
             {37, 36, 20, 35500},
             {38, 36, 80, 8875},
             {39, 36, 2000, 355},
             {40, 36, 32000, 22.1875L},
             {41, 36, 512000, 1.38671875L},
             {42, 36, 18432000, 0.03851996527777776057L},
         },
         Spelling::Weight,
         39,
         34,
         42},
        {QStringLiteral("Vino"),
         43,
         {
             {44, 43, 0.092850510677808731625L, 10.77L},
             {45, 44, 16, 10.77L * 0.0625L},
         },
         Spelling::None,
         0,
         43,
         45},
        {QStringLiteral("Aceite"),
         46,
         {
             {47, 46, 0.08382229673093042949L, 11.93L},
             {48, 46, 0.335L, 2.9850746268656714636L},
         },
         Spelling::None,
         0,
         46,
         48},
    };
    return groups;
}

const ValencianGroup* valencianGroupOf(int number) {
    for (const ValencianGroup& group : valencianGroups())
        if (number >= group.first && number <= group.last) return &group;
    return nullptr;
}

std::map<int, double> groupValues(const ValencianGroup& group, double hubValue, int activeField,
                                  double activeValue) {
    std::map<int, double> values;
    values[group.hub] = hubValue;
    for (const ValencianField& field : group.fields) {
        if (field.number == activeField) {
            values[field.number] = activeValue;
            continue;
        }
        values[field.number] = (Ext(values.at(field.source)) * Ext(field.factor)).toDouble();
    }
    return values;
}

namespace {

struct Step {
    long double ratio; // how many of this unit make one of the unit above
    const char* plural;
    const char* singular;
};

struct Scheme {
    const char* plural;
    const char* singular;
    std::vector<Step> steps;
    // The whole smaller units counted again from the amount itself: the share of one large
    // unit that each of the first two smaller units stands for, and the parts of a large unit
    // in the third (it keeps the small units of the first two exact).
    long double share1 = 0;
    long double share2 = 0;
    long double thirdPerLarge = 0;
};

const Scheme& schemeOf(Spelling spelling) {
    static const Scheme length{" varas,\n",
                               " vara,\n",
                               {{4, " palmos,\n", " palmo,\n"},
                                {4, " cuartos,\n", " cuarto,\n"},
                                {3, " dedos,\n", " dedo,\n"},
                                {9, " líneas,\n", " línea,\n"},
                                {1000, " milésimas de línea.", " milésima de línea."}},
                               0.25L,
                               0.0625L,
                               48};
    static const Scheme surface{
        " varas cuadradas,\n",
        " vara cuadrada,\n",
        {{16, " palmos cuadrados,\n", " palmo cuadrado,\n"},
         {16, " cuartos cuadrados,\n", " cuarto cuadrado,\n"},
         {9, " dedos cuadrados,\n", " dedo cuadrado,\n"},
         {81, " líneas cuadradas,\n", " línea cuadrada,\n"},
         {1000, " milésimas de línea cuadrada.", " milésima de línea cuadrada."}},
        0.0625L,
        0.00390625L,
        2304};
    static const Scheme volume{
        " varas cúbicas,\n",
        " vara cúbica,\n",
        {{64, " palmos cúbicos,\n", " palmo cúbico,\n"},
         {64, " cuartos cúbicos,\n", " cuarto cúbico,\n"},
         {27, " dedos cúbicos,\n", " dedo cúbico,\n"},
         {729, " líneas cúbicas,\n", " línea cúbica,\n"},
         {1000, " milésimas de línea cúbica.", " milésima de línea cúbica."}},
        0.015625L,
        0.000244140625L,
        110592};
    static const Scheme weight{" libras,\n",
                               " libra,\n",
                               {{16, " onzas,\n", " onza,\n"},
                                {4, " cuartas,\n", " cuarta,\n"},
                                {1000, " milésimas de cuarta.", " milésima de cuarta."}}};
    switch (spelling) {
    case Spelling::Surface:
        return surface;
    case Spelling::Volume:
        return volume;
    case Spelling::Weight:
        return weight;
    default:
        return length;
    }
}

} // namespace

QString SpellCompound(Spelling spelling, double amount, QChar separator) {
    if (spelling == Spelling::None) return QString();
    const Scheme& scheme = schemeOf(spelling);
    const std::size_t steps = scheme.steps.size();
    // counts[0] is the large unit; counts[i] the unit of steps[i - 1].
    std::vector<long double> counts(steps + 1, 0.0L);
    const long double x = amount;
    long double part = x;
    counts[0] = std::floor(part);
    for (std::size_t i = 1; i <= steps; ++i) {
        const Step& step = scheme.steps[i - 1];
        if (i == steps) {
            // The last subdivision is rounded to thousandths.
            counts[i] = std::floor((part - counts[i - 1]) * 1000000000.0L * 0.000001L + 0.5L);
            break;
        }
        if (i == 3 && scheme.thirdPerLarge != 0)
            part = (x - (counts[0] + counts[1] * scheme.share1 + counts[2] * scheme.share2)) *
                   scheme.thirdPerLarge;
        else
            part = (part - counts[i - 1]) * step.ratio;
        counts[i] = std::floor(part);
    }
    // A count that reaches its unit's ratio becomes one more of the unit above.
    for (std::size_t i = steps; i >= 1; --i)
        if (counts[i] == scheme.steps[i - 1].ratio) {
            counts[i] = 0;
            counts[i - 1] += 1;
        }
    QString text;
    for (std::size_t i = 0; i <= steps; ++i) {
        const bool one = counts[i] == 1.0L;
        const char* name = i == 0
                               ? (one ? scheme.singular : scheme.plural)
                               : (one ? scheme.steps[i - 1].singular : scheme.steps[i - 1].plural);
        text += GeneralText(counts[i], separator) + QString::fromUtf8(name);
    }
    return text;
}

} // namespace zerval
