// A castle falls to the army that stands on it.
#pragma once

namespace logic {

// The loser is out of the game: with announce the player is told (the "Defeat!" notice with the
// loser's faction logo), the loser's army leaves the map, the castle pictures are placed anew
// and the end of the game is tested.
void CastleFalls(int loser, bool announce);

}  // namespace logic
