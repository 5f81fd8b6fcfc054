#include "converters/health/analytes.h"

#include "kit/checked.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zerval {

namespace {

// clang-format off
const std::array<Analyte, 138> kAnalytes = {{
    {u"Acetaminophen", u"Paracetamol", u"µg/mL", u"µmol/L", 6.62},
    {u"Acetoacetic acid", u"Ácido acetoacético", u"mg/dL", u"mmol/L", 0.098},
    {u"Acetone", u"Acetona", u"mg/dL", u"mmol/L", 0.172},
    {u"Acid phosphatase", u"Fosfatasa ácida", u"unidades/L", u"U/L", 1},
    {u"Alanine", u"Alanina", u"mg/dL", u"µmol/L", 112.2},
    {u"Alanine aminotransferase (ALT)", u"Alanina-aminotransferasa", u"unidades/L", u"U/L", 1},
    {u"Albumin", u"Albúmina", u"g/dL", u"g/L", 10},
    {u"Alcohol dehydrogenase", u"Alcohol-deshidrogenasa", u"unidades/L", u"U/L", 1},
    {u"Aldolase", u"Fructosa-bisfosfato-aldolasa", u"unidades/L", u"U/L", 1},
    {u"Aldosterone", u"Aldosterona", u"ng/dL", u"nmol/L", 0.0277},
    {u"Alkaline phosphatase", u"Fosfatasa alcalina", u"unidades/L", u"U/L", 1},
    {u"Ammonia", u"Amoníaco", u"µg/dL", u"µmol/L", 0.587},
    {u"Amylase", u"Amilasa", u"unidades/L", u"U/L", 1},
    {u"Androstenedione", u"Androstenodiona", u"ng/dL", u"nmol/L", 0.0349},
    {u"Angiotensin I", u"Proangiotensina", u"pg/mL", u"pmol/L", 0.772},
    {u"Angiotensin II", u"Angiotensina", u"pg/mL", u"pmol/L", 0.957},
    {u"Antidiuretic hormone", u"Vasopresina", u"pg/mL", u"pmol/L", 0.923},
    {u"Antithrombin III", u"Antitrombina III", u"mg/dL", u"mg/L", 10},
    {u"alpha1-Antitrypsin", u"1-antitripsina", u"mg/dL", u"µmol/L", 0.184},
    {u"Apolipoprotein (a)", u"Apolipoproteína (a)", u"mg/dL", u"g/L", 0.01},
    {u"Apolipoprotein B", u"Apolipoproteína B", u"mg/dL", u"g/L", 0.01},
    {u"Arginine", u"Arginina", u"mg/dL", u"µmol/L", 57.4},
    {u"Asparagine", u"Asparragina", u"mg/dL", u"µmol/L", 75.7},
    {u"Aspartate aminotransferase", u"Aspartato-aminotransferasa", u"unidades/L", u"U/L", 1},
    {u"Bicarbonate", u"Hidrogenocarbonato  [sust. endógena]", u"mEq/L", u"mmol/L", 1},
    {u"Bilirubin", u"Bilirrubina", u"mg/dL", u"µmol/L", 17.1},
    {u"Calcitonin", u"Calcitonina", u"pg/mL", u"ng/L", 1},
    {u"Calcium", u"Calcio", u"mg/dL", u"mmol/L", 0.25},
    {u"Carbon dioxide", u"Dióxido de Carbono", u"mEq/L", u"mmoI/L", 1},
    {u"Ceruloplasmin", u"Ferroxidasa", u"mg/dL", u"mg/L", 10},
    {u"Chloride", u"Cloruro", u"mEq/L", u"mmol/L", 1},
    {u"Cholesterol", u"Colesterol", u"mg/dL", u"mmol/L", 0.0259},
    {u"Citrate", u"Citrato", u"mg/dL", u"µmol/L", 52.05},
    {u"Copper", u"Cobre", u"µg/dL", u"µmoI/L", 0.157},
    {u"Coproporphyrins (urine)", u"Coproporfirina (orina)", u"µg/24 hr", u"nmol/d", 1.527},
    {u"Corticotropin (ACTH)", u"Corticotropina [sustancia endógena]", u"pg/mL", u"pmol/L", 0.22},
    {u"Cortisol", u"Cortisol", u"µg/dL", u"nmol/L", 27.59},
    {u"Creatine", u"Creatinea", u"mg/dL", u"µmol/L", 76.26},
    {u"Creatine kinase (CK)", u"Creatina-cinasa", u"unidades/L", u"U/L", 1},
    {u"Creatinine", u"Creatinina", u"mg/dL", u"µmol/L", 88.4},
    {u"Creatinine clearance", u"Depuración de creatininio", u"mL/min", u"mL/s", 0.0167},
    {u"Dehydroepiandrosterone (DHEA)", u"Deshidroepiandrosterona", u"ng/mL", u"nmol/L", 3.47},
    {u"Digoxin", u"Digoxina", u"ng/mL", u"nmol/L", 1.281},
    {u"Epinephrine", u"Adrenalina [sustancia endógena]", u"pg/mL", u"pmol/L", 5.46},
    {u"Erythrocyte sedimentation rate", u"Eritrosedimentación", u"mm/h", u"mm/h", 1},
    {u"Estradiol", u"Estradiol", u"pg/mL", u"pmol/L", 3.671},
    {u"Ethanol (ethyl alcohol)", u"Etanol", u"mg/dL", u"mmol/L", 0.217},
    {u"Ferritin", u"Ferritina", u"ng/mL", u"pmol/L", 2.247},
    {u"Fibrinogen", u"Fibrinógeno", u"mg/dL", u"µmol/L", 0.0294},
    {u"Folate", u"Folato", u"ng/mL", u"nmol/L", 2.266},
    {u"Follicle-stimulating hormone", u"Folitropina", u"mIU/mL", u"IU/L", 1},
    {u"Fructose", u"Fructosa", u"mg/dL", u"µmol/L", 55.5},
    {u"Galactose", u"Galactosa", u"mg/dL", u"µmol/L", 55.506},
    {u"Glucagon", u"Glucagón", u"pg/mL", u"ng/L", 1},
    {u"Glucose", u"Glucosa", u"mg/dL", u"mmol/L", 0.0555},
    {u"Glutamine", u"Glutamina", u"mg/dL", u"µmol/L", 68.42},
    {u"Glycated hemoglobin", u"Glicohemoglobina", u"% del total de hemoglobina", u"propoción del total de hemoglobina", 0.01},
    {u"Glycine", u"Glicina", u"mg/dL", u"µmol/L", 133.3},
    {u"Haptoglobin", u"Hepatoglobina", u"mg/dL", u"µmol/L", 0.1},
    {u"Hemoglobin (mass concentration)", u"Hemoglobina (concentración de masa)", u"g/dL", u"mmol/L", 0.6206},
    {u"High-density lipoprotein cholesterol (HDL-C)", u"Colesterol de HDL", u"mg/dL", u"mmol/L", 0.0259},
    {u"Histidine", u"Histidina", u"mg/dL", u"µmol/L", 64.45},
    {u"Human chorionic gonadotropin (HCG)", u"Coriogonadotropina [sustancia endógena]", u"mlU/mL", u"IU/L", 1},
    {u"Hydroxybutyric acid", u"Ácido 2-hidroxibutírico", u"mg/dL", u"µmol/L", 96.05},
    {u"Hydroxyproline", u"Hidroxiprolina", u"mg/dL", u"µmol/L", 76.3},
    {u"Immunoglobulin A (IgA)", u"Inmunoglobulina A", u"mg/dL", u"g/L", 0.01},
    {u"Immunoglobulin D (IgD)", u"Inmunoglobulina D", u"mg/dL", u"mg/L", 10},
    {u"Immunoglobulin E (IgE)", u"Inmunoglobulina E", u"mg/dL", u"mg/L", 10},
    {u"Immunoglobulin G (IgG)", u"Inmunoglobulina G", u"mg/dL", u"g/L", 0.01},
    {u"Immunoglobulin M (IgM)", u"Inmunoglobulina M", u"mg/dL", u"g/L", 0.01},
    {u"Insulin", u"Insulina", u"µIU/mL", u"pmol/L", 6.945},
    {u"Iron", u"Hierro", u"µg/dL", u"µmol/L", 0.179},
    {u"Lactate (lactic acid)", u"Lactato [Ácido láctico más ion lactato]", u"mg/dL", u"mmol/L", 0.111},
    {u"Lactate dehydrogenase", u"Lactato-deshidrogenasa", u"unidades/L", u"U/L", 1},
    {u"Lead", u"Plomo", u"µg/dL", u"µmol/L", 0.0483},
    {u"Leucine", u"Leucina", u"mg/dL", u"µmol/L", 76.237},
    {u"Lipase", u"Triacilglicerol-lipasa", u"unidades/L", u"U/L", 1},
    {u"Lipids (total)", u"Lípidos", u"mg/dL", u"g/L", 0.01},
    {u"Lipoprotein (a)", u"Lipoproteína (a)", u"mg/dL", u"µmol/L", 0.0357},
    {u"Lithium", u"Litio", u"mEq/L", u"mmol/L", 1},
    {u"Low-density lipoprotein cholesterol (LDL-C)", u"Colesterol de LDL", u"mg/dL", u"mmol/L", 0.0259},
    {u"Luteinizing hormone", u"Lutropina", u"IU/L", u"lU/L", 1},
    {u"Lysine", u"Lisina", u"mg/dL", u"µmol/L", 68.5},
    {u"Magnesium", u"Magnesio", u"mg/dL", u"mmol/L", 0.411},
    {u"Methanol", u"Metanol", u"mg/L", u"mmol/L", 0.0312},
    {u"Methemoglobin", u"Metahemoglobina", u"% del total de hemoglobina", u"proporción del total de hemoglobina", 0.01},
    {u"Methionine", u"Metionina", u"mg/dL", u"µmol/L", 67.02},
    {u"Myoglobin", u"Mioglobina", u"µg/L", u"nmol/L", 0.0571},
    {u"Norepinephrine", u"Noradrenalina [sustancia endógena]", u"pg/mL", u"nmol/L", 0.00591},
    {u"Ornithine", u"Ornitina", u"mg/dL", u"µmol/L", 75.67},
    {u"Osmolality", u"Osmolalidad", u"mOsm/kg", u"mmoI/kg", 1},
    {u"Osteocalcin", u"Osteocalcina", u"µg/L", u"nmol/L", 0.171},
    {u"Oxalate", u"Oxalato [ácido oxálico más ion oxalato]", u"mg/L", u"µmol/L", 11.1},
    {u"Parathyroid hormone", u"Paratirina", u"pg/mL", u"ng/L", 1},
    {u"Phenobarbital", u"Fenobarbital", u"mg/L", u"µmol/L", 4.31},
    {u"Phenylalanine", u"Fenilalanina", u"mg/dL", u"µmol/L", 60.54},
    {u"Phenytoin", u"Fenitoína", u"µg/mL", u"µmoI/L", 3.96},
    {u"Phosphorus", u"Fósforo", u"mg/dL", u"mmol/L", 0.323},
    {u"Potassium", u"Potasio", u"mEq/L", u"mmoI/L", 1},
    {u"Progesterone", u"Progesterona", u"ng/mL", u"nmol/L", 3.18},
    {u"Prolactin", u"Prolactina", u"µg/L", u"pmol", 43.478},
    {u"Proline", u"Prolina", u"mg/dL", u"µmol/L", 86.86},
    {u"Protein, total", u"Proteína, total", u"g/dL", u"g/L", 10},
    {u"Prothrombin", u"Protrombina", u"g/L", u"µmol/L ", 13.889},
    {u"Protoporphyrin, erythrocyte", u"Protoporfirina", u"µg/dL", u"µmol/L", 0.01777},
    {u"Pyruvate", u"Piruvato", u"mg/dL", u"µmoI/L", 113.6},
    {u"Quinidine", u"Quinidina", u"µg/mL", u"µmol/L", 3.08},
    {u"Red blood cell count", u"Recuento de células rojas", u"10^6/µL", u"10^12/L", 1},
    {u"Renin", u"Renina", u"pg/mL", u"pmol/L", 0.0237},
    {u"Reticulocyte count", u"Recuento de Reticulocitos", u"% de RBCs", u"proporción de 1.0", 0.01},
    {u"Salicylate", u"Salicilato [ácido salicílico más ion salicilato]", u"mg/L", u"mmol/L", 0.00724},
    {u"Serine", u"Serina", u"mg/dL", u"µmol/L", 95.2},
    {u"Sodium", u"Sodio", u"mEq/L", u"mmol/L", 1},
    {u"Somatomedin-C (insulinlike growth factor)", u"Somatomedina-C", u"ng/mL", u"nmol/L", 0.131},
    {u"Somatostatin", u"Somatostatina", u"pg/mL", u"pmol/L", 0.611},
    {u"Testosterone", u"Testosterona", u"ng/dL", u"nmol/L", 0.0347},
    {u"Theophylline", u"Teofilina", u"µg/mL", u"µmol/L", 5.55},
    {u"Threonine", u"Treonina", u"mg/dL", u"µmol/L", 83.95},
    {u"Thyrotropin (TSH)", u"Tirotropina", u"mIU/L", u"mIU/L", 1},
    {u"Thyroxine, free (T4)", u"Tiroxina libre (T4)", u"ng/dL", u"pmol/L", 12.87},
    {u"Thyroxine, total (T4)", u"Tiroxina total (T4)", u"µg/dL", u"nmol/L", 12.87},
    {u"Transferrin", u"Transferrina", u"mg/dL", u"g/L", 0.01},
    {u"Triiodothyronine, free (T3)", u"Triiodotironina libre (T3)", u"pg/dL", u"pmol/L", 0.0154},
    {u"Triiodothyronine, Total (T3)", u"Triiodotironina total (T3)", u"ng/dL", u"nmol/L", 0.0154},
    {u"Troponin T (cardiac)", u"troponina T", u"ng/mL", u"µg/L", 1},
    {u"Tryptophan", u"Triptófano", u"mg/dL", u"µmol/L", 48.97},
    {u"Tyrosine", u"Tirosina", u"mg/dL", u"µmol/L", 55.19},
    {u"Urea nitrogen", u"Concentración de urea", u"mg/dL", u"mmol/L", 0.357},
    {u"Uric acid", u"Ácido úrico", u"mg/dL", u"µmol/L", 59.48},
    {u"Valine", u"Valina", u"mg/dL", u"µmol/L", 85.5},
    {u"Vitamin A (retinol)", u"Vitamina A (retinol)", u"µg/dL", u"µmoI/L", 0.0349},
    {u"Vitamin B6 (pyridoxine)", u"Vitamina B6 (piridoxina)", u"ng/mL", u"nmol/L", 4.046},
    {u"Vitamin B12 (cyanocobalamin)", u"Vitamina B12 (cianocobalamina)", u"pg/mL", u"pmol/L", 0.738},
    {u"Vitamin C (ascorbic acid)", u"Vitamina C (ácido ascórbico)", u"mg/dL", u"µmol/L", 56.78},
    {u"Vitamin E", u"Vitamina E (tocoferol)", u"mg/dL", u"µmoI/L", 23.22},
    {u"Vitamin K", u"Vitamina K", u"ng/mL", u"nmol/L", 2.22},
    {u"White blood cell count", u"Recuento de células blancas", u"10^3/µL", u"10^9/L", 1},
    {u"Zinc", u"Zinc", u"µg/dL", u"µmol/L", 0.153},
}};
// clang-format on

Ext roundToFiveDecimals(Ext value) {
    return floorExt(value * Ext(100000.0L) + Ext(0.5L)) * Ext(0.00001L);
}

} // namespace

