#pragma once
// Where the puzzle files of solve mode live: the `solve` folder beside the
// executable, or the per-user data folder's `solve` when the folder beside
// it can neither be written nor created, and always for an installed game
// (one that does not run from its build tree): a game installed where the
// player may write, such as ~/.local or by root, keeps its files per user
// all the same. Listing, saving, loading and every message use the folder
// this returns, so the player is always told the folder really in use.

#include <QString>

namespace varelo {

// `besideExecutable` is preferred; `perUser` is the fallback.
QString SolveFolderInUse(const QString& besideExecutable, const QString& perUser);

// The same for the running program.
QString SolveFolderInUse();

// Whether `folder` is the build tree this program was built in, or in it.
bool InBuildTree(const QString& folder);

}  // namespace varelo
