// main of every test program: a QApplication on the offscreen platform (the
// test's environment sets it), the library's separators pinned to "." "," "/".
#include "controls/LibrarySettings.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  q7::InitLocaleSettings(u'.', u',', u'/');
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
