#include "storage/DataFiles.h"

#include <sys/stat.h>

#include <cstdio>

#include "core/FileWrite.h"
#include "core/TextFile.h"

bool DataFiles::Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

ReplayParseResult DataFiles::ReadReplay(const std::string& path) {
  std::string bytes;
  if (ReadFileBytes(path, bytes)) return ParseReplay(bytes);
  ReplayParseResult unreadable;
  unreadable.badLine = 1;
  unreadable.reason = "the file cannot be read";
  return unreadable;
}

std::string DataFiles::WriteReplay(const std::string& path, const std::string& text) {
  return WriteFileReplacing(path, text);
}

bool DataFiles::PromoteRecovery() const {
  if (!ReadReplay(RecoveryPath()).ok) return false;
  return std::rename(RecoveryPath().c_str(), LastGamePath().c_str()) == 0;
}

void DataFiles::RemoveRecovery() const { std::remove(RecoveryPath().c_str()); }

void DataFiles::ReadSettings(SettingsFile& file, AppearanceSettings& values) const {
  std::string bytes;
  const bool read = ReadFileBytes(SettingsPath(), bytes);
  if (LoadAppearanceValues(file, read ? &bytes : nullptr, values)) (void)WriteSettings(file);
}

std::string DataFiles::PeekSetting(const std::string& key) const {
  std::string bytes;
  SettingsFile file;
  if (!ReadFileBytes(SettingsPath(), bytes) || !file.LoadSettings(bytes)) return {};
  return file.GetSetting(key);
}

int DataFiles::ReadScale() const {
  const std::string value = PeekSetting("Scale");
  for (int scale : kScales)
    if (value == std::to_string(scale)) return scale;
  return 100;
}

std::string DataFiles::ReadLanguage() const { return PeekSetting("Language"); }

std::string DataFiles::WriteSettings(const SettingsFile& file) const {
  return WriteFileReplacing(SettingsPath(), file.SettingsText());
}

DataFiles::StatisticsRead DataFiles::ReadStatistics(const std::string& stamp) const {
  StatisticsRead read;
  const std::string path = StatisticsPath();
  if (!Exists(path)) return read;
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    read.error = "the file cannot be read";
    return read;
  }
  StatsParseResult parsed = ParseStatistics(bytes);
  if (parsed.ok) {
    read.lines = std::move(parsed.lines);
    return read;
  }
  read.problem = parsed.problem;
  std::string aside = path + ".damaged-" + stamp;
  // Never over an earlier damaged file of the same second.
  for (int n = 2; Exists(aside); ++n) aside = path + ".damaged-" + stamp + "-" + std::to_string(n);
  if (std::rename(path.c_str(), aside.c_str()) != 0) {
    read.error = "the damaged file could not be set aside";
    return read;
  }
  read.setAside = aside;
  return read;
}

std::string DataFiles::WriteStatistics(const std::vector<StatsLine>& lines) const {
  return WriteFileReplacing(StatisticsPath(), StatisticsText(lines));
}

std::string DataFiles::AddStatistics(const StatsLine& line, const std::string& stamp, StatisticsRead* read) const {
  StatisticsRead local;
  StatisticsRead& r = read ? *read : local;
  r = ReadStatistics(stamp);
  if (!r.error.empty()) return r.error;
  r.lines.push_back(line);
  return WriteStatistics(r.lines);
}

GamesFile::GamesFile(const DataFiles& files) : path_(files.GamesPath()) {
  std::string bytes;
  if (ReadFileBytes(path_, bytes)) {
    store.LoadGames(bytes);
    return;
  }
  store.LoadGames({});
  if (DataFiles::Exists(path_)) {
    readFailed_ = true;  // there but unreadable: never overwrite what could not be read
    return;
  }
  (void)WriteFileReplacing(path_, store.SaveGames());
}

std::string GamesFile::Save(const GamesStore& before) {
  std::string why = readFailed_ ? "the file could not be read" : WriteFileReplacing(path_, store.SaveGames());
  if (!why.empty()) store = before;
  return why;
}
