// The game kept in the tab's own storage (sessionStorage), so that what a browser does to a tab
// behind the player's back (a reload, a discard to save memory, a session restored) does not end
// it. Nothing leaves the tab: a new tab or a new visit starts afresh.
#pragma once

class BoardInput;
class GameLog;

// Writes the game as it stands: its drops, whether the computer's path is shown, the cursor.
void KeepGame(const GameLog& log, const BoardInput& input);
// Leaves nothing to bring back: a new game, or the game ended with Exit.
void ForgetGame();
// At the page's load, before its first frame: the kept game played again silently, with its path
// and cursor; a kept game that cannot be brought back is forgotten, the console says why, and the
// game starts afresh. Leaves the seam empty.
void BringBackGame(GameLog& log, BoardInput& input);
