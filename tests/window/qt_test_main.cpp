#include <gtest/gtest.h>

#include <QApplication>

// Runs the window tests inside one application object, as the program runs its window; the
// offscreen platform serves when no other is asked for, also when tests are only listed.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
