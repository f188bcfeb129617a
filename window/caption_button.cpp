#include "window/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <algorithm>

namespace {

// Breaks the caption into lines of the given width, each centred in it, stacked from y = 0 with
// the given step between lines; returns the height of the stack.
qreal LayOutCaption(QTextLayout& layout, qreal width, qreal step) {
  QTextOption option(Qt::AlignHCenter);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, (layout.lineCount() - 1) * step));
    height = line.position().y() + line.height();
  }
  layout.endLayout();
  return height;
}

}  // namespace

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  QTextLayout layout(text(), font());
  const qreal lineHeight = fontMetrics().height();
  qreal height = LayOutCaption(layout, contents.width(), lineHeight);
  // Steps the lines closer together when the font's own line spacing would overflow the button.
  if (height > contents.height() && layout.lineCount() > 1) {
    const qreal step = std::max<qreal>(fontMetrics().ascent(),
                                       (contents.height() - lineHeight) / (layout.lineCount() - 1));
    height = LayOutCaption(layout, contents.width(), step);
  }
  painter.setPen(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                      QPalette::ButtonText));
  layout.draw(&painter,
              QPointF(contents.left(), contents.top() + (contents.height() - height) / 2));

  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}
