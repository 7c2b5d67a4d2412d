#pragma once

#include <functional>
#include <string>

namespace lumatik {

// The text passes every evaluation level runs before splitting, in order.

// "sqrt(" -> "wur(", "round(" -> "rou(", "°" -> "*Pi/180".
std::string RewriteWords(const std::string& s);

// "1'1/2+4'5/22" -> "(3/2)+(93/22)": whole part, apostrophe and fraction
// become one bracketed fraction.
std::string RewriteMixedNumbers(const std::string& s);
// The same with the text of each sum "1+1/2" given by valueText; an empty
// answer leaves nothing of the whole term.
std::string RewriteMixedNumbersWith(const std::string& s, const std::function<std::string(const std::string&)>& valueText);

// "2x" -> "2*x", "3(4+1)" -> "3*(4+1)", "(x+1)(x-1)" -> "(x+1)*(x-1)";
// the exponent of a literal stays whole: "1,5E-20", "2E5".
std::string InsertImplicitMultiplication(const std::string& s);

// The message for a sub-term that is nothing the evaluator knows: a name
// (a letter, then letters, digits, "_" or "'") is most likely a parameter
// the user forgot, "Unbekannter Name c"; anything else is "Syntaxf. in ...".
std::string UnreadableLeafMessage(const std::string& text);

}  // namespace lumatik
