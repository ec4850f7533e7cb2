#pragma once
// Whether a grid's blanks can be filled, each different from every peer and
// each row, column and box without a repeated given holding every digit, by
// a small clause-learning satisfiability search.
//
// Plain backtracking can take minutes where repeated givens leave units that
// need not hold every digit: a pigeonhole spread over several units is then
// found only by exhausting it. A learnt clause rules such a pattern out once.

#include <cstdint>

// value: the grid (0 = blank); cand: each blank's possible digits as bits
// 1..9; exactUnits: bit u set for each unit (rows 0..8, columns 9..17, boxes
// 18..26) that must hold every digit. On success the completed grid goes to
// witness.
bool FindCompletionSat(const std::uint8_t* value, const std::uint16_t* cand, std::uint32_t exactUnits,
                       std::uint8_t* witness);
