#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>

#include "batch/boxes.h"
#include "batch/output_log.h"
#include "batch/text.h"

// Keeps a GBK copy of a one-line box's text beside its widget.
struct LineBoxCopy {
  QLineEdit* widget = nullptr;
  Text gbk;
  bool widgetEdited = true;  // the widget changed since gbk was taken from it
  bool unshown = false;      // gbk changed and the widget does not show it yet
};

// Backs the box operations with the window's five edit boxes. Batches work on GBK copies of the
// texts; the widgets receive the changed texts once, when ShowBoxTexts runs after the batch, so
// that a batch of many lines costs the widget a single text change.
struct WidgetBoxes {
  std::array<LineBoxCopy, 4> lineBoxes;  // 编辑框1 … 编辑框4
  QPlainTextEdit* outputBox = nullptr;   // 编辑框5
  OutputLog outputLog;                   // the output box's text, with its CR LF line breaks
  bool outputEdited = true;
  bool outputUnshown = false;
  bool showing = false;  // set while ShowBoxTexts changes the widgets
};

// Fills the record with the widgets and follows their edits; the widgets must outlive it.
void WatchBoxWidgets(WidgetBoxes& boxes, const std::array<QLineEdit*, 4>& lineWidgets,
                     QPlainTextEdit* outputWidget);

// Returns the box operations on the record; the record must outlive them.
Boxes BoxOperations(WidgetBoxes& boxes);

// Hands every text changed through the operations to its widget; the output box then shows its
// last line with the caret behind it.
void ShowBoxTexts(WidgetBoxes& boxes);
