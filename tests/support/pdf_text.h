#pragma once

// The text of a PDF file as pdftotext reads it (blanks and line ends as one
// blank); none where pdftotext is not installed.

#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <optional>

namespace lumatik::testing {

inline std::optional<QString> PdfText(const QString& path) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) return std::nullopt;
  QProcess extract;
  extract.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!extract.waitForFinished(20000)) return QString();
  return QString::fromUtf8(extract.readAllStandardOutput()).simplified();
}

}  // namespace lumatik::testing
