#pragma once
// The common window font. Every window sets it after its captions: the
// family "MS Gothic", which Qt maps onto an installed Japanese Gothic font
// (IPAGothic from Debian's fonts-ipafont-gothic first) so that the Japanese
// texts render. Qt fonts are Unicode, so there is no character set to choose.

class QFont;
class QWidget;

inline constexpr char kJapaneseFontFamily[] = "MS Gothic";
// Point sizes: windows, status bars and radio groups; menus and tooltips.
inline constexpr int kWindowFontPoints = 9;
inline constexpr int kMenuFontPoints = 8;

// Maps "MS Gothic" onto the Japanese Gothic fonts a Linux desktop has. Done
// once per process; ApplyJapaneseFont calls it, the program may call it at
// start-up.
void InstallJapaneseFontSubstitution();

// base with the family "MS Gothic" and the given point size.
QFont JapaneseFont(const QFont& base, int pointSize);

// The face of text areas whose layouts line up in columns: "Courier New" 8,
// fixed pitch (fontconfig gives Liberation Mono).
QFont FixedPitchFont();

// The window font: "MS Gothic" 9 on the window, on every status bar and radio
// group; every label gets "MS Gothic" at its own size; the menu bar and every
// menu 8, and so do tooltips (the hint window). Windows whose text area needs
// a fixed-pitch font set it again afterwards.
void ApplyJapaneseFont(QWidget* window);
