#include "settings/IniScan.h"

namespace varelo {

namespace {

// Qt joins the next line to a value with an open quote or a final backslash.
bool RunsOn(const QByteArray& value) {
  bool quoted = false;
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] == '\\') {
      if (++i == value.size()) return true;
    } else if (value[i] == '"') {
      quoted = !quoted;
    }
  }
  return quoted;
}

int HexValue(const QByteArray& digits) {
  bool ok = false;
  const int value = digits.toInt(&ok, 16);
  return ok ? value : -1;
}

}  // namespace

QList<IniLine> ScanSection(const QByteArray& text, const QByteArray& section) {
  QList<IniLine> lines;
  bool inSection = false;
  for (const QByteArray& raw : text.split('\n')) {
    const QByteArray line = raw.trimmed();
    if (line.startsWith('[')) {
      const qsizetype end = line.indexOf(']');
      inSection = end > 0 && line.mid(1, end - 1).trimmed() == section;
      continue;
    }
    if (!inSection || line.startsWith(';') || line.startsWith('#')) continue;
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) continue;
    IniLine entry{line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
    if (entry.key.isEmpty() || RunsOn(entry.value)) continue;
    const auto same = [&entry](const IniLine& other) { return other.key == entry.key; };
    lines.removeIf(same);
    lines.append(entry);
  }
  return lines;
}

QString DecodedKey(const QByteArray& key) {
  QString decoded;
  for (qsizetype i = 0; i < key.size(); ++i) {
    if (key[i] == '%' && i + 5 < key.size() && key[i + 1] == 'U') {
      const int code = HexValue(key.mid(i + 2, 4));
      if (code >= 0) {
        decoded += QChar(code);
        i += 5;
        continue;
      }
    }
    if (key[i] == '%' && i + 2 < key.size()) {
      const int code = HexValue(key.mid(i + 1, 2));
      if (code >= 0) {
        decoded += QChar(code);
        i += 2;
        continue;
      }
    }
    decoded += QChar::fromLatin1(key[i]);
  }
  return decoded;
}

bool IsPlainValue(const QByteArray& value) {
  return !value.startsWith('@') && !value.contains('"') && !value.contains('\\') && !value.contains(',');
}

QByteArray SectionText(const QByteArray& section, const QList<IniLine>& lines) {
  QByteArray text = '[' + section + "]\n";
  for (const IniLine& line : lines) text += line.key + '=' + line.value + '\n';
  return text;
}

}  // namespace varelo
