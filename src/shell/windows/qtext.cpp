#include "shell/windows/qtext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "shell/codepage.h"

namespace lumatik {

namespace {

QString WithLineFeeds(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

QString QtText(std::string_view cp1252) {
  return WithLineFeeds(QString::fromUtf8(Cp1252ToUtf8(cp1252)));
}

QString Ui(const char* utf8) { return WithLineFeeds(QString::fromUtf8(utf8)); }

std::string CoreText(const QString& text) { return Utf8ToCp1252(text.toUtf8().toStdString()); }

std::vector<std::string> MemoLines(const QPlainTextEdit* memo) {
  std::vector<std::string> lines;
  const QString text = memo->toPlainText();
  if (text.isEmpty()) return lines;
  QStringList parts = text.split(QLatin1Char('\n'));
  if (parts.last().isEmpty()) parts.removeLast();
  lines.reserve(parts.size());
  for (const QString& part : parts) lines.push_back(CoreText(part));
  return lines;
}

void SetMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
  QStringList parts;
  for (const std::string& line : lines) parts << QtText(line);
  memo->setPlainText(parts.join(QLatin1Char('\n')));
}

void AddMemoLine(QPlainTextEdit* memo, const std::string& line) {
  const QString text = memo->toPlainText();
  QTextCursor end(memo->document());
  end.movePosition(QTextCursor::End);
  // A final line break already opened the new line.
  if (text.isEmpty() || text.endsWith(QLatin1Char('\n')))
    end.insertText(QtText(line));
  else
    end.insertText(QLatin1Char('\n') + QtText(line));
}

std::string MemoCaretText(const QPlainTextEdit* memo) {
  const int line = memo->textCursor().blockNumber();
  const std::vector<std::string> lines = MemoLines(memo);
  return line < static_cast<int>(lines.size()) ? lines[line] : std::string();
}

}  // namespace lumatik
