#include "window/main_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextOption>
#include <QWindow>
#include <algorithm>
#include <limits>
#include <utility>

#include "generate/random_line.h"
#include "generate/team_line.h"
#include "window/app_icon.h"
#include "window/caption_button.h"
#include "window/window_place.h"

namespace {

// Gives an edit box black text on white and hides its selection while it lacks the focus.
void PaintEditBox(QWidget* box) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
  box->setPalette(palette);
}

// Sets what every control shares: its name, place and size, and visibility.
template <typename Control>
Control* Place(Control* control, const char* name, QRect place) {
  control->setObjectName(QString::fromUtf8(name));
  control->setGeometry(place);
  control->show();
  return control;
}

// Returns a one-line edit box with no length limit, its caret before its first character.
QLineEdit* AddLineBox(QWidget* window, const char* name, QRect place, const char* text) {
  auto* box = new QLineEdit(QString::fromUtf8(text), window);
  box->setMaxLength(std::numeric_limits<int>::max());
  box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  box->setCursorPosition(0);
  PaintEditBox(box);
  return Place(box, name, place);
}

// Returns the output box: several wrapped lines, Enter as a line break, a vertical scroll bar.
QPlainTextEdit* AddOutputBox(QWidget* window, const char* name, QRect place) {
  auto* box = new QPlainTextEdit(window);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  PaintEditBox(box);
  return Place(box, name, place);
}

// Returns a label: black text on one line over the window's face colour, never focused.
QLabel* AddLabel(QWidget* window, const char* name, QRect place, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), window);
  label->setTextFormat(Qt::PlainText);
  label->setFrameShape(QFrame::NoFrame);
  label->setWordWrap(false);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return Place(label, name, place);
}

// Returns an ordinary push button, never the default one.
QPushButton* AddButton(QWidget* window, const char* name, QRect place, const char* text) {
  auto* button = new CaptionButton(QString::fromUtf8(text), window);
  button->setAutoDefault(false);
  button->setDefault(false);
  return Place(button, name, place);
}

// Tells whether a key was pressed without Ctrl, Shift, Alt and Meta.
bool Unmodified(const QKeyEvent& key) {
  return (key.modifiers() &
          (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

}  // namespace

MainWindow::MainWindow(std::string programDirectory)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      programDirectory_(std::move(programDirectory)) {
  setWindowTitle(QString::fromUtf8("名号工坊"));
  setFixedSize(kWindowOuterSize);
  move(CentredTopLeft(QGuiApplication::primaryScreen()->geometry().size()));
  setWindowIcon(AppIcon());

  编辑框1 = AddLineBox(this, "编辑框1", {56, 48, 144, 40}, "霁川守护");
  编辑框2 = AddLineBox(this, "编辑框2", {216, 48, 144, 40}, "【大湿】");
  编辑框3 = AddLineBox(this, "编辑框3", {376, 48, 144, 40}, "【霁川团员】");
  按钮1 = AddButton(this, "按钮1", {544, 32, 64, 32}, "生成团队马甲");
  编辑框4 = AddLineBox(this, "编辑框4", {336, 120, 72, 24}, "10000");
  标签1 = AddLabel(this, "标签1", {264, 120, 72, 24}, "设置数量：");
  编辑框5 = AddOutputBox(this, "编辑框5", {8, 184, 600, 296});
  标签2 = AddLabel(this, "标签2", {56, 16, 144, 24}, "前面统一格式");
  标签3 = AddLabel(this, "标签3", {216, 16, 144, 24}, "随机名字");
  标签4 = AddLabel(this, "标签4", {376, 16, 144, 24}, "团队职位");
  按钮2 = AddButton(this, "按钮2", {544, 72, 64, 32}, "生成随机马甲");

  tabSequence_ = {编辑框1, 编辑框2, 编辑框3, 按钮1, 编辑框4, 编辑框5, 按钮2};
  for (QWidget* control : tabSequence_) control->installEventFilter(this);
  WatchBoxWidgets(boxes_, {编辑框1, 编辑框2, 编辑框3, 编辑框4}, 编辑框5);
  operations_ = BoxOperations(boxes_);
  connect(按钮1, &QPushButton::clicked, this, [this] { RunBatchAndShow(RunTeamBatch); });
  connect(按钮2, &QPushButton::clicked, this, [this] { RunBatchAndShow(RunRandomBatch); });
}

MainWindow::~MainWindow() {
  // Deletes the controls while the box copies that follow their signals still exist.
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void MainWindow::RunBatchAndShow(void (*runBatch)(const Boxes&, SequenceSource&,
                                                  const std::string&)) {
  runBatch(operations_, sequence_, programDirectory_);
  ShowBoxTexts(boxes_);
}

void MainWindow::MoveFocus(QWidget* from, bool forward) {
  const auto count = static_cast<std::ptrdiff_t>(tabSequence_.size());
  const std::ptrdiff_t at =
      std::find(tabSequence_.begin(), tabSequence_.end(), from) - tabSequence_.begin();
  const std::ptrdiff_t next = (at + (forward ? 1 : count - 1)) % count;
  tabSequence_[static_cast<std::size_t>(next)]->setFocus(forward ? Qt::TabFocusReason
                                                                 : Qt::BacktabFocusReason);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  auto* control = static_cast<QWidget*>(watched);
  const bool shiftOnly = (key.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
  if ((key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Tab) && shiftOnly) {
    MoveFocus(control, false);
    return true;
  }
  if (!Unmodified(key)) return false;
  switch (key.key()) {
    case Qt::Key_Tab: MoveFocus(control, true); return true;
    case Qt::Key_Escape: close(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: return control != 编辑框5;
    case Qt::Key_F1: return true;
    default: return false;
  }
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::Show || event->type() == QEvent::Move) FitOuterSize();
  return QWidget::event(event);
}

void MainWindow::FitOuterSize() {
  const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  const QSize client = kWindowOuterSize.shrunkBy(frame);
  if (client != size()) setFixedSize(client);
}

void ShowMainWindow(MainWindow& window) {
  window.show();
  window.activateWindow();
  window.编辑框1->setFocus(Qt::OtherFocusReason);
  window.编辑框1->setCursorPosition(0);
}
