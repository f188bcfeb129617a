#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <limits>
#include <vector>

#include "tests/window/window_fixture.h"
#include "window/window_place.h"

namespace {

TEST(CentredTopLeft, DropsTheFractionTowardZero) {
  struct Case {
    QSize screen;
    QPoint expected;
  };
  for (const Case& c : {Case{{1024, 768}, {194, 129}}, Case{{640, 480}, {2, -14}},
                        Case{{635, 508}, {0, 0}}, Case{{1920, 1080}, {642, 285}}}) {
    EXPECT_EQ(CentredTopLeft(c.screen), c.expected) << c.screen.width() << "x" << c.screen.height();
  }
}

// Returns the text a control shows, whatever its kind.
QString ShownText(const QWidget* control) {
  if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
  if (auto* box = qobject_cast<const QPlainTextEdit*>(control)) return box->toPlainText();
  if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  return qobject_cast<const QAbstractButton*>(control)->text();
}

// Returns the rows of an image that hold dark, text-coloured pixels within the given columns.
std::vector<int> InkRows(const QImage& image, int left, int right) {
  std::vector<int> rows;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = left; x < right; ++x) {
      if (qGray(image.pixel(x, y)) < 140) {
        rows.push_back(y);
        break;
      }
    }
  }
  return rows;
}

TEST_F(WindowTest, HasTheElevenControlsInCreationOrderAtTheirPlaces) {
  struct Control {
    const char* name;
    const char* kind;
    QRect place;
    const char* text;
  };
  const std::vector<Control> expected = {
      {"编辑框1", "QLineEdit", {56, 48, 144, 40}, "霁川守护"},
      {"编辑框2", "QLineEdit", {216, 48, 144, 40}, "【大湿】"},
      {"编辑框3", "QLineEdit", {376, 48, 144, 40}, "【霁川团员】"},
      {"按钮1", "QPushButton", {544, 32, 64, 32}, "生成团队马甲"},
      {"编辑框4", "QLineEdit", {336, 120, 72, 24}, "10000"},
      {"标签1", "QLabel", {264, 120, 72, 24}, "设置数量："},
      {"编辑框5", "QPlainTextEdit", {8, 184, 600, 296}, ""},
      {"标签2", "QLabel", {56, 16, 144, 24}, "前面统一格式"},
      {"标签3", "QLabel", {216, 16, 144, 24}, "随机名字"},
      {"标签4", "QLabel", {376, 16, 144, 24}, "团队职位"},
      {"按钮2", "QPushButton", {544, 72, 64, 32}, "生成随机马甲"},
  };
  const QList<QWidget*> controls = window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  ASSERT_EQ(controls.size(), static_cast<qsizetype>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const QWidget* control = controls[static_cast<qsizetype>(i)];
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(control->objectName(), QString::fromUtf8(expected[i].name));
    EXPECT_TRUE(control->inherits(expected[i].kind));
    EXPECT_EQ(control->geometry(), expected[i].place);
    EXPECT_EQ(ShownText(control), QString::fromUtf8(expected[i].text));
    EXPECT_TRUE(control->isVisible());
    EXPECT_EQ(control->font(), window_.font());
  }
}

TEST_F(WindowTest, IsAFixedWindowOfTheOuterSizeCentredOnTheScreen) {
  EXPECT_EQ(window_.windowTitle(), QString::fromUtf8("名号工坊"));
  // The offscreen platform draws no frame, so the client area takes the whole outer size.
  EXPECT_EQ(window_.frameGeometry().size(), QSize(636, 509));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
  EXPECT_EQ(window_.frameGeometry().topLeft(), CentredTopLeft(window_.screen()->geometry().size()));
  const Qt::WindowFlags flags = window_.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window_.windowType(), Qt::Window);  // a window of its own, with a taskbar entry
  const QImage icon = window_.windowIcon().pixmap(64, 64).toImage();
  EXPECT_EQ(icon.size(), QSize(64, 64));
  EXPECT_TRUE(icon.hasAlphaChannel());
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(32, 32)), 255);
}

TEST_F(WindowTest, OneLineBoxesTakeTextBeyondQtsDefaultLimit) {
  const QString longText(40000, QLatin1Char('a'));
  for (QLineEdit* box : {window_.编辑框1, window_.编辑框2, window_.编辑框3, window_.编辑框4}) {
    box->clear();
    box->insert(longText);
    EXPECT_EQ(box->text().size(), longText.size()) << box->objectName().toStdString();
  }
  EXPECT_EQ(ReadBox(Box::编辑框1), std::string(40000, 'a'));
}

TEST_F(WindowTest, OneLineBoxShowsItsLineVerticallyCentredWithWhiteBands) {
  const QImage image = window_.编辑框1->grab().toImage();
  const std::vector<int> rows = InkRows(image, 4, image.width() - 4);
  ASSERT_FALSE(rows.empty());
  const int middle = (rows.front() + rows.back()) / 2;
  EXPECT_NEAR(middle, image.height() / 2, 4);
  for (const int y : {4, image.height() - 5}) {
    EXPECT_EQ(image.pixelColor(image.width() / 2, y), QColor(Qt::white)) << "row " << y;
  }
}

TEST_F(WindowTest, OutputBoxWrapsLongLinesAndScrollsOnlyVertically) {
  QPlainTextEdit* box = window_.编辑框5;
  box->setFocus();
  QTest::keyClicks(box, QString(300, QLatin1Char('x')));
  QApplication::processEvents();
  EXPECT_GT(box->document()->firstBlock().layout()->lineCount(), 1);
  EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(box->verticalScrollBar()->isVisible());
}

TEST_F(WindowTest, LabelsAreFramelessOneLineAndNeverTakeTheFocus) {
  for (QLabel* label : {window_.标签1, window_.标签2, window_.标签3, window_.标签4}) {
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_EQ(label->frameShape(), QFrame::NoFrame);
    EXPECT_FALSE(label->wordWrap());
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), window_.palette().color(QPalette::Window));
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), window_.编辑框1);
  }
}

TEST_F(WindowTest, ButtonsAreNotDefaultAndBreakACaptionThatDoesNotFit) {
  for (QPushButton* button : {window_.按钮1, window_.按钮2}) {
    SCOPED_TRACE(button->objectName().toStdString());
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
    const QImage image = button->grab().toImage();
    const std::vector<int> rows = InkRows(image, 3, image.width() - 3);
    ASSERT_FALSE(rows.empty());
    const auto gaps = std::adjacent_find(rows.begin(), rows.end(),
                                         [](int above, int below) { return below - above > 1; });
    EXPECT_NE(gaps, rows.end()) << "the caption stands on one line";
    EXPECT_NEAR(rows.front() + rows.back(), image.height(), 3) << "the caption is not centred";
  }
}

}  // namespace
