#include "app/script_registry.h"

#include <charconv>

namespace app {

bool ScriptRegistry::Get(const std::string& expr, std::string& value, std::string& error) const {
    for (const auto& get : getters_) {
        error.clear();
        if (get(expr, value, error)) return true;
        if (error != kUnknownValue) return false;
    }
    error = "unknown value \"" + expr + "\"";
    return false;
}

bool ScriptRegistry::Set(const std::string& expr, const std::string& value,
                         std::string& error) const {
    for (const auto& set : setters_) {
        error.clear();
        if (set(expr, value, error)) return true;
        if (error != kUnknownValue) return false;
    }
    error = "unknown value \"" + expr + "\"";
    return false;
}

bool IntArg(const CallArgs& args, size_t index, int& out, std::string& error) {
    if (index >= args.size()) {
        error = "missing argument " + std::to_string(index + 1);
        return false;
    }
    const std::string& s = args[index];
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    if (ec != std::errc() || ptr != s.data() + s.size()) {
        error = "argument " + std::to_string(index + 1) + " is not a whole number: " + s;
        return false;
    }
    return true;
}

}  // namespace app
