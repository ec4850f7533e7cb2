#include "storage/TfrmStatistics.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"
#include "shell/WindowFont.h"
#include "shell/LanguageEvents.h"
#include "storage/GamesStore.h"

namespace {

constexpr std::array<const char*, TfrmStatistics::kRows> kRowKeys = {
    "msg_statistics_played", "msg_statistics_solved", "msg_statistics_unaided",  "msg_statistics_best",
    "msg_statistics_median", "msg_statistics_streak", "msg_statistics_beststreak"};

}  // namespace

QString StatsTimeText(std::int64_t ms) {
  if (ms < 0) return QStringLiteral("–");
  const std::int64_t s = ms / 1000;
  if (s >= 3600)
    return QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, QChar('0')).arg(s % 60, 2, 10, QChar('0'));
  return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar('0'));
}

StatsChart::StatsChart(QWidget* parent) : QWidget(parent) {
  setMinimumSize(124, 64);  // four pixels a bar for the thirty
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatsChart::SetTimes(std::vector<std::int64_t> times) {
  times_ = std::move(times);
  QStringList parts;
  for (std::int64_t t : times_) parts << StatsTimeText(t);
  // What the bars show, for a pointer and a screen reader.
  setToolTip(parts.join(QStringLiteral(", ")));
  setAccessibleDescription(toolTip());
  update();
}

void StatsChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  p.fillRect(frame, palette().color(QPalette::Base));
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(frame);
  if (times_.empty()) return;
  const std::int64_t top = *std::max_element(times_.begin(), times_.end());
  const QRect area = frame.adjusted(3, 3, -2, -2);
  // Room for the longest history, so bars keep one width from level to level.
  const double step = static_cast<double>(area.width()) / static_cast<double>(kRecentSolves);
  for (std::size_t i = 0; i < times_.size(); ++i) {
    const double share = top > 0 ? static_cast<double>(times_[i]) / static_cast<double>(top) : 1.0;
    const int h = std::max(1, static_cast<int>(share * area.height()));
    const int x = area.left() + static_cast<int>(static_cast<double>(i) * step);
    const int w = std::max(1, static_cast<int>(step) - 1);
    p.fillRect(x, area.bottom() - h + 1, w, h, QColor(0, 0, 255));
  }
}

TfrmStatistics::TfrmStatistics(const LanguageTable& table, const DataFiles& files, QWidget* parent)
    : QDialog(parent), table_(table), files_(files) {
  setObjectName("frmstatistics");
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(14);
  auto label = [this](const QString& name, Qt::Alignment align) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
  };
  for (int level = 0; level < kStatisticsLevels; ++level) {
    auto* name = label(QStringLiteral("lbLevel%1").arg(level), Qt::AlignRight);
    name->setWordWrap(true);
    levelNames[static_cast<std::size_t>(level)] = name;
    grid->addWidget(name, 0, level + 1);
  }
  for (int row = 0; row < kRows; ++row) {
    rowNames[static_cast<std::size_t>(row)] = label(QStringLiteral("lbRow%1").arg(row), Qt::AlignLeft);
    grid->addWidget(rowNames[static_cast<std::size_t>(row)], row + 1, 0);
    for (int level = 0; level < kStatisticsLevels; ++level) {
      QLabel* v = label(QStringLiteral("lbValue%1_%2").arg(row).arg(level), Qt::AlignRight);
      values[static_cast<std::size_t>(row)][static_cast<std::size_t>(level)] = v;
      grid->addWidget(v, row + 1, level + 1);
    }
  }
  chartName = label("lbChart", Qt::AlignLeft);
  grid->addWidget(chartName, kRows + 1, 0);
  for (int level = 0; level < kStatisticsLevels; ++level) {
    auto* chart = new StatsChart(this);
    chart->setObjectName(QStringLiteral("chart%1").arg(level));
    charts[static_cast<std::size_t>(level)] = chart;
    grid->addWidget(chart, kRows + 1, level + 1);
  }
  btClear = new QPushButton(this);
  btClear->setObjectName("btClear");
  btClose = new QPushButton(this);
  btClose->setObjectName("btClose");
  btClose->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btClear);
  buttons->addStretch();
  buttons->addWidget(btClose);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(grid);
  outer->addSpacing(8);
  outer->addLayout(buttons);
  connect(btClear, &QPushButton::clicked, this, &TfrmStatistics::btClearClick);
  connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
  SetTexts();
  connect(&AppLanguageEvents(), &LanguageEvents::changed, this, &TfrmStatistics::SetTexts);
}

void TfrmStatistics::SetTexts() {
  setWindowTitle(TextOf(table_, "msg_statistics_title"));
  for (int level = 0; level < kStatisticsLevels; ++level) {
    const QString name = TextOf(table_, GameListLevelKey(level));
    levelNames[static_cast<std::size_t>(level)]->setText(name);
    charts[static_cast<std::size_t>(level)]->setAccessibleName(TextOf(table_, "msg_statistics_recent") + " — " + name);
  }
  for (int row = 0; row < kRows; ++row)
    rowNames[static_cast<std::size_t>(row)]->setText(TextOf(table_, kRowKeys[static_cast<std::size_t>(row)]));
  chartName->setText(TextOf(table_, "msg_statistics_recent"));
  btClear->setText(TextOf(table_, "msg_statistics_clear"));
  btClose->setText(TextOf(table_, "msg_statistics_close"));
  ApplyWindowFont(this);
}

void TfrmStatistics::ShowLines(const std::vector<StatsLine>& lines) {
  figures_ = FiguresPerLevel(lines);
  for (std::size_t level = 0; level < figures_.size(); ++level) {
    const LevelFigures& f = figures_[level];
    const std::array<QString, kRows> texts = {QString::number(f.played), QString::number(f.solved),
                                              QString::number(f.unaided), StatsTimeText(f.best),
                                              StatsTimeText(f.median), QString::number(f.streak),
                                              QString::number(f.bestStreak)};
    for (std::size_t row = 0; row < texts.size(); ++row) values[row][level]->setText(texts[row]);
    charts[level]->SetTimes(f.recent);
  }
}

void TfrmStatistics::btClearClick() {
  if (!AppDialogs().Confirm(this, TextOf(table_, "msg_statistics_clearask"))) return;
  const std::string why = files_.WriteStatistics({});
  if (!ReportWrite(this, table_, QString::fromStdString(files_.StatisticsPath()), QString::fromStdString(why))) return;
  ShowLines({});
}
