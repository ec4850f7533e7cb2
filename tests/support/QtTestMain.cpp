// Test main for window tests: one QApplication on the offscreen platform, so
// no test needs a display, and a private data folder so no test touches the
// user's files.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir dataHome;
  qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
  // A Japanese desktop: a first start then shows the built-in table, which
  // the window tests read their texts from.
  qputenv("LANGUAGE", "ja");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tessvar");
  QApplication::setApplicationDisplayName("Tessvar 4.8");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
