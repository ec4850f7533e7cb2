#include "storage/Tfrmsave.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"

Tfrmsave::Tfrmsave(const LanguageTable& table, GamesFile& games, QWidget* parent)
    : QDialog(parent), table_(table), games_(games) {
  setObjectName("frmsave");
  setFixedSize(296, 200);
  Label1 = new QLabel("Game Name:", this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(12, 10, 272, 20);
  Edit1 = new QLineEdit("New Game", this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(12, 32, 272, 24);
  RadioGroup1 = new QGroupBox("Difficulty", this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setProperty(kRadioGroupProperty, true);
  RadioGroup1->setGeometry(12, 64, 272, 90);
  static const char* const names[6] = {"Very Easy", "Gentle", "Moderate", "Tough", "Diabolical", "Unknown or N/A"};
  for (int i = 0; i < 6; ++i) {
    // Two columns, filled top to bottom.
    auto* r = new QRadioButton(names[i], RadioGroup1);
    r->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
    r->setGeometry(10 + (i / 3) * 130, 20 + (i % 3) * 22, 126, 20);
    items[static_cast<std::size_t>(i)] = r;
  }
  items[5]->setChecked(true);
  Button1 = new QPushButton("OK", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(60, 164, 82, 26);
  Button1->setDefault(true);
  Button2 = new QPushButton("Cancel", this);
  Button2->setObjectName("Button2");
  Button2->setGeometry(154, 164, 82, 26);
  connect(Button1, &QPushButton::clicked, this, &Tfrmsave::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrmsave::Button2Click);
  // An empty name could never be picked from the list.
  connect(Edit1, &QLineEdit::textChanged, this,
          [this](const QString& text) { Button1->setEnabled(!text.trimmed().isEmpty()); });

  ApplyWindowTexts(this, "frmsave", {"Label1", "RadioGroup1", "Button1", "Button2"}, table_);
  SetItemTexts(items, "frmsave", "RadioGroup1", table_);
}

// After a change of the store: written at once, or the player is told and
// the store is what the file still holds.
bool SaveGames(QWidget* parent, const LanguageTable& table, GamesFile& games, const GamesStore& before) {
  return ReportWrite(parent, table, QString::fromStdString(games.Path()), QString::fromStdString(games.Save(before)));
}

void Tfrmsave::SetBoard(int level, std::string solution, std::vector<std::string> rows) {
  if (level >= 0 && level <= 5) items[static_cast<std::size_t>(level)]->setChecked(true);
  solution_ = std::move(solution);
  rows_ = std::move(rows);
}

int Tfrmsave::ItemIndex() const {
  for (int i = 0; i < 6; ++i)
    if (items[static_cast<std::size_t>(i)]->isChecked()) return i;
  return 5;
}

void Tfrmsave::Button1Click() {
  const std::string name = Edit1->text().toStdString();
  if (!IsStorableName(name)) {
    AppDialogs().Information(this, TextOf(table_, "msg_frmsave_badname"));
    return;  // the window stays open for another name
  }
  StoreGame();
  accept();
}

void Tfrmsave::Button2Click() { reject(); }

void Tfrmsave::StoreGame() {
  const std::string name = Edit1->text().toStdString();
  GamesStore& store = games_.store;
  const GamesStore before = store;
  bool overwrite = false;
  if (store.FindGame(name) != 0) {
    if (!AppDialogs().Confirm(this, TextOf(table_, "msg_frmsave_queryexits"))) return;
    overwrite = true;
  }
  if (store.StoreGame(name, ItemIndex(), solution_, rows_, overwrite) != StoreResult::Stored) return;
  // Saved is said only once the file holds it.
  if (SaveGames(this, table_, games_, before)) AppDialogs().Information(this, TextOf(table_, "msg_frmsave_saved"));
}
