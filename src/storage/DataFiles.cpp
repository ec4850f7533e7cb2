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

std::string DataFiles::WriteSettings(const SettingsFile& file) const {
  return WriteFileReplacing(SettingsPath(), file.SettingsText());
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
