#include "app/donationphrase.h"

#include <cstdint>
#include <random>

namespace zerval {

namespace {

// A uniform draw from [0, bound). std::uniform_int_distribution is not pinned down by the
// standard and differs between libraries; this keeps the phrase a function of the seed alone.
std::uint32_t uniformBelow(std::mt19937& generator, std::uint32_t bound) {
    const std::uint32_t limit = std::uint32_t(-bound) % bound; // 2^32 mod bound
    for (;;) {
        const std::uint32_t draw = generator();
        if (draw >= limit) return draw % bound;
    }
}

} // namespace

QStringList donationPhrases() {
    return {
        QStringLiteral("Ser agradecido atrae la buena suerte"),
        QStringLiteral("Dona $1.99, y pide un deseo"),
        QStringLiteral("Dona $4, y pide tres deseos"),
        QStringLiteral("Hermoso día para donar $5"),
        QStringLiteral("Al agradecido, más de lo pedido"),
        QStringLiteral("Donando $3 puedes pedir un consejo"),
        QStringLiteral("¿Hoy invitas tú?"),
        QStringLiteral("¡Salud!"),
        QStringLiteral("A voluntad"),
        QStringLiteral("Lo que importa es el gesto"),
        QStringLiteral("Gracias"),
        QStringLiteral("Deja, hoy pago yo"),
    };
}

QStringList shuffledDonationPhrases(qint64 seed) {
    const auto bits = static_cast<std::uint64_t>(seed);
    std::seed_seq sequence{std::uint32_t(bits), std::uint32_t(bits >> 32)};
    std::mt19937 generator(sequence);

    QStringList phrases = donationPhrases();
    for (qsizetype i = phrases.size() - 1; i > 0; --i)
        phrases.swapItemsAt(i, qsizetype(uniformBelow(generator, std::uint32_t(i + 1))));
    return phrases;
}

QString donationPhrase(qint64 seed) {
    return shuffledDonationPhrases(seed).constFirst();
}

} // namespace zerval
