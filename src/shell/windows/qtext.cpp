#include "shell/windows/qtext.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "shell/codepage.h"
#include "shell/text_helpers.h"

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

void AppendMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines, std::size_t from) {
  if (from >= lines.size()) return;
  QString tail;
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (i > 0) tail += QLatin1Char('\n');
    tail += QtText(lines[i]);
  }
  QTextCursor end(memo->document());
  end.movePosition(QTextCursor::End);
  end.insertText(tail);
}

void AddMemoLine(QPlainTextEdit* memo, const std::string& line) {
  // Only the last line is looked at, so that a long output (a list of a
  // million primes) grows in linear time.
  QTextDocument* document = memo->document();
  QTextCursor end(document);
  end.movePosition(QTextCursor::End);
  // An empty memo, or a final line break that already opened the new line.
  if (document->lastBlock().text().isEmpty())
    end.insertText(QtText(line));
  else
    end.insertText(QLatin1Char('\n') + QtText(line));
}

std::string MemoCaretText(const QPlainTextEdit* memo) {
  return MemoCurrentLine(MemoLines(memo), memo->textCursor().blockNumber() + 1);
}

}  // namespace lumatik
