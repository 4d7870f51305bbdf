#include "app/script.h"

#include <charconv>
#include <map>
#include <sstream>

namespace app {

namespace {

struct Arity {
    int min;
    int max;  // -1: any number
};

const std::map<std::string, Arity>& Verbs() {
    static const std::map<std::string, Arity> verbs = {
        {"click", {1, 1}},      {"rclick", {1, 1}},       {"dblclick", {1, 1}},
        {"hover", {1, 1}},      {"type", {2, 2}},         {"wait", {1, 1}},
        {"get", {1, 1}},        {"set", {2, 2}},          {"expect", {2, 2}},
        {"call", {1, -1}},      {"expect-shown", {1, 1}}, {"show", {0, 0}},
        {"screenshot", {1, 1}}, {"seed", {1, 1}},         {"quit", {0, 0}},
        {"close", {0, 0}},      {"key", {1, 3}},          {"expect-caption", {2, 2}},
    };
    return verbs;
}

bool IsWholeNumber(const std::string& s) {
    std::size_t i = (!s.empty() && s[0] == '-') ? 1 : 0;
    if (i == s.size()) return false;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
    }
    return true;
}

// The number of a wait or seed command, or the reason it is refused.
bool CheckedNumber(const ScriptCommand& cmd, std::int64_t& value, std::string& why) {
    const std::string& text = cmd.args[0];
    if (!IsWholeNumber(text)) {
        why = cmd.verb + " needs a whole number";
        return false;
    }
    if (cmd.verb == "wait") {
        if (text[0] == '-') {
            why = "time cannot run backwards";
            return false;
        }
        if (!ParseWholeNumber(text, 0, kLongestWaitMs, value)) {
            why = "wait is at most " + std::to_string(kLongestWaitMs) + " ms (a day)";
            return false;
        }
        return true;
    }
    if (!ParseWholeNumber(text, 0, kLargestSeed, value)) {
        why = "seed needs a number from 0 to " + std::to_string(kLargestSeed);
        return false;
    }
    return true;
}

}  // namespace

bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error) {
    words.clear();
    std::string current;
    bool inWord = false, quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                current += line[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                current += c;
            }
            continue;
        }
        if (c == '#') break;
        if (c == '"') {
            quoted = true;
            inWord = true;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord) words.push_back(current);
            current.clear();
            inWord = false;
            continue;
        }
        current += c;
        inWord = true;
    }
    if (quoted) {
        error = "a quote is not closed";
        return false;
    }
    if (inWord) words.push_back(current);
    return true;
}

std::string FormatCommand(const ScriptCommand& command) {
    std::string line = command.verb;
    for (const std::string& word : command.args) {
        line += ' ';
        if (!word.empty() && word.find_first_of(" \t\r\"\\#") == std::string::npos) {
            line += word;
            continue;
        }
        line += '"';
        for (char ch : word) {
            if (ch == '"' || ch == '\\') line += '\\';
            line += ch;
        }
        line += '"';
    }
    return line;
}

bool ReadScriptText(std::istream& in, std::string& text, std::string& error) {
    text.clear();
    char chunk[64 * 1024];
    std::size_t lineLength = 0;
    int line = 1;
    while (in) {
        in.read(chunk, sizeof chunk);
        const std::streamsize got = in.gcount();
        for (std::streamsize i = 0; i < got; ++i) {
            if (chunk[i] == '\n') {
                ++line;
                lineLength = 0;
            } else if (++lineLength > kLongestLine) {
                error = "line " + std::to_string(line) + ": longer than " +
                        std::to_string(kLongestLine) + " characters";
                return false;
            }
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
    return true;
}

std::string QuoteExcerpt(const std::string& word) {
    if (word.size() <= kLongestQuote) return "\"" + word + "\"";
    std::size_t cut = kLongestQuote;
    // Not inside a character of several bytes.
    while (cut > 0 && (static_cast<unsigned char>(word[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + word.substr(0, cut) + "...\"";
}

bool ParseScript(const std::string& text, std::vector<ScriptCommand>& out, std::string& error) {
    out.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.size() > kLongestLine) {
            error = "line " + std::to_string(number) + ": longer than " +
                    std::to_string(kLongestLine) + " characters";
            return false;
        }
        std::vector<std::string> words;
        std::string why;
        if (!SplitWords(line, words, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        if (words.empty()) continue;
        ScriptCommand cmd;
        cmd.line = number;
        cmd.verb = words[0];
        cmd.args.assign(words.begin() + 1, words.end());
        auto it = Verbs().find(cmd.verb);
        if (it == Verbs().end()) {
            error =
                "line " + std::to_string(number) + ": unknown command " + QuoteExcerpt(cmd.verb);
            return false;
        }
        const int n = static_cast<int>(cmd.args.size());
        if (n < it->second.min || (it->second.max >= 0 && n > it->second.max)) {
            error =
                "line " + std::to_string(number) + ": wrong number of arguments for " + cmd.verb;
            return false;
        }
        if (cmd.verb == "wait" || cmd.verb == "seed") {
            if (!CheckedNumber(cmd, cmd.number, why)) {
                error = "line " + std::to_string(number) + ": " + why;
                return false;
            }
        }
        out.push_back(std::move(cmd));
    }
    return true;
}

bool ParseWholeNumber(std::string_view text, std::int64_t least, std::int64_t most,
                      std::int64_t& value) {
    const char* end = text.data() + text.size();
    std::int64_t parsed = 0;
    auto [stop, status] = std::from_chars(text.data(), end, parsed);
    if (text.empty() || status != std::errc() || stop != end || parsed < least || parsed > most)
        return false;
    value = parsed;
    return true;
}

}  // namespace app
