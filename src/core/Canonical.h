#pragma once
// One representative for all disguises of a puzzle under the game's shuffle:
// column swaps inside a stack, row swaps inside a band and relabelling of
// digits. Two puzzles are the same puzzle in disguise exactly when their
// canonical forms are equal.
//
// The form is the smallest 81-character text, in reading order, over every
// arrangement of rows inside their bands and columns inside their stacks,
// with the digits renamed "1", "2", ... in order of first appearance and "0"
// for a blank. Bands and stacks never move, so the search goes band by band
// and keeps only the arrangements that tie for the smallest text so far.

#include <string>

#include "core/FastSolver.h"

std::string CanonicalForm(const Grid& puzzle);
