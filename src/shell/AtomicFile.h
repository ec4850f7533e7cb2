#pragma once
// Files as the windows name them: QString paths over the model's writer
// (core/FileWrite.h), which replaces a file whole or not at all.

#include <QString>
#include <string>

// Returns an empty string on success, else the reason (the old file stays).
QString WriteFileAtomically(const QString& path, const std::string& bytes);

// Reads a whole file; false (bytes untouched) when it cannot be read.
bool ReadWholeFile(const QString& path, std::string& bytes);
