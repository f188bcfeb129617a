#include <QKeyEvent>
#include <array>

#include "tests/window/window_fixture.h"

namespace {

// Presses a key on the control that has the focus, as the keyboard does.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

class KeysTest : public WindowTest {
 protected:
  std::array<QWidget*, 7> TabSequence() const {
    return {window_.编辑框1, window_.编辑框2, window_.编辑框3, window_.按钮1,
            window_.编辑框4, window_.编辑框5, window_.按钮2};
  }
};

TEST_F(KeysTest, StartsWithTheCaretBeforeThePrefixAndNothingSelected) {
  EXPECT_EQ(QApplication::focusWidget(), window_.编辑框1);
  EXPECT_EQ(window_.编辑框1->cursorPosition(), 0);
  EXPECT_FALSE(window_.编辑框1->hasSelectedText());
}

TEST_F(KeysTest, TabAndShiftTabWalkTheTabSequenceWithWrapAround) {
  const std::array<QWidget*, 7> sequence = TabSequence();
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    SCOPED_TRACE(sequence[i]->objectName().toStdString());
    sequence[i]->setFocus();
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), sequence[(i + 1) % sequence.size()]);
    sequence[i]->setFocus();
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), sequence[(i + sequence.size() - 1) % sequence.size()]);
    sequence[i]->setFocus();
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), sequence[(i + sequence.size() - 1) % sequence.size()]);
  }
  EXPECT_EQ(ReadBox(Box::编辑框5), "");
  EXPECT_EQ(ReadBox(Box::编辑框1), "\xF6\xAB\xB4\xA8\xCA\xD8\xBB\xA4");  // 霁川守护, no tab typed
}

TEST_F(KeysTest, EscClosesTheWindowFromEveryControlButShiftEscDoesNot) {
  for (QWidget* control : TabSequence()) {
    SCOPED_TRACE(control->objectName().toStdString());
    ShowMainWindow(window_);
    QApplication::setActiveWindow(&window_);
    control->setFocus();
    Press(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(window_.isVisible());
    QTest::keyClicks(control, "ab");
    Press(Qt::Key_Escape);
    EXPECT_FALSE(window_.isVisible());
  }
}

TEST_F(KeysTest, EnterStartsALineOnlyInTheOutputBox) {
  window_.编辑框5->setFocus();
  QTest::keyClicks(window_.编辑框5, "a");
  Press(Qt::Key_Return);
  QTest::keyClicks(window_.编辑框5, "b");
  Press(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(ReadBox(Box::编辑框5), "a\r\nb\r\n");

  for (QWidget* control :
       std::array<QWidget*, 3>{window_.编辑框4, window_.按钮1, window_.编辑框1}) {
    SCOPED_TRACE(control->objectName().toStdString());
    control->setFocus();
    Press(Qt::Key_Return);
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), control);
  }
  EXPECT_EQ(BatchFileCount(), 0);
  EXPECT_EQ(ReadBox(Box::编辑框5), "a\r\nb\r\n");
}

TEST_F(KeysTest, F1DoesNothing) {
  for (QWidget* control : TabSequence()) {
    SCOPED_TRACE(control->objectName().toStdString());
    control->setFocus();
    Press(Qt::Key_F1);
    EXPECT_EQ(QApplication::focusWidget(), control);
    EXPECT_TRUE(window_.isVisible());
  }
  EXPECT_EQ(BatchFileCount(), 0);
  EXPECT_EQ(ReadBox(Box::编辑框5), "");
}

TEST_F(KeysTest, SpacePressesTheFocusedButton) {
  TypeInto(window_.编辑框4, "2");
  window_.按钮2->setFocus();
  Press(Qt::Key_Space);
  EXPECT_NE(ReadBatchFile("2个随机马甲.txt"), "<missing>");
  window_.按钮1->setFocus();
  Press(Qt::Key_Space);
  EXPECT_NE(ReadBatchFile("2个军团马甲.txt"), "<missing>");
}

TEST_F(KeysTest, TheFocusedControlGetsTheFocusBackWhenTheWindowIsActivatedAgain) {
  window_.按钮1->setFocus();
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_NE(QApplication::focusWidget(), window_.按钮1);
  QApplication::setActiveWindow(&window_);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  EXPECT_EQ(QApplication::focusWidget(), window_.按钮1);
}

}  // namespace
