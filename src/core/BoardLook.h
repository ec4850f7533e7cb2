#pragma once
// The colours and font sizes of a board, shared by the main board, the
// editor's board, the appearance preview and the solver's small board, and
// filled from the settings file. Colours are 0x00BBGGRR; sizes in points.

#include <cstdint>

struct BoardLook {
  std::uint32_t UNFoucsColor1 = 0xFFFFFF;    // boxes 1, 3, 5, 7, 9
  std::uint32_t UNFoucsColor2 = 16759739;    // boxes 2, 4, 6, 8
  std::uint32_t FoucsColor1 = 12043517;
  std::uint32_t FoucsColor2 = 14538713;
  int FONTSize1 = 25;                        // given digits
  int FONTSize2 = 25;                        // placed digits
  int FONTSize3 = 12;                        // candidates
  std::uint32_t FONTColor1 = 0x000000;
  std::uint32_t FONTColor2 = 0xFF0000;
  std::uint32_t FONTColor3 = 0x000080;
  std::uint32_t errorcolor = 732916;
  std::uint32_t highcolor = 11654065;

  bool operator==(const BoardLook&) const = default;

  // The main window's board as it comes up before any settings are read.
  static BoardLook MainBoard() {
    BoardLook l;
    l.UNFoucsColor1 = 0xFFFFFF;
    l.UNFoucsColor2 = 16747403;
    l.FoucsColor1 = 12043517;
    l.FoucsColor2 = 16747403;
    l.FONTSize1 = 20;
    l.FONTSize2 = 20;
    l.FONTSize3 = 10;
    l.FONTColor1 = 0x000000;
    l.FONTColor2 = 0xFF0000;
    l.FONTColor3 = 13238272;
    l.errorcolor = 239;
    l.highcolor = 9813909;
    return l;
  }
};
