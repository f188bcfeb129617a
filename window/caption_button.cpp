#include "window/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void CaptionButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);
  const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                       option.palette, isEnabled(), text(), QPalette::ButtonText);
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}
