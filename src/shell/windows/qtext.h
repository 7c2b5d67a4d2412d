#pragma once

// The window side of the core's text: the core holds Windows-1252 bytes
// with CR LF line ends, Qt holds Unicode with LF. Every text that crosses
// between a window and the core goes through these.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;

namespace lumatik {

// Windows-1252 bytes as a QString (CR LF and a lone CR become LF).
QString QtText(std::string_view cp1252);
// A QString as Windows-1252 bytes; characters without a code become "?".
std::string CoreText(const QString& text);
// A German text written in UTF-8 in our sources, for a window (CR LF and a
// lone CR become LF).
QString Ui(const char* utf8);

// A memo's lines as a list box would count them: the empty line after a
// final line break is no line of its own.
std::vector<std::string> MemoLines(const QPlainTextEdit* memo);
void SetMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);
void AddMemoLine(QPlainTextEdit* memo, const std::string& line);
// The line that holds the caret, or "" when the caret is below the last line.
std::string MemoCaretText(const QPlainTextEdit* memo);

}  // namespace lumatik
