#pragma once

#include <QString>
#include <string>

namespace sibylon {

// Core text is bytes in the locale's 8-bit encoding; widgets hold QString.
inline QString ToQString(const std::string& bytes) {
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToBytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace sibylon
