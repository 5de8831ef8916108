#pragma once
// The program's own version information, shown by the About dialog.

#include <QString>

#include "dialogs/VersionNumbers.h"

namespace varelo {

struct ProgramVersion {
  int major = version_numbers::kMajor;
  int minor = version_numbers::kMinor;
  int revision = version_numbers::kRevision;
};

inline constexpr ProgramVersion kProgramVersion{};

// "V" + major + "." + minor + ".0." + revision + " Beta".
inline QString VersionText(const ProgramVersion& version = kProgramVersion) {
  return QStringLiteral("V%1.%2.0.%3 Beta").arg(version.major).arg(version.minor).arg(version.revision);
}

}  // namespace varelo
