#include "main/TForm1.h"

#include <QApplication>

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form1");
  setWindowTitle(QApplication::applicationDisplayName());
}
