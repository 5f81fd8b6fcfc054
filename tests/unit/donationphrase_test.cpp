#include "app/donationphrase.h"

#include <gtest/gtest.h>

#include <map>

using zerval::donationPhrase;
using zerval::donationPhrases;
using zerval::shuffledDonationPhrases;

TEST(DonationPhrase, TwelvePhrasesInTheirDesignedOrder) {
    const QStringList phrases = donationPhrases();
    ASSERT_EQ(phrases.size(), 12);
    EXPECT_EQ(phrases.first(), QStringLiteral("Ser agradecido atrae la buena suerte"));
    EXPECT_EQ(phrases[6], QStringLiteral("¿Hoy invitas tú?"));
    EXPECT_EQ(phrases.last(), QStringLiteral("Deja, hoy pago yo"));
}

// The phrase depends on the start time alone, the same on every platform and library.
TEST(DonationPhrase, IsAFunctionOfTheSeed) {
    const struct {
        qint64 seed;
        const char* phrase;
    } cases[] = {
        {0, "Dona $1.99, y pide un deseo"},
        {1, "¿Hoy invitas tú?"},
        {2, "Deja, hoy pago yo"},
        {1700000000, "Dona $1.99, y pide un deseo"},
        {4102444800, "Hermoso día para donar $5"}, // beyond 32 bits
        {-1, "Dona $1.99, y pide un deseo"},       // a clock set before 1970
    };
    for (const auto& c : cases) {
        EXPECT_EQ(donationPhrase(c.seed), QString::fromUtf8(c.phrase)) << "seed " << c.seed;
        EXPECT_EQ(donationPhrase(c.seed), donationPhrase(c.seed));
    }
}

TEST(DonationPhrase, ShuffleKeepsEveryPhraseOnce) {
    QStringList expected = donationPhrases();
    expected.sort();
    for (qint64 seed : {qint64(0), qint64(7), qint64(1700000000), qint64(1) << 40}) {
        QStringList shuffled = shuffledDonationPhrases(seed);
        EXPECT_EQ(shuffled.first(), donationPhrase(seed));
        shuffled.sort();
        EXPECT_EQ(shuffled, expected) << "seed " << seed;
    }
}

// Starts one second apart must not favour any phrase: over 12000 consecutive seconds each
// phrase comes first about 1000 times (chi-square below the 0.1 % bound for 11 degrees of
// freedom), and the high bits of the seed count as well as the low ones.
TEST(DonationPhrase, EachPhraseEquallyLikely) {
    for (qint64 start : {qint64(0), qint64(1700000000), qint64(3) << 33}) {
        std::map<QString, int> counts;
        for (qint64 seed = start; seed < start + 12000; ++seed)
            ++counts[donationPhrase(seed)];
        ASSERT_EQ(counts.size(), 12u) << "from " << start;
        double chiSquare = 0;
        for (const auto& [phrase, count] : counts)
            chiSquare += (count - 1000.0) * (count - 1000.0) / 1000.0;
        EXPECT_LT(chiSquare, 31.26) << "from " << start;
    }
    std::map<QString, int> highBits;
    for (qint64 high = 0; high < 1200; ++high)
        ++highBits[donationPhrase(high << 32)];
    EXPECT_EQ(highBits.size(), 12u);
}
