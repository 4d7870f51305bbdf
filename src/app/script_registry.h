// What a console script can reach of the game: values by name (get, set, expect) and game
// operations by their own names (call). The game's layers register themselves at start-up.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

namespace app {

inline constexpr const char* kUnknownValue = "unknown value";

// An argument of call: the word as written; quoted words are strings.
using CallArgs = std::vector<std::string>;

class ScriptRegistry {
  public:
    // result: what the transcript shows (may stay empty). False with an error text when the
    // operation cannot be carried out (wrong arguments, out of range).
    using Call = std::function<bool(const CallArgs& args, std::string& result, std::string& error)>;
    using Getter =
        std::function<bool(const std::string& expr, std::string& value, std::string& error)>;
    using Setter =
        std::function<bool(const std::string& expr, const std::string& value, std::string& error)>;

    void AddCall(const std::string& name, Call call) { calls_[name] = std::move(call); }
    const Call* FindCall(const std::string& name) const {
        auto it = calls_.find(name);
        return it == calls_.end() ? nullptr : &it->second;
    }
    std::vector<std::string> CallNames() const {
        std::vector<std::string> names;
        for (const auto& [name, call] : calls_)
            names.push_back(name);
        return names;
    }

    // Values are resolved by a chain of resolvers; the first that knows the name answers. A
    // resolver that does not know a name returns false with the error kUnknownValue.
    void AddValues(Getter get, Setter set) {
        getters_.push_back(std::move(get));
        setters_.push_back(std::move(set));
    }
    bool Get(const std::string& expr, std::string& value, std::string& error) const;
    bool Set(const std::string& expr, const std::string& value, std::string& error) const;

    std::function<void(unsigned)> seed;

  private:
    std::map<std::string, Call> calls_;
    std::vector<Getter> getters_;
    std::vector<Setter> setters_;
};

// Parses a whole-number argument of a call.
bool IntArg(const CallArgs& args, size_t index, int& out, std::string& error);

// An operation on N whole-number arguments whose result (if any) the transcript shows.
template <std::size_t N, typename Fn>
ScriptRegistry::Call Ints(Fn fn) {
    return [fn](const CallArgs& a, std::string& result, std::string& error) {
        std::array<int, N> v{};
        for (std::size_t i = 0; i < N; ++i) {
            if (!IntArg(a, i, v[i], error)) return false;
        }
        if constexpr (std::is_void_v<decltype(std::apply(fn, v))>) {
            std::apply(fn, v);
        } else {
            result = std::to_string(std::apply(fn, v));
        }
        return true;
    };
}

}  // namespace app
