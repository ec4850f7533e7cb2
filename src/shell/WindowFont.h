#pragma once
// The common window font. Every window sets it after its captions. Its face
// follows the language: the Japanese table keeps the family "MS Gothic",
// which Qt maps onto an installed Japanese Gothic font (IPAGothic from
// Debian's fonts-ipafont-gothic first); English and Chinese windows take the
// desktop's proportional UI font, Chinese with Simplified Chinese faces
// behind it so that Han characters get their Chinese forms. Qt fonts are
// Unicode, so there is no character set to choose.

#include <QStringList>

class QFont;
class QWidget;

inline constexpr char kJapaneseFontFamily[] = "MS Gothic";
// Point sizes: windows, status bars and radio groups; menus and tooltips.
inline constexpr int kWindowFontPoints = 9;
inline constexpr int kMenuFontPoints = 8;

enum class WindowScript { Japanese, Latin, Chinese };

// The script of the table in use, for the whole process; Japanese until a
// language is chosen. Windows made or re-texted afterwards take its face.
void SetWindowScript(WindowScript script);
WindowScript CurrentWindowScript();
// The script a language code ("ja", "en", "zh") is written in.
WindowScript ScriptOfLanguage(const QString& code);

// The families of a script's window face, the first one preferred.
QStringList WindowFontFamilies(WindowScript script);

// Maps "MS Gothic" onto the Japanese Gothic fonts a Linux desktop has. Done
// once per process; ApplyWindowFont calls it, the program may call it at
// start-up.
void InstallJapaneseFontSubstitution();

// base with the current script's families and the given point size.
QFont WindowFont(const QFont& base, int pointSize);

// The face of text areas whose layouts line up in columns: "Courier New" 8,
// fixed pitch (fontconfig gives Liberation Mono).
QFont FixedPitchFont();

// The window font: the current face at 9 points on the window, on every
// status bar and radio group; every label gets the face at its own size; the
// menu bar and every menu 8, and so do tooltips (the hint window). Windows
// whose text area needs a fixed-pitch font set it again afterwards.
void ApplyWindowFont(QWidget* window);
