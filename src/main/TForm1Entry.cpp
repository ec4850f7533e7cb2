// The puzzle editor and import.

#include "entry/Tfrm_new.h"
#include "main/TForm1.h"
#include "shell/Dialogs.h"

void TForm1::btimportClick() {
  CreateOtherWindows();
  const AutoPause pause(this);
  AppDialogs().ShowModal(frm_new);
}
