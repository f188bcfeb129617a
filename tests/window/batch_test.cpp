#include <QCloseEvent>
#include <QKeyEvent>
#include <string_view>
#include <vector>

#include "batch/run_batch.h"
#include "tests/log_lines.h"
#include "tests/window/window_fixture.h"
#include "window/qt_gbk.h"

namespace {

constexpr std::string_view kDefaultPrefix = "\xF6\xAB\xB4\xA8\xCA\xD8\xBB\xA4";  // 霁川守护

// Returns the forms of the names in team lines made from the default prefix: 2 or 3 characters.
std::vector<int> NameForms(const std::vector<std::string>& lines) {
  std::vector<int> forms;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    forms.push_back(lines[i].substr(kDefaultPrefix.size() + 4, 2) == "  " ? 2 : 3);
  }
  return forms;
}

// Returns what the output widget shows, as the GBK log it was given.
std::string ShownOutput(const QPlainTextEdit* box) {
  QString text = box->toPlainText();
  return GbkFromQString(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

// Runs batches by clicking the window's buttons.
class BatchTest : public WindowTest {
 protected:
  // Clicks a batch button, checks that the file and the output widget both hold the box's log,
  // and returns the log's lines.
  std::vector<std::string> ClickAndCheckLog(QPushButton* button, const char* fileName) {
    QTest::mouseClick(button, Qt::LeftButton);
    const std::string log = ReadBox(Box::编辑框5);
    EXPECT_EQ(ReadBatchFile(fileName), log);
    EXPECT_EQ(ShownOutput(window_.编辑框5), log);
    std::vector<std::string> lines = LogLines(log);
    EXPECT_EQ(lines.back(), TrailerLine);
    return lines;
  }
};

TEST_F(BatchTest, TeamBatchByClickSavesTheBoxTextAndLeavesTheLastNameShown) {
  const std::vector<std::string> lines = ClickAndCheckLog(window_.按钮1, "10000个军团马甲.txt");
  ASSERT_EQ(lines.size(), 10001u);
  EXPECT_EQ(lines.front().size(), 30u);
  const std::string lastName = lines[9999].substr(kDefaultPrefix.size(), 10);
  EXPECT_EQ(ReadBox(Box::编辑框2), lastName);
  EXPECT_EQ(window_.编辑框2->text(), QStringFromGbk(lastName));
}

TEST_F(BatchTest, RandomBatchByClickSavesTheBoxText) {
  TypeInto(window_.编辑框4, "500");
  const std::vector<std::string> lines = ClickAndCheckLog(window_.按钮2, "500个随机马甲.txt");
  ASSERT_EQ(lines.size(), 501u);
  // The first line after start has eight parts: space, digit, letter or digit, Chinese character,
  // letter or digit, three digits.
  EXPECT_EQ(lines.front().size(), 9u);
  EXPECT_EQ(lines.front()[0], ' ');
}

TEST_F(WindowTest, FirstBatchesFollowTheSequenceFromStartAndRunOn) {
  TypeInto(window_.编辑框4, "3");
  QTest::mouseClick(window_.按钮1, Qt::LeftButton);
  EXPECT_EQ(NameForms(LogLines(ReadBatchFile("3个军团马甲.txt"))), (std::vector<int>{3, 3, 2}));
  QTest::mouseClick(window_.按钮1, Qt::LeftButton);
  EXPECT_EQ(NameForms(LogLines(ReadBatchFile("3个军团马甲.txt"))), (std::vector<int>{2, 3, 2}));
}

TEST_F(WindowTest, TextTypedIntoTheBoxesReachesTheNextBatch) {
  TypeInto(window_.编辑框4, "1");
  QTest::mouseClick(window_.按钮1, Qt::LeftButton);
  // An emoji lies outside GBK and must reach the file in its four-byte GB18030 form.
  TypeInto(window_.编辑框1, QString::fromUtf8("前😀"));
  TypeInto(window_.编辑框3, QString::fromUtf8("尾 "));
  window_.编辑框5->setFocus();
  QTest::keyClicks(window_.编辑框5, "typed");
  QTest::mouseClick(window_.按钮1, Qt::LeftButton);

  const std::string file = ReadBatchFile("1个军团马甲.txt");
  const std::vector<std::string> lines = LogLines(file);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, 6), "\xC7\xB0\x94\x39\xFC\x36");  // 前😀
  EXPECT_EQ(lines[0].substr(16), "\xCE\xB2 ");                   // 尾 and a space
  EXPECT_EQ(ReadBox(Box::编辑框5), file);
}

TEST_F(WindowTest, OutputBoxReadsTypedLineBreaksAsCrLf) {
  TypeInto(window_.编辑框4, "1");
  QTest::mouseClick(window_.按钮2, Qt::LeftButton);
  const std::string log = ReadBox(Box::编辑框5);
  window_.编辑框5->setFocus();
  QTest::keyClick(window_.编辑框5, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(window_.编辑框5, Qt::Key_Return);
  Type(window_.编辑框5, QString::fromUtf8("后"));
  EXPECT_EQ(ReadBox(Box::编辑框5), log + "\r\n\xBA\xF3");
}

TEST_F(WindowTest, CloseRequestedBeforeABatchEndsWaitsForItsFile) {
  std::string fileAtClose = "<no close>";
  bool clickReturned = false;
  // Notes what the batch directory holds when the close reaches the window.
  struct CloseWatch : QObject {
    std::function<void()> onClose;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Close) onClose();
      return false;
    }
  } watch;
  watch.onClose = [&] {
    EXPECT_TRUE(clickReturned);
    fileAtClose = ReadBatchFile("10000个军团马甲.txt");
  };
  window_.installEventFilter(&watch);

  QMetaObject::invokeMethod(&window_, &QWidget::close, Qt::QueuedConnection);
  QTest::mouseClick(window_.按钮1, Qt::LeftButton);
  clickReturned = true;
  EXPECT_TRUE(window_.isVisible());
  QApplication::processEvents();
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(fileAtClose, ReadBox(Box::编辑框5));
  EXPECT_EQ(LogLines(fileAtClose).size(), 10001u);
}

}  // namespace
