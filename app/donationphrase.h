#pragma once

#include <QString>
#include <QStringList>

namespace zerval {

// The twelve phrases of the donation panel, in their designed order.
QStringList donationPhrases();

// The phrases shuffled by a generator seeded with `seed` (the start time in seconds), so
// that each phrase is equally likely to come first. The same seed gives the same order on
// every platform.
QStringList shuffledDonationPhrases(qint64 seed);

// The phrase shown at a start seeded with `seed`: the first of the shuffled list.
QString donationPhrase(qint64 seed);

} // namespace zerval
