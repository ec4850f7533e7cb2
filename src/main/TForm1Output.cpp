// Copying, printing, help and the about box.

#include "main/TForm1.h"
#include "output/Tfrmcopy.h"
#include "output/Tfrmprintselect.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"
#include "shell/Platform.h"
#include "shell/Tfrm_about.h"

void TForm1::btcopyClick() {
  if (!game.InProgress()) return;
  CreateOtherWindows();
  // Copying gives empty open cells their free digits on the board itself.
  if (game.FillMissingCandidates()) Refresh();
  frmcopy->Open();
  AppDialogs().ShowModal(frmcopy);
}

void TForm1::btprintableBoardClick() {
  if (!game.InProgress()) return;
  CreateOtherWindows();
  AppDialogs().ShowModal(frmprintselect);
}

// The help page of the active language; without one nothing happens.
void TForm1::mnContentClick() {
  const QString page = HelpPagePath(LanguageCode());
  if (!page.isEmpty()) OpenDocumentOrSay(this, lst1, page);
}

void TForm1::mnj1Click() { OpenMakerAddress(this, lst1, LanguageCode()); }

void TForm1::mnAboutClick() {
  Tfrm_about about(lst1, LanguageCode(), this);
  AppDialogs().ShowModal(&about);
}
