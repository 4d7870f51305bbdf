// The tutorial's step counter: which step runs, and the move to the next step when the awaited
// action happens.
#pragma once

namespace logic {

// True while the tutorial runs and its step is `step`.
bool TutorialAt(int step);
// The awaited action of step `fromStep` happened: the tutorial goes on to the next step (only
// when it stands at `fromStep`).
void AdvanceTutorial(int fromStep);

}  // namespace logic
