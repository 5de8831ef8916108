#pragma once
// Where the puzzle files of solve mode live: the `solve` folder beside the
// executable, or, when that folder can neither be written nor created (an
// installed game in a read-only location), the per-user data folder's
// `solve`. Listing, saving, loading and every message use the folder this
// returns, so the player is always told the folder really in use.

#include <QString>

namespace varelo {

// `besideExecutable` is preferred; `perUser` is the fallback.
QString SolveFolderInUse(const QString& besideExecutable, const QString& perUser);

// The same for the running program.
QString SolveFolderInUse();

}  // namespace varelo
