// A slot's name as the console and the value directory spell it.
#pragma once

namespace state {

struct SlotName {
    const char* name;
    int slot;
};

}  // namespace state
