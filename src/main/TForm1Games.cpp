// Saving the board by name and the game list.

#include "main/TForm1.h"

void TForm1::btsaveClick() {}
void TForm1::btDisplayYourGameListClick() {}
