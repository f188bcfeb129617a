#pragma once

#include <QPushButton>

// Draws a push button whose caption breaks onto further lines when it does not fit on one,
// centred both ways.
class CaptionButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
