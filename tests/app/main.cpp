// A gtest main with the program's own application object, offscreen, so that
// errors escaping a command reach the general error box as in the program.
#include <cstdlib>
#include <gtest/gtest.h>

#include "application.h"
#include "startup.h"

int main(int argc, char **argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TApplication application(argc, argv);
  SetTitleAndHelpFile();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
