#pragma once
// The program's own version information, shown by the About dialog.

#include <QString>

namespace varelo {

struct ProgramVersion {
  int major = 1;
  int minor = 0;
  int revision = 365;
};

inline constexpr ProgramVersion kProgramVersion{};

// "V" + major + "." + minor + ".0." + revision + " Beta".
inline QString VersionText(const ProgramVersion& version = kProgramVersion) {
  return QStringLiteral("V%1.%2.0.%3 Beta").arg(version.major).arg(version.minor).arg(version.revision);
}

}  // namespace varelo
