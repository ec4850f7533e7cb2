#pragma once
// Colour values as the board properties and the settings file hold them:
// 0x00BBGGRR, red in the low byte. The cell widgets keep colours in this form
// so that comparing a cell's colour with a board colour is an integer test.

#include <QColor>
#include <QFont>
#include <cstdint>

using TColor = std::uint32_t;

inline constexpr TColor kClBlack = 0x000000;
inline constexpr TColor kClWhite = 0xFFFFFF;
inline constexpr TColor kClRed = 0x0000FF;
inline constexpr TColor kClBlue = 0xFF0000;
inline constexpr TColor kClLime = 0x00FF00;

constexpr TColor MakeTColor(int r, int g, int b) {
  return static_cast<TColor>(r & 0xFF) | (static_cast<TColor>(g & 0xFF) << 8) |
         (static_cast<TColor>(b & 0xFF) << 16);
}

inline QColor ToQColor(TColor c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

inline TColor ToTColor(const QColor& c) { return MakeTColor(c.red(), c.green(), c.blue()); }

// Font sizes are given in points at the classic 96 dots per inch. The cells
// have fixed pixel sizes, so their fonts are sized in pixels: a 25-point
// digit must fill a 46-pixel cell the same way on every screen.
constexpr int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

inline QFont WithPointSize(QFont f, int points) {
  if (points > 0) f.setPixelSize(PointsToPixels(points));
  return f;
}
