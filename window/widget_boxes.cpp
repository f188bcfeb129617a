#include "window/widget_boxes.h"

#include <QString>
#include <QTextDocument>

#include "window/qt_gbk.h"

namespace {

// Returns the output widget's text with each line break as CR LF.
QString OutputWidgetText(const QPlainTextEdit& widget) {
  QString text = widget.document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text;
}

// Takes the output widget's text into the log when the user has edited it.
void TakeOutputEdits(WidgetBoxes& boxes) {
  if (!boxes.outputEdited) return;
  const Text gbk = GbkFromQString(OutputWidgetText(*boxes.outputBox));
  boxes.outputLog.Clear();
  boxes.outputLog.Append(gbk);
  boxes.outputEdited = false;
}

// Returns the copy of a one-line box, taken afresh from its widget when the user has edited it.
LineBoxCopy& CurrentLineBox(WidgetBoxes& boxes, Box box) {
  LineBoxCopy& copy = boxes.lineBoxes[static_cast<std::size_t>(box)];
  if (copy.widgetEdited) {
    copy.gbk = GbkFromQString(copy.widget->text());
    copy.widgetEdited = false;
  }
  return copy;
}

}  // namespace

void WatchBoxWidgets(WidgetBoxes& boxes, const std::array<QLineEdit*, 4>& lineWidgets,
                     QPlainTextEdit* outputWidget) {
  for (std::size_t i = 0; i < lineWidgets.size(); ++i) {
    LineBoxCopy& copy = boxes.lineBoxes[i];
    copy.widget = lineWidgets[i];
    QObject::connect(copy.widget, &QLineEdit::textChanged, [&boxes, &copy] {
      if (!boxes.showing) copy.widgetEdited = true;
    });
  }
  boxes.outputBox = outputWidget;
  QObject::connect(outputWidget->document(), &QTextDocument::contentsChanged, [&boxes] {
    if (!boxes.showing) boxes.outputEdited = true;
  });
}

Boxes BoxOperations(WidgetBoxes& boxes) {
  return {
      .ReadBoxText = [&boxes](Box box) -> std::string_view {
        if (box != Box::编辑框5) return CurrentLineBox(boxes, box).gbk;
        TakeOutputEdits(boxes);
        return boxes.outputLog.View();
      },
      .SetBoxText =
          [&boxes](Box box, std::string_view text) {
            if (box != Box::编辑框5) {
              LineBoxCopy& copy = boxes.lineBoxes[static_cast<std::size_t>(box)];
              copy.gbk = text;
              copy.widgetEdited = false;
              copy.unshown = true;
              return;
            }
            boxes.outputLog.Clear();
            boxes.outputLog.Append(text);
            boxes.outputEdited = false;
            boxes.outputUnshown = true;
          },
      .AppendOutput =
          [&boxes](std::string_view piece) {
            TakeOutputEdits(boxes);
            boxes.outputLog.Append(piece);
            boxes.outputUnshown = true;
          },
  };
}

void ShowBoxTexts(WidgetBoxes& boxes) {
  boxes.showing = true;
  for (LineBoxCopy& copy : boxes.lineBoxes) {
    if (!copy.unshown) continue;
    copy.widget->setText(QStringFromGbk(copy.gbk));
    copy.unshown = false;
  }
  if (boxes.outputUnshown) {
    boxes.outputBox->setPlainText(QStringFromGbk(boxes.outputLog.View()));
    boxes.outputBox->moveCursor(QTextCursor::End);
    boxes.outputUnshown = false;
  }
  boxes.showing = false;
}
