#include "storage/Tfrmgamelist.h"

#include <QHeaderView>
#include <algorithm>
#include <QPushButton>
#include <QTableWidget>

#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"
#include "storage/Tfrmsave.h"

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;

QTableWidgetItem* Item(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

}  // namespace

Tfrmgamelist::Tfrmgamelist(const LanguageTable& table, QWidget* parent) : QDialog(parent), table_(table) {
  setObjectName("frmgamelist");
  setFixedSize(366, 304);
  StringGrid1 = new QTableWidget(1, 2, this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setGeometry(8, 8, 350, 254);
  StringGrid1->verticalHeader()->setVisible(false);
  StringGrid1->verticalHeader()->setDefaultSectionSize(20);
  StringGrid1->horizontalHeader()->setHighlightSections(false);
  StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGrid1->setColumnWidth(0, 217);
  StringGrid1->setColumnWidth(1, 116);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setWordWrap(false);
  StringGrid1->setTextElideMode(Qt::ElideRight);
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int, int) { Button3Click(); });

  auto button = [this](const char* name, const char* text, int x) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setGeometry(x, 270, 82, 26);
    b->setAutoDefault(false);
    return b;
  };
  Button1 = button("Button1", "Delete", 8);
  Button2 = button("Button2", "Rename", 97);
  Button3 = button("Button3", "OK", 187);
  Button4 = button("Button4", "Cancel", 276);
  connect(Button1, &QPushButton::clicked, this, &Tfrmgamelist::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrmgamelist::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &Tfrmgamelist::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Tfrmgamelist::Button4Click);
  ApplyTexts();
}

void Tfrmgamelist::ApplyTexts() {
  ApplyWindowTexts(this, "frmgamelist", {"Button1", "Button2", "Button3", "Button4"}, table_);
  StringGrid1->setHorizontalHeaderLabels(
      {TextOf(table_, "msg_frmgamelist_gamename"), TextOf(table_, "msg_frmgamelist_Difficulty")});
}

void Tfrmgamelist::SetRow(int row, const GameListEntry& entry) {
  // Bytes that are not UTF-8 show as U+FFFD; the entry is found by its place.
  const QString name = QString::fromStdString(entry.name);
  QString shown = name;
  // A damaged record is listed, marked, so the player can delete or rename it.
  if (entry.damaged) shown += TextOf(table_, "msg_frmgamelist_damaged");
  QTableWidgetItem* first = Item(shown);
  first->setData(kNameRole, name);
  first->setData(kEntryRole, row);
  StringGrid1->setItem(row, 0, first);
  const std::string key = GameListLevelKey(entry.level);
  const QString level = !key.empty()        ? TextOf(table_, key)
                        : entry.level >= 0 ? QString::number(entry.level)
                                           : QString();
  StringGrid1->setItem(row, 1, Item(level));
}

void Tfrmgamelist::FillGameList(GamesFile* games) {
  games_ = games;
  // Texts again on every showing, so a language switch reaches this window.
  ApplyTexts();
  Relist(0);
  StringGrid1->scrollToTop();
}

void Tfrmgamelist::Relist(int selected) {
  StringGrid1->setUpdatesEnabled(false);
  StringGrid1->clearContents();
  const std::vector<GameListEntry> games = games_ ? games_->store.ListGames() : std::vector<GameListEntry>{};
  StringGrid1->setRowCount(std::max<int>(1, static_cast<int>(games.size())));
  for (int row = 0; row < static_cast<int>(games.size()); ++row)
    SetRow(row, games[static_cast<std::size_t>(row)]);
  if (games.empty()) {
    StringGrid1->setItem(0, 0, Item({}));
    StringGrid1->setItem(0, 1, Item({}));
  }
  StringGrid1->setUpdatesEnabled(true);
  StringGrid1->setCurrentCell(std::clamp(selected, 0, StringGrid1->rowCount() - 1), 0);
}

int Tfrmgamelist::SelectedEntry() const {
  const int row = StringGrid1->currentRow();
  const QTableWidgetItem* item = row >= 0 ? StringGrid1->item(row, 0) : nullptr;
  if (!item || !games_) return -1;
  const QVariant entry = item->data(kEntryRole);
  return entry.isValid() ? entry.toInt() : -1;
}

std::string Tfrmgamelist::SelectedName() const {
  const int row = StringGrid1->currentRow();
  const QTableWidgetItem* item = row >= 0 ? StringGrid1->item(row, 0) : nullptr;
  return item ? item->data(kNameRole).toString().toStdString() : std::string();
}

void Tfrmgamelist::Button1Click() {
  const int entry = SelectedEntry();
  if (entry < 0) return;
  if (!AppDialogs().Confirm(this, TextOf(table_, "msg_frmgamelist_querydelete"))) return;
  const GamesStore before = games_->store;
  if (!games_->store.DeleteEntry(static_cast<std::size_t>(entry)) || !SaveGames(this, table_, *games_, before)) return;
  Relist(entry);
}

void Tfrmgamelist::Button2Click() {
  const int entry = SelectedEntry();
  if (entry < 0) return;
  const std::string old = games_->store.ListGames()[static_cast<std::size_t>(entry)].name;
  const int row = StringGrid1->currentRow();
  for (;;) {
    const std::optional<QString> typed =
        AppDialogs().InputText(this, TextOf(table_, "msg_frmgamelist_Sudoku"),
                               TextOf(table_, "msg_frmgamelist_Entername"), QString::fromStdString(old));
    // Cancelling, or the preset as shown (a name that is not UTF-8 shows
    // with replacement marks), changes nothing.
    if (!typed || *typed == QString::fromStdString(old)) return;
    const std::string answer = typed->toStdString();
    const GamesStore before = games_->store;
    switch (games_->store.RenameEntry(static_cast<std::size_t>(entry), answer)) {
      case RenameResult::Unchanged:
      case RenameResult::NotFound:
        return;
      case RenameResult::BadName:
        AppDialogs().Information(this, TextOf(table_, "msg_frmsave_badname"));
        continue;
      case RenameResult::NameExists:
        AppDialogs().Information(this, TextOf(table_, "msg_frmgamelist_queryexits"));
        continue;
      case RenameResult::Renamed:
        if (SaveGames(this, table_, *games_, before)) Relist(row);
        return;
    }
  }
}

void Tfrmgamelist::Button3Click() {
  const int entry = SelectedEntry();
  if (entry < 0) {
    accept();
    return;
  }
  StoredGame game;
  if (!games_->store.ReadEntry(static_cast<std::size_t>(entry), game)) {
    // Checked before anything changes: the board stays as it was.
    AppDialogs().Information(this, TextOf(table_, "msg_frmgamelist_damagedopen"));
    return;
  }
  // A game that could not be kept before the replacement stays in play,
  // and the list stays open.
  if (onOpen && !onOpen(game)) return;
  accept();
}

void Tfrmgamelist::Button4Click() { reject(); }
