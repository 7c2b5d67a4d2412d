#pragma once

// What every fuzz target shares: cutting the input into fields, a clean
// engine per input, and the checks of the contract that each answer must
// keep (a value, at most one of the engine's messages, no "INF" or "NAN" in
// a text meant for the user). A broken contract aborts, which libFuzzer
// reports like a crash, with the input saved.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "plot/recording_canvas.h"
#include "shell/extended.h"

namespace lumatik::fuzz {

// The input cut at its first count-1 line feeds into count fields; missing
// fields are empty, the last one keeps any further line feeds.
std::vector<std::string> SplitFields(const std::uint8_t* data, std::size_t size, std::size_t count);

// The same input cut into all of its lines; a CR before the LF is dropped,
// as a worksheet or list file is read.
std::vector<std::string> SplitLines(const std::string& text);

// A reading of x for the engine: a finite number from the text (either
// separator, an exponent allowed), 0 for anything else.
Extended ReadX(const std::string& text);

// Starts every input from the same engine: the given parameter line (as
// the plotter sets it, and as the calculator's parameter memo would hold
// it), no message, the decimal separator chosen, message boxes collected,
// and a prime table that gives up (as a user pressing "Abbrechen" would)
// once it holds 20 000 primes, so that no PrZ runs past the time limit.
void ResetEngine(const std::string& paramLine, char decimalSeparator = ',');

// The message boxes the engine showed since ResetEngine.
const std::vector<std::string>& ShownMessages();

// True for the empty text and for every message form the engine sets.
bool IsEngineMessage(const std::string& message);

// True when the text holds "INF" or "NAN" (any case) as a word of its own:
// a number that should never have reached a user's eyes.
bool ShowsNonFinite(const std::string& text);

// Aborts with the reason and the detail; Require does so when the condition
// is false (loops over many lines test first and build the detail only for
// the report).
[[noreturn]] void Fail(const char* reason, const std::string& detail);
void Require(bool condition, const char* reason, const std::string& detail = {});
// Requires that the engine's message is one of its own forms; typed is the
// input, shown with a finding.
void RequireEngineMessage(const std::string& typed);

// Every operation of a drawing within the pixel limit, with its pen and
// font in their ranges and no INF or NAN in a text unless the user typed
// one (typed is the input, shown with a finding).
void CheckCanvasOps(const RecordingCanvas& canvas, const std::string& typed);

// The 80 bits of an extended value, for comparisons to the last bit.
bool SameBits(Extended a, Extended b);

}  // namespace lumatik::fuzz
