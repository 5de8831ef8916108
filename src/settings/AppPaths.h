#pragma once
// Files beside the executable: the test puzzle, the solve folder, the logo
// and tray pictures. The folder is injectable so tests use a temporary one.

#include <QString>

namespace varelo {

struct AppPaths {
  QString programDir;  // the executable's folder

  // The executable's own folder.
  static AppPaths FromApplication();

  QString file(const QString& name) const { return programDir + u'/' + name; }
  QString testPuzzle() const { return file(QStringLiteral("test.txt")); }
  QString solveDir() const { return file(QStringLiteral("solve")); }
};

}  // namespace varelo
