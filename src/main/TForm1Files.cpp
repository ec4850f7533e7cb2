// The last game and replay files.

#include "main/TForm1.h"

void TForm1::mnContinueClick() {}
void TForm1::savetClick() {}
void TForm1::mnLoadReplayClick() {}
void TForm1::SaveLastGame() {}
