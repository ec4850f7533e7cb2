#pragma once
// The built-in language table (Japanese), which start-up makes the active
// table, and the maker's web address that the table, the printable page's
// byline and the Help menu's web link all use.

#include <string_view>

#include "shell/LanguageTable.h"

// The maker's web site; a reserved example.org address until the project
// has a site of its own.
inline constexpr std::string_view kMakerWebAddress = "https://tessvar.example.org/";

// Every key of the program, grouped by window (main window menu, group boxes
// and tool buttons, play controls, messages, then the other windows), keys in
// lower case. Built once.
const LanguageTable& BuiltinJapanese();
