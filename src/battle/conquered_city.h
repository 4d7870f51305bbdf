// The choice after the human has beaten a city's garrison: accept the surrender or pillage.
#pragma once

namespace logic {

// City `site` (MapSite row) has been won by `lord`. The dialog repeats until a choice succeeds.
void ConqueredCity(int site, int lord);

}  // namespace logic
