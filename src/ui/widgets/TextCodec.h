#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace sibylon {

// Core text is bytes in the locale's 8-bit encoding; widgets hold QString.
inline QString ToQString(const std::string& bytes) {
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToBytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

// The hard lines of a multi-line field's text (not its wrapped display lines). A line break ends
// a line, so the empty rest after a final break is no line: "abc\n" is one line, "\n" one empty
// line, and an empty text has none.
inline std::vector<std::string> HardLines(const QString& text) {
  QStringList parts = text.split(QLatin1Char('\n'));
  if (parts.back().isEmpty()) parts.removeLast();
  std::vector<std::string> lines;
  for (const QString& line : parts) lines.push_back(ToBytes(line));
  return lines;
}

}  // namespace sibylon
