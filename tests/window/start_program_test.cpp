#include "window/start_program.h"

#include <QTimer>

#include "tests/window/window_fixture.h"

namespace {

TEST_F(WindowTest, EventLoopEndsWhenEscClosesTheWindow) {
  bool stoppedByTimeout = false;
  QTimer::singleShot(10000, [&] {
    stoppedByTimeout = true;
    QApplication::quit();
  });
  QApplication::postEvent(window_.编辑框2,
                          new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  RunEventLoop();
  EXPECT_FALSE(stoppedByTimeout);
  EXPECT_FALSE(window_.isVisible());
}

TEST(RunEventLoop, ReturnsAtOnceWhenNoWindowIsShown) {
  bool stoppedByTimeout = false;
  QTimer::singleShot(5000, [&] {
    stoppedByTimeout = true;
    QApplication::quit();
  });
  RunEventLoop();
  EXPECT_FALSE(stoppedByTimeout);
}

}  // namespace
