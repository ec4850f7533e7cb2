#include "storage/FileCheck.h"

#include "core/ReplayFile.h"
#include "core/TQJ.h"
#include "shell/LanguageTable.h"
#include "storage/GamesStore.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"

namespace {

bool IsReplayFirstLine(const std::string& line) {
  return line[0] >= '0' && line[0] <= '9' && (line.size() == 1 || line[1] == ' ');
}

// The language reader's NotText, made precise: the first line holding a NUL
// byte (UTF-16 without its mark, binary data), else the first not in UTF-8.
FileProblem NotTextProblem(std::string_view bytes) {
  const std::vector<std::string> lines = SplitTextLines(DecodeTextBytes(bytes));
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].find('\0') != std::string::npos) return {static_cast<int>(i) + 1, "a NUL byte: not text"};
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (SanitizeUtf8(lines[i]) != lines[i]) return {static_cast<int>(i) + 1, "most lines are not UTF-8"};
  return {0, "not text"};
}

std::vector<FileProblem> CheckLanguage(std::string_view bytes) {
  switch (CheckLanguageFile(bytes)) {
    case LanguageFileProblem::None: return {};
    case LanguageFileProblem::TooLarge: return {{0, "larger than 1 MiB: not a language file"}};
    case LanguageFileProblem::NotText: return {NotTextProblem(bytes)};
    case LanguageFileProblem::NoKeys: return {{0, "no \"key=value\" line"}};
  }
  return {};
}

}  // namespace

std::string_view FileKindName(FileKind kind) {
  switch (kind) {
    case FileKind::Replay: return "replay";
    case FileKind::Games: return "games";
    case FileKind::Settings: return "settings";
    case FileKind::Language: return "language";
    case FileKind::Statistics: return "statistics";
    case FileKind::Unknown: break;
  }
  return "unknown";
}

FileKind RecogniseFile(std::string_view bytes) {
  const std::vector<std::string> lines = SplitTextLines(DecodeTextBytes(bytes));
  std::size_t first = 0;
  while (first < lines.size() && TrimControl(lines[first]).empty()) ++first;
  if (first == lines.size()) return FileKind::Unknown;
  const std::string& head = lines[first];
  if (head.starts_with("Name=")) return FileKind::Games;
  if (IsReplayFirstLine(head)) return FileKind::Replay;
  if (IsStatisticsFirstLine(head)) return FileKind::Statistics;
  bool anyKey = false;
  for (const std::string& line : lines) {
    std::string_view key, value;
    if (!SplitTableLine(line, key, value)) continue;
    const std::string trimmed = TrimBlanks(key);
    if (IsSettingsKey(trimmed)) return FileKind::Settings;
    anyKey = anyKey || !trimmed.empty();
  }
  return anyKey ? FileKind::Language : FileKind::Unknown;
}

FileCheck CheckFile(std::string_view bytes) {
  FileCheck check;
  check.kind = RecogniseFile(bytes);
  switch (check.kind) {
    case FileKind::Replay: {
      const ReplayParseResult r = ParseReplay(bytes);
      if (!r.ok) check.problems.push_back({r.badLine, r.reason});
      break;
    }
    case FileKind::Games: {
      GamesStore store;
      store.LoadGames(bytes);
      check.problems = store.Problems();
      break;
    }
    case FileKind::Settings: check.problems = CheckSettings(bytes); break;
    case FileKind::Language: check.problems = CheckLanguage(bytes); break;
    case FileKind::Statistics: {
      const StatsParseResult r = ParseStatistics(bytes);
      if (!r.ok) check.problems.push_back(r.problem);
      break;
    }
    case FileKind::Unknown:
      check.problems.push_back(
          {0, TrimControl(DecodeTextBytes(bytes)).empty() ? "empty file" : "not a file of the program"});
      break;
  }
  return check;
}

std::vector<std::string> CheckReport(const FileCheck& check) {
  const std::string kind(FileKindName(check.kind));
  if (check.ok()) return {"ok " + kind};
  std::vector<std::string> lines;
  for (const FileProblem& p : check.problems)
    lines.push_back("bad " + kind + (p.line > 0 ? " line " + std::to_string(p.line) : std::string()) + ": " + p.reason);
  return lines;
}
