#include "window/start_program.h"

#include <QApplication>
#include <algorithm>
#include <string>

#include "batch/program_directory.h"
#include "window/main_window.h"

int StartProgram() {
  const std::string programDirectory = ProgramDirectory();
  // Hands Qt the program's name only: the program takes no command line.
  int argc = 1;
  char name[] = "name-workshop";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  MainWindow window(programDirectory);
  ShowMainWindow(window);
  RunEventLoop();
  return 0;
}

void RunEventLoop() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  if (std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }))
    return;
  QApplication::exec();
}
