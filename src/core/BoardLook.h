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

  // The boards' looks before any settings are read, each written as what
  // it changes of the defaults above.
  // The main window's board.
  static BoardLook MainBoard() {
    return {.UNFoucsColor2 = 16747403, .FoucsColor2 = 16747403, .FONTSize1 = 20, .FONTSize2 = 20, .FONTSize3 = 10,
            .FONTColor3 = 13238272, .errorcolor = 239, .highcolor = 9813909};
  }
  // The puzzle editor's board.
  static BoardLook Editor() {
    return {.FONTSize2 = 18, .FONTSize3 = 10, .FONTColor3 = 111666, .errorcolor = 254, .highcolor = 9813909};
  }
  // The appearance window's sample board.
  static BoardLook AppearanceSample() { return {.FONTSize3 = 10}; }
};
