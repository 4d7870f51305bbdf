#include "state/tables.h"

namespace state {

void ThrowIndexError(const char* what) {
    throw std::out_of_range(what);
}

std::string CapText(std::string text) {
    if (text.size() > kMaxTextLength) text.resize(kMaxTextLength);
    return text;
}

}  // namespace state
