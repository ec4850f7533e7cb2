#pragma once
// The controls' setters repaint only when a value really changes (a board
// redraw sets every member of 810 panels); this is that test and assignment,
// written once.

#include <utility>

// Sets member to value; true when it was different.
template <typename T, typename U>
bool SetIfChanged(T& member, U&& value) {
  if (member == value) return false;
  member = std::forward<U>(value);
  return true;
}
