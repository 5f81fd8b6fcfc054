#include "converters/health/analytes.h"

#include "kit/checked.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

#include <set>

using namespace zerval;

namespace {

QString english(int index) {
    return QString::fromUtf16(Analytes()[std::size_t(index)].english);
}
QString spanish(int index) {
    return QString::fromUtf16(Analytes()[std::size_t(index)].spanish);
}

const Analyte& byEnglish(const char16_t* name) {
    const int index = AnalyteByEnglishName(QString::fromUtf16(name));
    EXPECT_GE(index, 0) << QString::fromUtf16(name).toStdString();
    return Analytes()[std::size_t(index)];
}

TEST(Analytes, HoldsEveryAnalyteOnceByEitherName) {
    ASSERT_EQ(Analytes().size(), 138u);
    std::set<QString> englishNames, spanishNames;
    for (int i = 0; i < 138; ++i) {
        englishNames.insert(english(i));
        spanishNames.insert(spanish(i));
        EXPECT_GT(Analytes()[std::size_t(i)].factor, 0.0) << i;
    }
    EXPECT_EQ(englishNames.size(), 138u);
    EXPECT_EQ(spanishNames.size(), 138u);
    EXPECT_EQ(AnalyteByEnglishName(QStringLiteral("Glucosa")), -1);
}

TEST(Analytes, StoredOrderWithItsTwoExceptions) {
    EXPECT_EQ(english(0), QStringLiteral("Acetaminophen"));
    EXPECT_EQ(english(18), QStringLiteral("alpha1-Antitrypsin"));
    EXPECT_EQ(english(54), QStringLiteral("Glucose"));
    EXPECT_EQ(english(131), QStringLiteral("Vitamin B6 (pyridoxine)"));
    EXPECT_EQ(english(132), QStringLiteral("Vitamin B12 (cyanocobalamin)"));
    EXPECT_EQ(english(137), QStringLiteral("Zinc"));
}

TEST(Analytes, RecordsAsShown) {
    struct Row {
        const char16_t* english;
        const char16_t* spanish;
        const char16_t* conventional;
        const char16_t* si;
        double factor;
    };
    const Row rows[] = {
        {u"Acetaminophen", u"Paracetamol", u"µg/mL", u"µmol/L", 6.62},
        {u"alpha1-Antitrypsin", u"1-antitripsina", u"mg/dL", u"µmol/L", 0.184},
        {u"Bicarbonate", u"Hidrogenocarbonato  [sust. endógena]", u"mEq/L", u"mmol/L", 1},
        {u"Carbon dioxide", u"Dióxido de Carbono", u"mEq/L", u"mmoI/L", 1},
        {u"Creatine", u"Creatinea", u"mg/dL", u"µmol/L", 76.26},
        {u"Glucose", u"Glucosa", u"mg/dL", u"mmol/L", 0.0555},
        {u"Glycated hemoglobin", u"Glicohemoglobina", u"% del total de hemoglobina",
         u"propoción del total de hemoglobina", 0.01},
        {u"Human chorionic gonadotropin (HCG)", u"Coriogonadotropina [sustancia endógena]",
         u"mlU/mL", u"IU/L", 1},
        {u"Norepinephrine", u"Noradrenalina [sustancia endógena]", u"pg/mL", u"nmol/L", 0.00591},
        {u"Prolactin", u"Prolactina", u"µg/L", u"pmol", 43.478},
        {u"Prothrombin", u"Protrombina", u"g/L", u"µmol/L ", 13.889},
        {u"Protoporphyrin, erythrocyte", u"Protoporfirina", u"µg/dL", u"µmol/L", 0.01777},
        {u"Reticulocyte count", u"Recuento de Reticulocitos", u"% de RBCs", u"proporción de 1.0",
         0.01},
        {u"Somatomedin-C (insulinlike growth factor)", u"Somatomedina-C", u"ng/mL", u"nmol/L",
         0.131},
        {u"Troponin T (cardiac)", u"troponina T", u"ng/mL", u"µg/L", 1},
        {u"Zinc", u"Zinc", u"µg/dL", u"µmol/L", 0.153},
    };
    for (const Row& row : rows) {
        const Analyte& analyte = byEnglish(row.english);
        const std::string name = QString::fromUtf16(row.english).toStdString();
        EXPECT_EQ(QString::fromUtf16(analyte.spanish), QString::fromUtf16(row.spanish)) << name;
        EXPECT_EQ(QString::fromUtf16(analyte.conventionalUnit),
                  QString::fromUtf16(row.conventional))
            << name;
        EXPECT_EQ(QString::fromUtf16(analyte.siUnit), QString::fromUtf16(row.si)) << name;
        EXPECT_EQ(analyte.factor, row.factor) << name;
    }
}

// Fibrinogen's SI unit was stored as its conventional one; somatostatin carried the Spanish
// name of somatomedin C.
TEST(Analytes, MendedRecordsKeepTheirFactors) {
    const Analyte& fibrinogen = byEnglish(u"Fibrinogen");
    EXPECT_EQ(QString::fromUtf16(fibrinogen.siUnit), QStringLiteral("µmol/L"));
    EXPECT_EQ(QString::fromUtf16(fibrinogen.conventionalUnit), QStringLiteral("mg/dL"));
    EXPECT_EQ(fibrinogen.factor, 0.0294);
    const Analyte& somatostatin = byEnglish(u"Somatostatin");
    EXPECT_EQ(QString::fromUtf16(somatostatin.spanish), QStringLiteral("Somatostatina"));
    EXPECT_EQ(somatostatin.factor, 0.611);
}

// The program sorts without a collation library; the order is the one a Spanish collator
// gives.
TEST(Analytes, SpanishOrderIsTheSpanishCollatorsOrder) {
    QCollator collator{QLocale(QLocale::Spanish, QLocale::Spain)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> expected(Analytes().size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        expected[i] = int(i);
    std::stable_sort(expected.begin(), expected.end(),
                     [&](int a, int b) { return collator.compare(spanish(a), spanish(b)) < 0; });
    EXPECT_EQ(SpanishOrder(), expected);
}

TEST(Analytes, SpanishOrderIgnoresCaseAndAccents) {
    const std::vector<int> order = SpanishOrder();
    ASSERT_EQ(order.size(), 138u);
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 138u);
    QStringList names;
    for (int index : order)
        names.append(spanish(index));
    const QStringList first = {QStringLiteral("1-antitripsina"),
                               QStringLiteral("Acetona"),
                               QStringLiteral("Ácido 2-hidroxibutírico"),
                               QStringLiteral("Ácido acetoacético"),
                               QStringLiteral("Ácido úrico"),
                               QStringLiteral("Adrenalina [sustancia endógena]"),
                               QStringLiteral("Alanina"),
                               QStringLiteral("Alanina-aminotransferasa"),
                               QStringLiteral("Albúmina")};
    EXPECT_EQ(names.mid(0, first.size()), first);
    EXPECT_EQ(names.last(), QStringLiteral("Zinc"));
    // A lower-case initial sorts among its capitals.
    const qsizetype troponin = names.indexOf(QStringLiteral("troponina T"));
    EXPECT_EQ(names[troponin - 1], QStringLiteral("Triptófano"));
    EXPECT_EQ(names[troponin + 1], QStringLiteral("Valina"));
    const qsizetype somatostatin = names.indexOf(QStringLiteral("Somatostatina"));
    EXPECT_EQ(names[somatostatin - 1], QStringLiteral("Somatomedina-C"));
    EXPECT_EQ(names[somatostatin + 1], QStringLiteral("Teofilina"));
}

TEST(Analytes, ConvertsBothWaysToFiveDecimals) {
    struct Case {
        long double value;
        double factor;
        double si;
        double conventional;
    };
    const Case cases[] = {
        {90, 0.0555, 4.995, 1621.62162},
        {5.5, 0.0555, 0.30525, 99.0991},
        {1, 0.184, 0.184, 5.43478},
        {123.456789, 1, 123.45679, 123.45679},
        {-90, 0.0555, -4.995, -1621.62162},
        // Halves go upwards.
        {0.000005L, 1, 0.00001, 0.00001},
        {-0.000005L, 1, 0, 0},
        {0, 6.62, 0, 0},
        {1E-400L, 6.62, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ConventionalToSI(c.value, c.factor), c.si, 1e-12) << double(c.value);
        EXPECT_NEAR(SIToConventional(c.value, c.factor), c.conventional, 1e-9) << double(c.value);
    }
}

TEST(Analytes, ResultsBeyondTheDoubleRangeAreErrors) {
    EXPECT_THROW(ConventionalToSI(1E308L, 6.62), FloatError);
    EXPECT_THROW(SIToConventional(1E307L, 0.00591), FloatError);
    EXPECT_THROW(ConventionalToSI(1E400L, 0.01), FloatError);
    EXPECT_THROW(ConventionalToSI(-1E308L, 6.62), FloatError);
    EXPECT_DOUBLE_EQ(ConventionalToSI(1E300L, 0.01), 1E298);
}

} // namespace

#include "converters/health/clinic.h"

namespace {

// A failure with no words of its own still tells the user something.
TEST(ClinicFailures, TextOfAnUnexpectedFailure) {
    EXPECT_EQ(FailureText(std::make_exception_ptr(std::runtime_error("Disco lleno"))),
              QStringLiteral("Disco lleno"));
    EXPECT_EQ(FailureText(std::make_exception_ptr(std::runtime_error(""))),
              QStringLiteral("Error message not found."));
    EXPECT_EQ(FailureText(std::make_exception_ptr(42)), QStringLiteral("Error message not found."));
}

} // namespace
