// The puzzle editor and import.

#include "main/TForm1.h"

void TForm1::btimportClick() {}
