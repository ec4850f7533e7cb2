#pragma once
// The ordered search (first blank in reading order, digits ascending, forced
// singles placed between guesses) for givens that may clash.
//
// Without a clash the search's answer is the smallest solution, which
// FastSolver finds directly. With a clash it is not: the search never compares
// givens with each other, and where a row, column or box holds a repeated
// given it cannot hold every digit, so a "hidden single" there places a digit
// that no completion forces. This reproduces the search move for move, but
// abandons a branch as soon as no completion of it exists at all (every blank
// different from each of its peers, given or not), which no step of the
// search can change: the answer is the same, reached without the search's
// exhaustive walks through dead branches.

#include "core/FastSolver.h"

// The grid the ordered search ends with when it succeeds; false (out
// untouched) when it fails.
bool OrderedSearch(const Grid& givens, Grid& out);
