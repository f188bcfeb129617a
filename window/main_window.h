#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <string>

#include "batch/boxes.h"
#include "generate/random_sources.h"
#include "window/widget_boxes.h"

// Holds the program's one window: three boxes that team lines are built from, the count box, the
// output box, four labels and the two buttons that run batches.
class MainWindow : public QWidget {
 public:
  // Creates the window and its eleven controls, not yet shown; batch files go to programDirectory.
  explicit MainWindow(std::string programDirectory);
  ~MainWindow() override;

  // Returns the box operations that the batches use.
  const Boxes& Operations() const { return operations_; }

  QLineEdit* 编辑框1;
  QLineEdit* 编辑框2;
  QLineEdit* 编辑框3;
  QPushButton* 按钮1;
  QLineEdit* 编辑框4;
  QLabel* 标签1;
  QPlainTextEdit* 编辑框5;
  QLabel* 标签2;
  QLabel* 标签3;
  QLabel* 标签4;
  QPushButton* 按钮2;

 protected:
  // Handles Tab, Shift+Tab, Esc, Enter and F1 before the focused control sees them.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Keeps the outer size once the platform has framed the window.
  bool event(QEvent* event) override;

 private:
  // Runs a batch inside the click and then shows the boxes' new texts.
  void RunBatchAndShow(void (*runBatch)(const Boxes&, SequenceSource&, const std::string&));
  // Moves the focus along the tab sequence, one step forward or back, wrapping at either end.
  void MoveFocus(QWidget* from, bool forward);
  // Shrinks the client area so that client and frame together keep the window's outer size.
  void FitOuterSize();

  std::string programDirectory_;
  SequenceSource sequence_;
  WidgetBoxes boxes_;
  Boxes operations_;
  std::array<QWidget*, 7> tabSequence_;
};

// Shows the window, makes it active and puts the focus in 编辑框1 with the caret at the start.
void ShowMainWindow(MainWindow& window);
