#include "rules/dialogs.h"

#include <stdexcept>

namespace logic {

namespace {
Dialogs* g_dialogs = nullptr;
}

Dialogs& UI() {
    if (!g_dialogs) throw std::logic_error("no dialogs installed");
    return *g_dialogs;
}

void InstallDialogs(Dialogs* dialogs) {
    g_dialogs = dialogs;
}

}  // namespace logic
