#include "sources/SolveFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings/AppPaths.h"

namespace varelo {

namespace {

// An existing folder must be writable; a missing one must be creatable,
// which needs a writable folder above it.
bool Usable(const QString& folder) {
  const QFileInfo info(folder);
  if (info.exists()) return info.isDir() && info.isWritable();
  const QFileInfo parent(info.absolutePath());
  return parent.isDir() && parent.isWritable();
}

QString Canonical(const QString& folder) {
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) : canonical;
}

// The folder beside the running program itself, when that program is an
// installed one. (Tests hand the game folders of their own, which are not
// the program's.)
bool BesideInstalledProgram(const QString& besideExecutable) {
  const QString programDir = Canonical(QCoreApplication::applicationDirPath());
  return Canonical(QFileInfo(besideExecutable).absolutePath()) == programDir && !InBuildTree(programDir);
}

}  // namespace

bool InBuildTree(const QString& folder) {
  const QString tree = Canonical(QStringLiteral(VARELO_BUILD_TREE));
  const QString inside = Canonical(folder);
  return inside == tree || inside.startsWith(tree + u'/');
}

QString SolveFolderInUse(const QString& besideExecutable, const QString& perUser) {
  if (BesideInstalledProgram(besideExecutable)) return perUser;
  return Usable(besideExecutable) ? besideExecutable : perUser;
}

QString SolveFolderInUse() {
  const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/solve");
  return SolveFolderInUse(AppPaths::FromApplication().solveDir(), perUser);
}

}  // namespace varelo
