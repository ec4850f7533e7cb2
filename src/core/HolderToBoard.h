#pragma once
// Copying the holder's puzzle onto a board.

class Board;
class TQJ;

// Clue nodes become Given cells with their digit; every other cell becomes
// Open. With candidates, the open cells get their free digits; without, they
// keep the digit strings the caller has already put there. Conflict flags
// are cleared.
void LoadBoardFromHolder(Board& board, const TQJ& holder, bool withCandidates);
