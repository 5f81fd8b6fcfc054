#include "converters/historic/andalusiafactors.h"

#include <array>
#include <cmath>
#include <vector>

namespace zerval {

namespace {

using Row = std::array<double, kProvinces>;

enum Province { Almeria, Cadiz, Cordoba, Granada, Huelva, Jaen, Malaga, Sevilla };

// The stored factor of a unit given by its metric amount: 1/x in double precision.
double inverse(double amount) {
    return 1.0 / amount;
}

Row inverses(const Row& amounts) {
    Row row{};
    for (int p = 0; p < kProvinces; ++p)
        row[std::size_t(p)] = inverse(amounts[std::size_t(p)]);
    return row;
}

Row scaled(const Row& base, double k) {
    Row row{};
    for (int p = 0; p < kProvinces; ++p)
        row[std::size_t(p)] = double(static_cast<long double>(base[std::size_t(p)]) * k);
    return row;
}

Row same(double value) {
    Row row{};
    row.fill(value);
    return row;
}

// Varas per metre: Almería's and Jaén's varas were shorter than Castile's.
constexpr long double kAlmeriaVaras = 1.2004801920768307861L;
constexpr long double kJaenVaras = 1.1918951132300358022L;
constexpr long double kCastileVaras = 1.1963081929166591767L;
constexpr long double kKilogramLibras = 2.1734736238108383654L;

long double varasPerMetre(int province) {
    if (province == Almeria) return kAlmeriaVaras;
    if (province == Jaen) return kJaenVaras;
    return kCastileVaras;
}

const Row kFanegaSquareMetres = {6439.5617, 6439.5617, 6121.2287, 6439.5617,
                                 3689.3323, 6262.7812, 6037.0891, 5944.7248};
const Row kOilArrobaLitres = {12.14, 12.52, 12.563, 12.563, 12.563, 14.24, 12.563, 12.563};

Row squareVaras() {
    const double castile = 1.0 / 0.835905;
    const double jaen = 1.0 / 0.839;
    Row row = same(double(static_cast<long double>(castile) * castile));
    row[Almeria] = 1.4411526915688246;
    row[Jaen] = double(static_cast<long double>(jaen) * jaen);
    return row;
}

std::vector<Row> buildFactors(int grid) {
    switch (grid) {
    case 1: {
        // Shown as quantity x varas per metre; the vara of the rest of Andalusia is Castile's.
        Row vara = same(1.0 / 0.835905);
        vara[Almeria] = double(kAlmeriaVaras);
        vara[Jaen] = double(kJaenVaras);
        return {vara, same(1.0 / 5572.699)};
    }
    case 2:
        return {same(double(kKilogramLibras))};
    case 3:
        return {inverses({16.36, 15.844, 16.31, 16.42, 15.78, 16.04, 16.66, 15.66}),
                inverses(kOilArrobaLitres),
                inverses({27.531, 27.272, 27.6, 27.35, 27.531, 27.37, 26.97, 27.35})};
    case 4: {
        Row tahulla = same(-1.0);
        tahulla[Almeria] = inverse(1118.2336);
        return {inverses(kFanegaSquareMetres), tahulla, squareVaras()};
    }
    case 5: {
        const Row square = squareVaras();
        Row cubic{};
        for (int p = 0; p < kProvinces; ++p)
            cubic[std::size_t(p)] =
                double(static_cast<long double>(square[std::size_t(p)]) * varasPerMetre(p));
        return {cubic};
    }
    case 6: {
        Row toesa = same(inverse(1.67181));
        toesa[Almeria] = inverse(1.666);
        toesa[Jaen] = inverse(1.678);
        const Row pie = scaled(toesa, 6);
        const Row pulgada = scaled(pie, 12);
        const Row linea = scaled(pulgada, 12);
        return {toesa, scaled(toesa, 2), pie, pulgada, linea, scaled(linea, 12)};
    }
    case 7: {
        const Row libra = same(inverse(0.460093));
        const Row arroba = scaled(libra, 0.04);
        const Row quintal = scaled(arroba, 0.25);
        const Row onza = scaled(libra, 16);
        const Row adarme = scaled(onza, 16);
        const Row tomin = scaled(adarme, 3);
        return {scaled(quintal, 0.05), quintal, arroba, libra, onza, adarme, tomin,
                scaled(tomin, 12)};
    }
    case 8: {
        const Row moyo =
            inverses({261.76, 253.504, 260.96, 262.72, 252.48, 256.64, 266.56, 250.56});
        const Row cantara = scaled(moyo, 16);
        // Huelva measured its wine in jarros where the others had azumbres.
        Row azumbre = scaled(cantara, 8);
        azumbre[Almeria] = double(static_cast<long double>(cantara[Almeria]) * 9);
        azumbre[Huelva] = 0.0;
        Row jarro = same(0.0);
        jarro[Huelva] = double(static_cast<long double>(cantara[Huelva]) * 16);
        Row cuartillo = scaled(azumbre, 4);
        cuartillo[Huelva] = double(static_cast<long double>(jarro[Huelva]) * 2);
        return {moyo, cantara, azumbre, jarro, cuartillo, scaled(cuartillo, 4)};
    }
    case 9: {
        const Row cahiz =
            inverses({660.744, 654.528, 662.4, 656.4, 660.744, 656.88, 647.28, 656.4});
        const Row fanega = scaled(cahiz, 12);
        const Row celemin = scaled(fanega, 12);
        const Row cuartillo = scaled(celemin, 4);
        const Row ochavo = scaled(cuartillo, 4);
        return {cahiz, fanega, celemin, cuartillo, ochavo, scaled(ochavo, 4)};
    }
    case 10: {
        const Row cantara = inverses(kOilArrobaLitres);
        Row libra = scaled(cantara, 25);
        libra[Jaen] = double(static_cast<long double>(cantara[Jaen]) * 27);
        const Row panilla = scaled(libra, 4);
        return {cantara, libra, panilla, scaled(panilla, 4)};
    }
    case 11: {
        // Land measured by the seed it takes: these square varas follow each province's
        // fanega and differ from those of grid 4, as the source publishes them.
        const Row fanega = inverses(kFanegaSquareMetres);
        const Row celemin = scaled(fanega, 12);
        const Row cuartillo = scaled(celemin, 4);
        const Row estadal = scaled(cuartillo, 12);
        const Row vara = scaled(estadal, 16);
        return {fanega, scaled(estadal, 0.0025), celemin, cuartillo, estadal,
                vara,   scaled(vara, 9)};
    }
    default:
        return {};
    }
}

const std::vector<Row>& factors(int grid) {
    static const std::array<std::vector<Row>, kAndalusianGrids> tables = [] {
        std::array<std::vector<Row>, kAndalusianGrids> all;
        for (int g = 1; g <= kAndalusianGrids; ++g)
            all[std::size_t(g - 1)] = buildFactors(g);
        return all;
    }();
    return tables[std::size_t(grid - 1)];
}

} // namespace

const QStringList& andalusianProvinces() {
    static const QStringList names = {QStringLiteral("Almería"), QStringLiteral("Cádiz"),
                                      QStringLiteral("Córdoba"), QStringLiteral("Granada"),
                                      QStringLiteral("Huelva"),  QStringLiteral("Jaén"),
                                      QStringLiteral("Málaga"),  QStringLiteral("Sevilla")};
    return names;
}

const AndalusianGrid& andalusianGrid(int number) {
    static const std::array<AndalusianGrid, kAndalusianGrids> grids = {{
        {1, true, {QStringLiteral("Vara"), QStringLiteral("Legua")}, true},
        {2, false, {QStringLiteral("Libra")}, true},
        {3,
         false,
         {QStringLiteral("Cántara (1)"), QStringLiteral("Arroba aceite"),
          QStringLiteral("1/2 Fanega")},
         true},
        {4,
         true,
         {QStringLiteral("Fanega"), QStringLiteral("Tahulla (1)"), QStringLiteral("Vara²")},
         false},
        {5, false, {QStringLiteral("Vara³")}, false},
        {6,
         true,
         {QStringLiteral("Toesa"), QStringLiteral("Vara"), QStringLiteral("Pie"),
          QStringLiteral("Pulgada"), QStringLiteral("Línea"), QStringLiteral("Punto")},
         false},
        {7,
         true,
         {QStringLiteral("Tonelada"), QStringLiteral("Quintal"), QStringLiteral("Arroba"),
          QStringLiteral("Libra"), QStringLiteral("Onza"), QStringLiteral("Adarme"),
          QStringLiteral("Tomín"), QStringLiteral("Grano")},
         false},
        {8,
         true,
         {QStringLiteral("Moyo"), QStringLiteral("Cántara"), QStringLiteral("La Azumbre"),
          QStringLiteral("Jarro"), QStringLiteral("Cuartillo"), QStringLiteral("Copa")},
         false},
        {9,
         true,
         {QStringLiteral("El Cahíz"), QStringLiteral("Fanega"), QStringLiteral("Celemín"),
          QStringLiteral("Cuartillo"), QStringLiteral("Ochavo"), QStringLiteral("Ochavillos")},
         false},
        {10,
         true,
         {QStringLiteral("Cántara"), QStringLiteral("Libra"), QStringLiteral("Panilla"),
          QStringLiteral("Onza")},
         false},
        {11,
         true,
         {QStringLiteral("Fanega"), QStringLiteral("Aranzada"), QStringLiteral("Celemín"),
          QStringLiteral("Cuartillo"), QStringLiteral("Estadal²"), QStringLiteral("Vara²"),
          QStringLiteral("Pie²")},
         false},
    }};
    return grids[std::size_t(number - 1)];
}

double unitsPerMetric(int grid, int province, int unit) {
    return factors(grid)[std::size_t(unit)][std::size_t(province)];
}

bool unitDefined(int grid, int province, int unit) {
    return unitsPerMetric(grid, province, unit) > 0.0;
}

long double unitsOf(int grid, int province, int unit, long double quantity) {
    if (grid == 1 && unit == 0) {
        if (province == Almeria) return quantity * kAlmeriaVaras;
        if (province == Jaen) return quantity * kJaenVaras;
    }
    if (grid == 2) return quantity * kKilogramLibras;
    return quantity * static_cast<long double>(unitsPerMetric(grid, province, unit));
}

long double quantityOf(int grid, int province, int unit, long double units) {
    if (grid == 1) {
        if (unit == 1) return units * 5572.699L;
        if (province == Almeria) return units * static_cast<long double>(0.833);
        if (province == Jaen) return units * static_cast<long double>(0.839);
        return units * static_cast<long double>(0.835905);
    }
    if (grid == 2) return units * static_cast<long double>(0.460093);
    return units / static_cast<long double>(unitsPerMetric(grid, province, unit));
}

int liveDecimals(int grid, int unit) {
    const QString& header = andalusianGrid(grid).units[unit];
    switch (grid) {
    case 6:
        return header == QStringLiteral("Punto") ? 5 : 6;
    case 7:
        return header == QStringLiteral("Adarme") || header == QStringLiteral("Tomín") ||
                       header == QStringLiteral("Grano")
                   ? 5
                   : 6;
    case 8:
        return header == QStringLiteral("Copa") ? 5 : 6;
    case 9:
        return header == QStringLiteral("Ochavillos") ? 5 : 6;
    case 10:
        return header == QStringLiteral("Onza") ? 5 : 6;
    case 11:
        return header == QStringLiteral("Vara²") || header == QStringLiteral("Pie²") ? 5 : 6;
    default:
        return 6;
    }
}

int shownDecimals(int grid, int unit) {
    const QString& header = andalusianGrid(grid).units[unit];
    if (grid == 7 && header == QStringLiteral("Grano")) return 4;
    if (grid == 10 && header == QStringLiteral("Onza")) return 4;
    return liveDecimals(grid, unit);
}

double scientificAbove(int grid, int unit) {
    return grid == 1 && unit == 1 ? 100000.0 : 1000000.0;
}

char16_t CellKeyFilter(char16_t key, const QString& text, QChar separator) {
    const bool digit = key >= u'0' && key <= u'9';
    const bool point = key == u'.' || key == u',' || key == separator.unicode();
    if (!digit && key != 8 && key != u'-' && !point) return 0;
    if (point) return text.contains(separator) ? char16_t(0) : separator.unicode();
    if (key == u'-') return text.isEmpty() ? key : char16_t(0);
    return key;
}

} // namespace zerval
