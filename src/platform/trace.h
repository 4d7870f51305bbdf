// The transcript of a headless run: one line per event a script may want to check (a form
// shown, an effect played, a music track started). In the game nobody listens and a trace
// costs nothing.
#pragma once

#include <string>

namespace platform {

// Records an event, stamped with the current time, when a transcript is being written.
void Trace(const std::string& event);
bool TraceEnabled();

// Quotes a text for the transcript: double quotes around it, inner quotes and backslashes
// escaped, line breaks written as \n.
std::string Quote(const std::string& text);

}  // namespace platform
