#include "state/value_ref.h"

#include <charconv>

namespace state {

Int Ref::GetInt() const {
    switch (kind_) {
        case Kind::integer:
            return *integer_;
        case Kind::flag:
            return *flag_ ? 1 : 0;
        default:
            return 0;
    }
}

void Ref::SetInt(Int value) {
    if (kind_ == Kind::integer) *integer_ = value;
    if (kind_ == Kind::flag) *flag_ = value != 0;
}

std::string Ref::GetText() const {
    if (kind_ == Kind::text) return *text_;
    return std::to_string(GetInt());
}

bool Ref::SetText(const std::string& value, std::string& error) {
    if (kind_ == Kind::none) {
        error = "no value to set";
        return false;
    }
    if (kind_ == Kind::text) {
        *text_ = CapText(value);
        return true;
    }
    Int number = 0;
    const char* end = value.data() + value.size();
    auto [stop, status] = std::from_chars(value.data(), end, number);
    if (status != std::errc() || stop != end || value.empty()) {
        error = "\"" + value + "\" is not a 32-bit integer";
        return false;
    }
    SetInt(number);
    return true;
}

const void* Ref::Address() const {
    switch (kind_) {
        case Kind::integer:
            return integer_;
        case Kind::flag:
            return flag_;
        case Kind::text:
            return text_;
        default:
            return nullptr;
    }
}

}  // namespace state
