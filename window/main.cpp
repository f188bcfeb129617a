#include "window/start_program.h"

int main() {
  return StartProgram();
}
