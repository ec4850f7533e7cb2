#pragma once
// The Statistics window: per level the figures of stats.dat and a small bar
// chart of the last solve times; a button clears the file after a question.
// It reads and writes through DataFiles only.

#include <QDialog>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "storage/DataFiles.h"

class LanguageTable;
class QLabel;
class QPushButton;

// The last solve times of one level as bars, the tallest the full height.
class StatsChart : public QWidget {
 public:
  explicit StatsChart(QWidget* parent = nullptr);
  void SetTimes(std::vector<std::int64_t> times);
  const std::vector<std::int64_t>& Times() const { return times_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::vector<std::int64_t> times_;
};

class TfrmStatistics : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kRows = 7;  // played, solved, unaided, best, median, streak, best streak

  TfrmStatistics(const LanguageTable& table, const DataFiles& files, QWidget* parent = nullptr);
  // The lines to show (read by the caller, who also says when the file was damaged).
  void ShowLines(const std::vector<StatsLine>& lines);
  void btClearClick();

  std::array<QLabel*, kStatisticsLevels> levelNames{};
  std::array<QLabel*, kRows> rowNames{};
  // values[row][level]
  std::array<std::array<QLabel*, kStatisticsLevels>, kRows> values{};
  QLabel* chartName = nullptr;
  std::array<StatsChart*, kStatisticsLevels> charts{};
  QPushButton* btClear = nullptr;
  QPushButton* btClose = nullptr;

 private:
  void SetTexts();

  const LanguageTable& table_;
  const DataFiles& files_;
  std::array<LevelFigures, kStatisticsLevels> figures_{};
};

// Minutes and seconds ("4:07"), hours when there are any ("1:02:09"); a
// dash for no time.
QString StatsTimeText(std::int64_t ms);
