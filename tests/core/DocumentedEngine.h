#pragma once
// The test oracle: the solution engine's operations composed literally from
// its documented primitives (first blank in reading order, ascending digits).
// Slow on sparse puzzles; tests feed it inputs it finishes quickly.

#include <string>

#include "core/Tfrm_sol.h"

Tfrm_sol::SolveResult DocumentedSolveFromText(Tfrm_sol& engine, const std::string& text);
Tfrm_sol::CountResult DocumentedCountSolutions(Tfrm_sol& engine, const std::string& puzzle);
