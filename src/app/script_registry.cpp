#include "app/script_registry.h"

#include <charconv>

namespace app {

namespace {

std::string Arguments(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " argument" : " arguments");
}

}  // namespace

bool ScriptRegistry::Call::Accepts(const CallArgs& args, std::string& why) const {
    if (args.size() < required || args.size() > takes.size()) {
        why = "takes " +
              (required == takes.size()
                   ? Arguments(takes.size())
                   : std::to_string(required) + " to " + Arguments(takes.size())) +
              ", not " + std::to_string(args.size());
        return false;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        int number = 0;
        if (takes[i] == kNumber && !IntArg(args, i, number, why)) return false;
    }
    return true;
}

ScriptRegistry::Call Takes(std::vector<ArgKind> takes, ScriptRegistry::Operation run) {
    const std::size_t required = takes.size();
    return {std::move(takes), required, std::move(run)};
}

ScriptRegistry::Call TakesUpTo(std::vector<ArgKind> takes, std::size_t required,
                               ScriptRegistry::Operation run) {
    return {std::move(takes), required, std::move(run)};
}

void ScriptRegistry::AddCall(const std::string& name, std::vector<ArgKind> takes, Operation run) {
    AddCall(name, Takes(std::move(takes), std::move(run)));
}

void ScriptRegistry::AddCall(const std::string& name, std::vector<ArgKind> takes,
                             std::size_t required, Operation run) {
    AddCall(name, TakesUpTo(std::move(takes), required, std::move(run)));
}

bool ScriptRegistry::Get(const std::string& expr, std::string& value, std::string& error) const {
    for (const auto& get : getters_) {
        error.clear();
        if (get(expr, value, error)) return true;
        if (error != kUnknownValue) return false;
    }
    error = "unknown value \"" + expr + "\"";
    return false;
}

SetResult ScriptRegistry::Set(const std::string& expr, const std::string& value,
                              std::string& error) const {
    for (const auto& set : setters_) {
        error.clear();
        const SetResult result = set(expr, value, error);
        if (result != SetResult::failed || error != kUnknownValue) return result;
    }
    error = "unknown value \"" + expr + "\"";
    return SetResult::failed;
}

bool IntArg(const CallArgs& args, size_t index, int& out, std::string& error) {
    if (index >= args.size()) {
        error = "missing argument " + std::to_string(index + 1);
        return false;
    }
    const std::string& s = args[index];
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    if (ec != std::errc() || ptr != s.data() + s.size() || s.empty()) {
        error = "argument " + std::to_string(index + 1) + " is not a 32-bit whole number: " + s;
        return false;
    }
    return true;
}

}  // namespace app
