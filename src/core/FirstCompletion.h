#pragma once
// The solution engine's answer for givens that may clash: the first
// completion in reading order (cells compared one by one, smaller digit
// first) in which every blank differs from each of its peers, given or not.
//
// Without a clash that is the smallest solution, which FastSolver finds
// directly. With one, rows, columns and boxes holding a repeated given need
// not hold every digit, so the answer is built cell by cell, each digit
// proved to leave a completion before it is kept.

#include "core/FastSolver.h"

// False (out untouched) when no completion exists.
bool FirstCompletion(const Grid& givens, Grid& out);
