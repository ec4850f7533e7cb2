#pragma once
// The one way the program writes a file: the whole content to a new
// temporary file beside it, written without a buffer that could hide an
// error, synced, closed, then renamed over the old one. A full disk, a
// read-only folder or a crash leaves either the old file or the new one,
// never a short one, and the caller always learns why a write failed.
// A link at the path is replaced, never followed.

#include <optional>
#include <string>
#include <string_view>

// The steps of a write, in order; tests make any one of them fail.
enum class WriteStep { Open, Write, Sync, Flush, Rename };

// Empty on success, else a short reason ("no space left on device"); the
// old file, if any, is then exactly as it was and no temporary is left.
std::string WriteFileReplacing(const std::string& path, std::string_view bytes);

// Test seam: the given step fails with errno err in every later write, until
// reset with std::nullopt. Thread-safe.
void FailWritesAt(std::optional<WriteStep> step, int err = 28 /* ENOSPC */);
