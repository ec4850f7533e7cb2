// Copying, printing, help and the about box.

#include "main/TForm1.h"
#include "shell/Platform.h"

void TForm1::btcopyClick() {}
void TForm1::btprintableBoardClick() {}
void TForm1::mnContentClick() { AppPlatform().OpenDocument(AppPlatform().ProgramFolder() + "help3.chm"); }
void TForm1::mnAboutClick() {}
