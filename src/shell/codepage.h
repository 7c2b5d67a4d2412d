#pragma once

#include <string>
#include <string_view>

namespace lumatik {

// The core holds text as Windows-1252 bytes; sources, files and the
// command line speak UTF-8. Characters without a Windows-1252 code become "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);
bool IsValidUtf8(std::string_view text);

// A UTF-8 literal from the source as the core's Windows-1252 text:
// Cp1252("im Bogenmaß").
inline std::string Cp1252(std::string_view utf8) { return Utf8ToCp1252(utf8); }

}  // namespace lumatik
