// Console scripts: one command a line, '#' starts a comment, double quotes group words.
#pragma once

#include <string>
#include <vector>

namespace app {

struct ScriptCommand {
    int line = 0;
    std::string verb;
    std::vector<std::string> args;
};

// Parses a whole script. False with "line N: reason" in error for a malformed script (an
// unknown command, a wrong number of arguments, an open quote).
bool ParseScript(const std::string& text, std::vector<ScriptCommand>& out, std::string& error);

// Splits one line into words; quotes group, \" and \\ escape inside quotes.
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error);

}  // namespace app
