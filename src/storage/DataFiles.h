#pragma once
// The data folder and every file the program keeps in it: one home for the
// paths and for reading and writing lastgame.dat, recovery.dat, games.dat,
// tvcfg.ini, stats.dat and replay files. Windows ask this unit; they do no file I/O of
// their own. Every write replaces its file whole or not at all and returns
// the reason when it failed; every read checks the whole file first.

#include <string>
#include <vector>

#include "core/ReplayFile.h"
#include "storage/GamesStore.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"

// The window sizes offered, in percent of the documented size.
inline constexpr int kScales[] = {100, 125, 150, 200};

class DataFiles {
 public:
  DataFiles() = default;
  // folder ends with '/'.
  explicit DataFiles(std::string folder) : folder_(std::move(folder)) {}

  const std::string& Folder() const { return folder_; }
  std::string LastGamePath() const { return folder_ + "lastgame.dat"; }
  std::string RecoveryPath() const { return folder_ + "recovery.dat"; }
  std::string GamesPath() const { return folder_ + "games.dat"; }
  std::string SettingsPath() const { return folder_ + "tvcfg.ini"; }
  std::string ReplayFolder() const { return folder_ + "replay"; }
  std::string StatisticsPath() const { return folder_ + "stats.dat"; }

  static bool Exists(const std::string& path);

  // --- the replay format: the last game, the recovery file, replay files ---
  // A file that cannot be read fails at its first line.
  static ReplayParseResult ReadReplay(const std::string& path);
  static std::string WriteReplay(const std::string& path, const std::string& text);
  // At start-up: a recovery file that a killed run left behind and that
  // reads correctly becomes the last game (an atomic rename).
  bool PromoteRecovery() const;
  // Only once the last game is on disk.
  void RemoveRecovery() const;

  // --- tvcfg.ini ---
  // The lines and the values they hold; a missing or bad file is reset to
  // the defaults and written back (a failure to do so changes nothing else).
  void ReadSettings(SettingsFile& file, AppearanceSettings& values) const;
  std::string WriteSettings(const SettingsFile& file) const;
  // The size the player chose for the window, in percent ("Scale=150" in
  // tvcfg.ini): 100, 125, 150 or 200; 100 without a line or with any other
  // value. Read before the application exists, so it uses no Qt.
  int ReadScale() const;
  // The language the player chose ("Language=" in tvcfg.ini), "" without
  // one; read before the main window exists, so that it is built in the
  // face of that language.
  std::string ReadLanguage() const;

  // --- stats.dat ---
  struct StatisticsRead {
    std::vector<StatsLine> lines;  // empty for a missing file
    FileProblem problem;           // why a damaged file was refused
    std::string setAside;          // where the damaged file now is, else empty
    std::string error;             // the file could not be read or set aside: write nothing
  };
  // The file read and checked whole. A damaged one is renamed to
  // "stats.dat.damaged-<stamp>" (stamp as StampLocalTime) and the lines
  // start empty, so it is never written over.
  StatisticsRead ReadStatistics(const std::string& stamp) const;
  std::string WriteStatistics(const std::vector<StatsLine>& lines) const;
  // Read, add one line, write: the reason when the line could not be kept.
  std::string AddStatistics(const StatsLine& line, const std::string& stamp, StatisticsRead* read = nullptr) const;

 private:
  // One key of tvcfg.ini read on its own, "" when the file or key is missing.
  std::string PeekSetting(const std::string& key) const;

  std::string folder_;
};

// games.dat as the windows use it: the store read from the file when made,
// and every change written back at once.
class GamesFile {
 public:
  // Reads the file; a missing one is written empty. One that exists but
  // cannot be read is never written over.
  explicit GamesFile(const DataFiles& files);

  // Writes the store. On failure the store goes back to before (what the
  // file still holds) and the reason is returned.
  std::string Save(const GamesStore& before);
  const std::string& Path() const { return path_; }

  GamesStore store;

 private:
  std::string path_;
  bool readFailed_ = false;
};
