// The registry of the screens the map events and themes talk to.
#include "events/event_hooks.h"

namespace logic {

EventHooksRegistry& EventHooks() {
    static EventHooksRegistry registry;
    return registry;
}

}  // namespace logic
