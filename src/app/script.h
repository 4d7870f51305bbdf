// Console scripts: one command a line, '#' starts a comment, double quotes group words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The longest line a script may have; a longer one is refused before it is read on.
inline constexpr std::size_t kLongestLine = 64 * 1024;
// The most characters of a refused word that a message quotes.
inline constexpr std::size_t kLongestQuote = 80;

// The longest wait a script may ask for: a day of virtual time.
inline constexpr std::int64_t kLongestWaitMs = 86'400'000;
// What seeds the random generator: any unsigned 32-bit number.
inline constexpr std::int64_t kLargestSeed = 4'294'967'295;

struct ScriptCommand {
    int line = 0;
    std::string verb;
    std::vector<std::string> args;
    std::int64_t number = 0;  // wait and seed: their number, checked by the parser
};

// Parses a whole script. False with "line N: reason" in error for a malformed script (an
// unknown command, a wrong number of arguments, an open quote, a wait that is not a whole
// number of 0 to kLongestWaitMs milliseconds, a seed that is not a whole number of 0 to
// kLargestSeed).
bool ParseScript(const std::string& text, std::vector<ScriptCommand>& out, std::string& error);

// A whole decimal number (an optional minus sign, then digits only) from least to most; false
// for anything else, however many digits it has.
bool ParseWholeNumber(std::string_view text, std::int64_t least, std::int64_t most,
                      std::int64_t& value);

// Reads a whole script from in. False with "line N: ..." in error, at once, for a line longer
// than kLongestLine.
bool ReadScriptText(std::istream& in, std::string& text, std::string& error);

// A word for a message: in double quotes, cut to its first kLongestQuote characters (then
// "...").
std::string QuoteExcerpt(const std::string& word);

// Splits one line into words; quotes group, \" and \\ escape inside quotes.
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error);

// A command as a script line that SplitWords reads back into the same words: a word with a
// space, a quote, a backslash or a '#' (or an empty one) is quoted.
std::string FormatCommand(const ScriptCommand& command);

}  // namespace app
