// What a console script can reach of the game: values by name (get, set, expect) and game
// operations by their own names (call). The game's layers register themselves at start-up.
#pragma once

#include <array>
#include <cstddef>
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

// What an argument of a call must be: a 32-bit whole number, or any word.
enum class ArgKind { number, word };
inline constexpr ArgKind kNumber = ArgKind::number;
inline constexpr ArgKind kWord = ArgKind::word;

// What became of a set: stored; failed (an unknown name, an index out of range); or refused,
// because the value is not one the slot can hold (a number that is not a 32-bit integer), which
// makes the script malformed.
enum class SetResult { stored, failed, refused };

class ScriptRegistry {
  public:
    // result: what the transcript shows (may stay empty). False with an error text when the
    // operation cannot be carried out.
    using Operation =
        std::function<bool(const CallArgs& args, std::string& result, std::string& error)>;
    // An operation and the arguments it takes, in order; those after the first `required` may
    // be left out.
    struct Call {
        std::vector<ArgKind> takes;
        std::size_t required = 0;
        Operation run;

        // Whether args are what the call takes: as many as it takes, and every number a 32-bit
        // whole number. False with the reason; the operation is run only on accepted arguments.
        bool Accepts(const CallArgs& args, std::string& why) const;
    };
    using Getter =
        std::function<bool(const std::string& expr, std::string& value, std::string& error)>;
    using Setter = std::function<SetResult(const std::string& expr, const std::string& value,
                                           std::string& error)>;

    void AddCall(const std::string& name, Call call) { calls_[name] = std::move(call); }
    // An operation that takes exactly these arguments.
    void AddCall(const std::string& name, std::vector<ArgKind> takes, Operation run);
    // An operation that takes these arguments, of which only the first `required` must be given.
    void AddCall(const std::string& name, std::vector<ArgKind> takes, std::size_t required,
                 Operation run);
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
    // resolver that does not know a name fails with the error kUnknownValue.
    void AddValues(Getter get, Setter set) {
        getters_.push_back(std::move(get));
        setters_.push_back(std::move(set));
    }
    bool Get(const std::string& expr, std::string& value, std::string& error) const;
    SetResult Set(const std::string& expr, const std::string& value, std::string& error) const;

    std::function<void(unsigned)> seed;

  private:
    std::map<std::string, Call> calls_;
    std::vector<Getter> getters_;
    std::vector<Setter> setters_;
};

// A call that takes exactly these arguments.
ScriptRegistry::Call Takes(std::vector<ArgKind> takes, ScriptRegistry::Operation run);
// A call that takes these arguments, of which only the first `required` must be given.
ScriptRegistry::Call TakesUpTo(std::vector<ArgKind> takes, std::size_t required,
                               ScriptRegistry::Operation run);

// Parses a whole-number argument of a call.
bool IntArg(const CallArgs& args, size_t index, int& out, std::string& error);

// An operation on N whole-number arguments whose result (if any) the transcript shows; a bool
// result shows as 1 or 0, a text as it is.
template <std::size_t N, typename Fn>
ScriptRegistry::Call Ints(Fn fn) {
    return Takes(std::vector<ArgKind>(N, kNumber),
                 [fn](const CallArgs& a, std::string& result, std::string& error) {
                     std::array<int, N> v{};
                     for (std::size_t i = 0; i < N; ++i) {
                         if (!IntArg(a, i, v[i], error)) return false;
                     }
                     using R = decltype(std::apply(fn, v));
                     if constexpr (std::is_void_v<R>) {
                         std::apply(fn, v);
                     } else if constexpr (std::is_same_v<R, bool>) {
                         result = std::apply(fn, v) ? "1" : "0";
                     } else if constexpr (std::is_convertible_v<R, std::string>) {
                         result = std::apply(fn, v);
                     } else {
                         result = std::to_string(std::apply(fn, v));
                     }
                     return true;
                 });
}

}  // namespace app
