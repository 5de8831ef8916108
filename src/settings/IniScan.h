#pragma once
// A tolerant line scan of an INI file for one section, for when Qt's reader
// cannot be trusted with the file: Qt reads a quote or a trailing backslash
// as the start of a value that runs on over the following lines, so one
// stray character above "[Option]" swallows the section. Here every line
// stands alone: a line that is not a clean "key=value" is skipped, the keys
// of repeated sections are joined, and a key given twice keeps its last
// value, as Qt keeps it.

#include <QByteArray>
#include <QList>
#include <QString>

namespace varelo {

struct IniLine {
  QByteArray key;    // as written, Qt's escapes and all
  QByteArray value;  // as written, without the blanks around it
};

QList<IniLine> ScanSection(const QByteArray& text, const QByteArray& section);

// A key as Qt reads it: "%U4FEE" and "%2F" stand for one character.
QString DecodedKey(const QByteArray& key);

// A value Qt reads as exactly its text: no quotes, escapes, lists or types.
bool IsPlainValue(const QByteArray& value);

// The lines as a file of that one section.
QByteArray SectionText(const QByteArray& section, const QList<IniLine>& lines);

}  // namespace varelo
