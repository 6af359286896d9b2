#pragma once

#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>

namespace sibylon::test {

// What Poppler's tools read from a PDF: a PDF that only looks right to the eye fails here.
inline QString RunPoppler(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) {
    return QStringLiteral("<%1 failed: %2>")
        .arg(tool, QString::fromLocal8Bit(process.readAllStandardError()));
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of the PDF as pdftotext reads it back, in reading order.
inline QString PdfText(const QString& pdf) {
  return RunPoppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}

// pdfinfo's "Name: value" lines.
inline QString PdfInfo(const QString& pdf, const QString& name) {
  const QString info = RunPoppler(QStringLiteral("pdfinfo"), {pdf});
  const auto match = QRegularExpression(QStringLiteral("^%1:\\s*(.*)$").arg(name),
                                        QRegularExpression::MultilineOption)
                         .match(info);
  return match.hasMatch() ? match.captured(1).trimmed() : info;
}

// The size in pixels of every picture the PDF holds (pdfimages -list).
inline QList<QSize> PdfPictures(const QString& pdf) {
  QList<QSize> sizes;
  const QStringList lines =
      RunPoppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split('\n');
  for (const QString& line : lines.mid(2)) {
    const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
    // page num type width height ...; a soft mask belongs to the picture before it
    if (fields.size() > 4 && fields[2] == QLatin1String("image")) {
      sizes << QSize(fields[3].toInt(), fields[4].toInt());
    }
  }
  return sizes;
}

}  // namespace sibylon::test
