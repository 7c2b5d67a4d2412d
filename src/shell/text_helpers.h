#pragma once

// Small string and number routines that every window uses. Strings hold
// Windows-1252 bytes and are indexed from 1, as the worked-solution texts
// count them.

#include <cstdint>
#include <string>
#include <vector>

#include "shell/extended.h"

namespace lumatik {

// Characters and blanks. A blank is character 32 only.
char CharAt(const std::string& s, int i);         // code 0 outside 1..length
char CharAtOrBlank(const std::string& s, int i);  // a blank outside 1..length
std::string TailFrom(const std::string& s, int pos);
void DropLastChars(std::string& s, int n);  // at least one
bool IsBlank(const std::string& s);
std::string RemoveBlanks(const std::string& s);
std::string Spaces(int n);
std::string PadRight(const std::string& s, int width);
std::string CollapseAfterFirst(std::string s);  // "-   5" -> "-5"
// Only a four-digit integer part goes without its blank: "1 234,5" ->
// "1234,5", "-1 234" -> "-1234"; "12 345" and "1 234 567" stay.
std::string JoinFourDigitInteger(std::string s);
std::string SignChar(Extended x);
std::string Trim(const std::string& s);  // drops control characters and blanks at both ends

// Words and numbers out of an input line (the values read as terms are the
// engine's: expr/nth_value.h).
std::string NthWord(const std::string& s, int n);
std::int64_t NthInteger(const std::string& s, int n);
Extended StrToExt(const std::string& s);  // throws ConversionError when no number is left
std::int64_t StrToIntRounded(const std::string& s);

// Number to text.
std::string FloatTextFixed(int decimals, Extended x);
std::string FloatTextGrouped(int digits, Extended x);
std::string FloatText18(Extended x);
std::string CleanFloatText(Extended x);
std::string GroupedDecimalText(int digits, Extended x);
std::string GroupedDecimalText18(Extended x);

// The caret's line in a memo text whose lines end in LF or CR LF (1-based),
// and the text of that line.
int MemoCaretLine(const std::string& text, int caretPosition);
std::string MemoCurrentLine(const std::vector<std::string>& lines, int caretLine);

// Powers in 64-bit doubles for the lenient number reader.
double IntPowerD(std::int64_t n, double base);
double PowerD(double exponent, double base);

}  // namespace lumatik
