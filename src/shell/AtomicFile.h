#pragma once
// The one way the program writes a file: the whole content to a temporary
// file beside it, flushed, then renamed over the old one, so that a crash or
// a full disk leaves either the old file or the new one, never a cut one.

#include <QString>
#include <string>

// Returns an empty string on success, else the reason (the old file stays).
QString WriteFileAtomically(const QString& path, const std::string& bytes);

// Reads a whole file; false (bytes untouched) when it cannot be read.
bool ReadWholeFile(const QString& path, std::string& bytes);
