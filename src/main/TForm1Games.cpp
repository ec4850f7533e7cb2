// Saving the board by name and the game list.

#include <QLabel>

#include "controls/TTimeLabel.h"
#include "main/TForm1.h"
#include "shell/Dialogs.h"
#include "storage/GamesStore.h"
#include "storage/Tfrmgamelist.h"
#include "storage/Tfrmsave.h"

void TForm1::btsaveClick() {
  if (!game.InProgress()) return;
  GamesFile games(files);
  Tfrmsave frmsave(lst1, games, this);
  frmsave.SetBoard(game.Level(), game.QJ1().GetSolution(), BoardRows(game.board()));
  const AutoPause pause(this);
  AppDialogs().ShowModal(&frmsave);
}

void TForm1::btDisplayYourGameListClick() {
  CreateOtherWindows();
  GamesFile games(files);
  frmgamelist->onOpen = [this](const StoredGame& stored) { return OpenStoredGame(stored); };
  frmgamelist->FillGameList(&games);
  {
    const AutoPause pause(this);
    AppDialogs().ShowModal(frmgamelist);
  }
  frmgamelist->FillGameList(nullptr);
}

bool TForm1::OpenStoredGame(const StoredGame& stored) {
  if (!KeepReplacedGame()) return false;
  if (!game.OpenSaved(stored.level, stored.solution, stored.step)) return false;
  // A stored game's clock ticks once a second from then on.
  TimeLabel1->settimeinterval(1000);
  Refresh();
  FocusBoard();
  ShowKeptNotice();
  return true;
}
