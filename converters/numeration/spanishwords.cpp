#include "converters/numeration/spanishwords.h"

namespace zerval {

namespace {

constexpr std::int64_t kThousand = 1000;
constexpr std::int64_t kMillion = 1000000;
constexpr std::int64_t kBillion = 1000000000000;
constexpr std::int64_t kScales[] = {1,        kThousand,        kMillion,           1000000000,
                                    kBillion, 1000000000000000, 1000000000000000000};

const char16_t* const kUnits[] = {
    u"",        u"uno",    u"dos",       u"tres",       u"cuatro",    u"cinco",     u"seis",
    u"siete",   u"ocho",   u"nueve",     u"diez",       u"once",      u"doce",      u"trece",
    u"catorce", u"quince", u"dieciséis", u"diecisiete", u"dieciocho", u"diecinueve"};

const char16_t* const kTens[] = {u"treinta", u"cuarenta", u"cincuenta", u"sesenta",
                                 u"setenta", u"ochenta",  u"noventa"};

const char16_t* const kHundreds[] = {u"doscientos ",  u"trescientos ", u"cuatrocientos ",
                                     u"quinientos ",  u"seiscientos ", u"setecientos ",
                                     u"ochocientos ", u"novecientos "};

// The scale word after a group of `divisor`; `rest` is what remains of the number below it.
QString scaleWord(std::int64_t divisor, std::int64_t rest, std::int64_t group, GroupForm form,
                  std::int64_t number) {
    switch (divisor) {
    case 1000000000000000000:
        return QStringLiteral(" trillones ");
    case 1000000000000000:
        return rest / kBillion != 0 ? QStringLiteral(" mil ") : QStringLiteral(" mil billones ");
    case kBillion:
        return form == GroupForm::Short && group == 1 && number / kBillion == 1
                   ? QStringLiteral(" billón ")
                   : QStringLiteral(" billones ");
    case 1000000000:
        return rest / kMillion != 0 ? QStringLiteral(" mil ") : QStringLiteral(" mil millones ");
    case kMillion:
        return (number / kMillion) % kMillion <= 1 ? QStringLiteral(" millón ")
                                                   : QStringLiteral(" millones ");
    case kThousand:
        return QStringLiteral(" mil ");
    default:
        return QString();
    }
}

// A group of one thousand, a thousand millions or a thousand billions is a single word.
QString singleThousandWord(std::int64_t divisor, std::int64_t rest) {
    switch (divisor) {
    case kThousand:
        return QStringLiteral("mil ");
    case 1000000000:
        return rest / kMillion == 0 ? QStringLiteral("mil millones ") : QStringLiteral("mil ");
    case 1000000000000000:
        return rest / kBillion == 0 ? QStringLiteral("mil billones ") : QStringLiteral("mil ");
    default:
        return QString();
    }
}

void collapseDoubleBlanks(QString& text) {
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text[i] == u' ' && text[i - 1] == u' ') text.remove(i, 1);
}

} // namespace

QString SpellGroup(std::int64_t value, GroupForm form, bool afterVeinti) {
    if (value <= 0 || value > 999) return QString();
    if (value == 1) {
        if (form == GroupForm::Full) return QStringLiteral("uno");
        return afterVeinti ? QStringLiteral("ún") : QStringLiteral("un");
    }
    if (afterVeinti) {
        if (value == 2) return QStringLiteral("dós");
        if (value == 3) return QStringLiteral("trés");
        if (value == 6) return QStringLiteral("séis");
    }
    if (value < 20) return QString::fromUtf16(kUnits[value]);
    if (value == 20) return QStringLiteral("veinte");
    if (value < 30) return QStringLiteral("veinti") + SpellGroup(value - 20, form, true);
    if (value < 100) {
        const QString ten = QString::fromUtf16(kTens[value / 10 - 3]);
        if (value % 10 == 0) return ten;
        return ten + QStringLiteral(" y ") + SpellGroup(value % 10, form);
    }
    if (value == 100) return QStringLiteral("cien");
    if (value < 200) return QStringLiteral("ciento ") + SpellGroup(value - 100, form);
    return QString::fromUtf16(kHundreds[value / 100 - 2]) + SpellGroup(value % 100, form);
}

std::int64_t LeadingScale(std::int64_t number) {
    std::int64_t scale = 1;
    for (const std::int64_t power : kScales)
        if (power <= number) scale = power;
    return scale;
}

QString SpellNumber(std::int64_t number) {
    if (number == 0) return QStringLiteral("cero");
    QString text;
    std::int64_t rest = number;
    std::int64_t divisor = LeadingScale(number);
    while (rest != 0) {
        const std::int64_t group = rest / divisor;
        rest %= divisor;
        if (group == 1 && divisor != 1 && !singleThousandWord(divisor, rest).isEmpty()) {
            text += singleThousandWord(divisor, rest);
        } else if (group != 0) {
            const GroupForm form =
                group % 10 == 1 && divisor > 1 ? GroupForm::Short : GroupForm::Full;
            text += SpellGroup(group, form);
            if (divisor == 1) break;
            text += scaleWord(divisor, rest, group, form, number);
        }
        divisor = divisor < kThousand ? 1 : divisor / kThousand;
    }
    collapseDoubleBlanks(text);
    return text.isEmpty() ? QStringLiteral("cero") : text;
}

QString WordsForDigits(const QString& digits) {
    if (digits.isEmpty()) return QString();
    bool ok = false;
    const std::int64_t number = digits.toLongLong(&ok);
    return SpellNumber(ok ? number : 0);
}

} // namespace zerval
