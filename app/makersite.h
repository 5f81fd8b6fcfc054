#pragma once

#include <QString>

namespace zerval {

// The maker's web site, shown under the main window's picture and opened from there.
inline QString makerWebAddress() {
    return QStringLiteral("https://www.example.org");
}

} // namespace zerval
