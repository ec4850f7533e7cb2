// The statistics: a line in stats.dat when a game ends, and the window that
// shows them.

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <ctime>

#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"
#include "storage/TfrmStatistics.h"

namespace {

// A damaged file was set aside, or the file could not be used at all: the
// player is told either way, never left with an empty record unexplained.
void ReportStatisticsRead(QWidget* parent, const LanguageTable& table, const DataFiles& files,
                          const DataFiles::StatisticsRead& read) {
  if (!read.setAside.empty())
    AppDialogs().Information(parent, TextOf(table, "msg_statistics_damaged")
                                         .arg(read.problem.line)
                                         .arg(QString::fromStdString(read.problem.reason),
                                              QFileInfo(QFile::decodeName(read.setAside.c_str())).fileName()));
  else if (!read.error.empty())
    AppDialogs().Information(parent, TextOf(table, "msg_statistics_unusable")
                                         .arg(QFile::decodeName(files.StatisticsPath().c_str()),
                                              QString::fromStdString(read.error)));
}

}  // namespace

void TForm1::RecordStatistics(bool atExit) {
  const std::optional<StatsLine> line = game.TakeStatsLine(atExit);
  if (!line) return;
  DataFiles::StatisticsRead read;
  const std::string why = files.AddStatistics(*line, StampLocalTime(std::time(nullptr)), &read);
  ReportStatisticsRead(this, lst1, files, read);
  // A failed write after a good read: said once in the status bar; the game
  // goes on and the file keeps what it had.
  if (!why.empty() && read.error.empty())
    ShowNotice(TextOf(lst1, "msg_statistics_writefailed")
                   .arg(QFile::decodeName(files.StatisticsPath().c_str()), QString::fromStdString(why)));
}

void TForm1::mnStatisticsClick() {
  const DataFiles::StatisticsRead read = files.ReadStatistics(StampLocalTime(std::time(nullptr)));
  ReportStatisticsRead(this, lst1, files, read);
  TfrmStatistics window(lst1, files, this);
  window.ShowLines(read.lines);
  // Clearing an unusable file would write over what could not be read.
  window.btClear->setEnabled(read.error.empty());
  AppDialogs().ShowModal(&window);
}
