#pragma once

#include <QString>

namespace zerval {

// The user's own folder below the system temporary location, created with mode 0700. An
// existing entry of that name that is not a folder owned by this user with no access for
// others is never used: a fresh folder with an unguessable name is made instead.
QString privateTempFolder();

} // namespace zerval
