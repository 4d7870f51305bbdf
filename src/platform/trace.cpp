#include "platform/trace.h"

#include "platform/application.h"

namespace platform {

void Trace(const std::string& event) {
    if (Application* app = Application::Instance()) app->TraceEvent(event);
}

bool TraceEnabled() {
    Application* app = Application::Instance();
    return app && app->Tracing();
}

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                break;
            default:
                out += c;
        }
    }
    out += '"';
    return out;
}

}  // namespace platform
