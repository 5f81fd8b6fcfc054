#include "converters/currency/currencypages.h"

#include <array>

namespace zerval {

namespace {

struct CurrencyPage {
    const char16_t* caption;
    const char16_t* address; // null for the web search
};

// The maker's pages; the last entry is a web search for the user's own name.
constexpr std::array<CurrencyPage, 6> kPages{{
    {u"Conversor de divisas \"on-line\"", u"https://www.example.org/divisas/"},
    {u"Este programa", u"https://www.example.org/zerval/"},
    {u"Otros programas de cálculo", u"https://www.example.org/programas/"},
    {u"Software a medida", u"https://www.example.org/a-medida/"},
    {u"Quiénes somos", u"https://www.example.org/contacto/"},
    {u"bing", nullptr},
}};

} // namespace

QStringList currencyPageCaptions() {
    QStringList captions;
    for (const CurrencyPage& page : kPages)
        captions.append(QString::fromUtf16(page.caption));
    return captions;
}

QString currencyPageTarget(int index, const QString& userName) {
    if (index < 0 || index >= int(kPages.size())) return QString();
    const CurrencyPage& page = kPages[std::size_t(index)];
    if (page.address) return QString::fromUtf16(page.address);
    return userName + QStringLiteral(" en bing");
}

bool isAllowedAddress(const QString& address) {
    return address.size() <= kLongestAllowedAddress;
}

} // namespace zerval
