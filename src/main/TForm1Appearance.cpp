// Appearance settings and the language choice.

#include "main/TForm1.h"

void TForm1::mnAppearanceClick() {}
void TForm1::SaveSettings() {}