std::span<const Analyte> Analytes() {
    return kAnalytes;
}

int AnalyteByEnglishName(const QString& english) {
    for (std::size_t i = 0; i < kAnalytes.size(); ++i)
        if (english == QStringView(kAnalytes[i].english)) return int(i);
    return -1;
}

namespace {

// A name's weights for the Spanish alphabetical order of a dictionary: blanks and punctuation
// before digits, digits before letters, ñ after n, capitals as small letters; accents count
// only between names that are otherwise the same, an unaccented letter first. The names are
// fixed, so that no collation library is loaded to sort them.
struct SortKey {
    std::vector<int> letters;
    std::vector<int> accents;
};

SortKey spanishSortKey(QStringView name) {
    static const QString beforeLetters =
        QStringLiteral(" _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$0123456789");
    constexpr int letterBase = 1000;
    SortKey key;
    for (const QChar c : name) {
        QChar letter = c.toLower();
        int accent = 0;
        if (letter == QChar(0x00F1)) { // ñ, a letter of its own between n and o
            key.letters.push_back(letterBase + 2 * ('n' - 'a') + 1);
            key.accents.push_back(0);
            continue;
        }
        const QString parts = letter.decomposition();
        if (parts.size() == 2) {
            letter = parts[0];
            static const QString marks =
                QStringLiteral("\u0301\u0300\u0306\u0302\u030C\u030A\u0308\u030B\u0303\u0307");
            accent = int(marks.indexOf(parts[1])) + 1;
        }
        const qsizetype place = beforeLetters.indexOf(letter);
        if (place >= 0)
            key.letters.push_back(int(place));
        else if (letter >= QLatin1Char('a') && letter <= QLatin1Char('z'))
            key.letters.push_back(letterBase + 2 * (letter.unicode() - 'a'));
        else
            key.letters.push_back(2 * letterBase + letter.unicode());
        key.accents.push_back(accent);
    }
    return key;
}

} // namespace

std::vector<int> SpanishOrder() {
    std::vector<SortKey> keys;
    keys.reserve(kAnalytes.size());
    for (const Analyte& analyte : kAnalytes)
        keys.push_back(spanishSortKey(QStringView(analyte.spanish)));
    std::vector<int> order(kAnalytes.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (keys[a].letters != keys[b].letters) return keys[a].letters < keys[b].letters;
        return keys[a].accents < keys[b].accents;
    });
    return order;
}

double ConventionalToSI(long double conventional, double factor) {
    return roundToFiveDecimals(Ext(conventional) * Ext(factor)).toDouble();
}

double SIToConventional(long double si, double factor) {
    return roundToFiveDecimals(Ext(si) / Ext(factor)).toDouble();
}

} // namespace zerval
