// A reference to one value of the game state, as the console reads and writes it: an integer
// slot, an on/off flag or a string.
#pragma once

#include <string>

#include "state/tables.h"

namespace state {

class Ref {
  public:
    enum class Kind { none, integer, flag, text };

    Ref() = default;
    explicit Ref(Int& value) : kind_(Kind::integer), integer_(&value) {}
    explicit Ref(bool& value) : kind_(Kind::flag), flag_(&value) {}
    explicit Ref(std::string& value) : kind_(Kind::text), text_(&value) {}

    Kind GetKind() const { return kind_; }
    bool Valid() const { return kind_ != Kind::none; }
    bool IsText() const { return kind_ == Kind::text; }

    // Numbers: the value (a flag reads 0 or 1); a string or an empty reference reads 0.
    Int GetInt() const;
    // A flag is set by any value other than 0. Does nothing on a string.
    void SetInt(Int value);

    // The value as text: a string as it is, a number in decimal.
    std::string GetText() const;
    // Strings are cut to 255 bytes; a number must be given as a whole decimal integer.
    bool SetText(const std::string& value, std::string& error);

    // The address of the value referred to, for tests that check where a name leads.
    const void* Address() const;

  private:
    Kind kind_ = Kind::none;
    Int* integer_ = nullptr;
    bool* flag_ = nullptr;
    std::string* text_ = nullptr;
};

}  // namespace state
