#include "converters/health/bmiclass.h"

#include "kit/checked.h"
#include "kit/textforms.h"

#include <array>

namespace zerval {

double BodyMassIndex(double weightKg, double heightMetres) {
    const double index = (Ext(weightKg) / Ext(heightMetres) / Ext(heightMetres)).toDouble();
    return narrow(RoundToScale(index, 100));
}

QString BodyMassClass(double index) {
    struct Band {
        double below;
        const char16_t* name;
    };
    static constexpr std::array<Band, 7> bands = {{
        {16.0, u"Infrapeso - delgadez severa"},
        {17.0, u"Infrapeso - delgadez moderada"},
        {18.5, u"Infrapeso - delgadez leve"},
        {25.0, u"Peso normal"},
        {30.0, u"Sobrepeso - pre-obesidad"},
        {35.0, u"Sobrepeso - Obesidad grado I"},
        {40.0, u"Sobrepeso - Obesidad grado II"},
    }};
    for (const Band& band : bands)
        if (index < band.below) return QString::fromUtf16(band.name);
    return QStringLiteral("Sobrepeso - Obesidad grado III");
}

} // namespace zerval
