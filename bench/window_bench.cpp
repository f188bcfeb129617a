// Times batches run through the real window against the floor of the output widget receiving the
// same text in one call. Each case runs in a child process of its own, so that its peak memory
// (VmHWM) is its own.

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "batch/box_record.h"
#include "generate/team_line.h"
#include "window/main_window.h"
#include "window/qt_gbk.h"

namespace {

// What a case measured: its time in milliseconds and its process's peak memory in MiB.
struct Figure {
  double ms = 0;
  double peakMiB = 0;
};

// Returns the process's peak resident memory so far, in MiB.
double PeakMiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

// Returns the milliseconds that work takes.
double TimeMs(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// Runs a case in a child process with its own application and shown window; returns its figure.
Figure InChild(const std::function<double(MainWindow&, const QString& directory)>& measure) {
  int channel[2];
  if (pipe(channel) != 0) return {};
  std::fflush(stdout);  // keeps the child from printing the parent's pending output again
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    int argc = 1;
    char name[] = "window_bench";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QTemporaryDir directory;
    MainWindow window(directory.path().toStdString());
    ShowMainWindow(window);
    QApplication::processEvents();
    Figure figure;
    figure.ms = measure(window, directory.path());
    figure.peakMiB = PeakMiB();
    std::fflush(stdout);
    const bool sent = write(channel[1], &figure, sizeof figure) == sizeof figure;
    _exit(sent ? 0 : 1);
  }
  close(channel[1]);
  Figure figure;
  if (read(channel[0], &figure, sizeof figure) != sizeof figure) figure = {};
  close(channel[0]);
  waitpid(child, nullptr, 0);
  return figure;
}

// Returns the log of a default team batch of count lines, as the widget's text.
QString TeamBatchText(int count) {
  BoxRecord record{"\xF6\xAB\xB4\xA8\xCA\xD8\xBB\xA4",
                   "",
                   "\xA1\xBE\xF6\xAB\xB4\xA8\xCD\xC5\xD4\xB1\xA1\xBF",
                   std::to_string(count),
                   {}};
  SequenceSource sequence;
  RunTeamBatch(BoxesOf(record), sequence, "/nonexistent-directory");
  return QStringFromGbk(record.编辑框5.View());
}

// Clicks the team button with the count and checks that the file holds the box's text.
double ClickTeamBatch(MainWindow& window, const QString& directory, int count) {
  window.编辑框4->setText(QString::number(count));
  const double ms = TimeMs([&] { QTest::mouseClick(window.按钮1, Qt::LeftButton); });
  std::ifstream file(
      (directory + "/" + QString::number(count) + QString::fromUtf8("个军团马甲.txt"))
          .toStdString(),
      std::ios::binary | std::ios::ate);
  if (!file || static_cast<std::size_t>(file.tellg()) !=
                   window.Operations().ReadBoxText(Box::编辑框5).size()) {
    std::fprintf(stderr, "the batch file does not match the output box\n");
    _exit(1);
  }
  return ms;
}

// Returns the smallest time of several runs.
double Fastest(int runs, const std::function<double()>& once) {
  double best = once();
  for (int i = 1; i < runs; ++i) best = std::min(best, once());
  return best;
}

void PrintFigure(const char* what, const Figure& figure) {
  std::printf("%-52s %9.1f ms %8.1f MiB peak\n", what, figure.ms, figure.peakMiB);
  std::fflush(stdout);
}

}  // namespace

int main() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  const Figure floor10k = InChild([](MainWindow& window, const QString&) {
    const QString text = TeamBatchText(10000);
    return Fastest(20, [&] { return TimeMs([&] { window.编辑框5->setPlainText(text); }); });
  });
  PrintFigure("bare output widget, 10000 lines in one call", floor10k);
  const Figure window10k = InChild([](MainWindow& window, const QString& directory) {
    return Fastest(20, [&] { return ClickTeamBatch(window, directory, 10000); });
  });
  PrintFigure("window, team batch of 10000 lines, click to file", window10k);
  std::printf("  ratio to the bare widget: %.2f (target: under 50 ms)\n\n",
              window10k.ms / floor10k.ms);

  for (int round = 1; round <= 2; ++round) {
    const Figure floor = InChild([](MainWindow& window, const QString&) {
      const QString text = TeamBatchText(1000000);
      return TimeMs([&] { window.编辑框5->setPlainText(text); });
    });
    PrintFigure("bare output widget, 1000000 lines in one call", floor);
    const Figure batch = InChild([](MainWindow& window, const QString& directory) {
      const double ms = ClickTeamBatch(window, directory, 1000000);
      const double after = TimeMs([&] {
        QApplication::processEvents();
        QTest::keyClick(window.编辑框5, Qt::Key_A);
        QApplication::processEvents();
      });
      std::printf("  window repainted and took a key %.1f ms after the batch\n", after);
      return ms;
    });
    PrintFigure("window, team batch of 1000000 lines, click to file", batch);
    std::printf(
        "  ratios to the bare widget: time %.2f, peak memory %.2f (target: 1.3 or less)\n\n",
        batch.ms / floor.ms, batch.peakMiB / floor.peakMiB);
  }

  const Figure parts = InChild([](MainWindow& window, const QString& directory) {
    BoxRecord record{"\xF6\xAB\xB4\xA8\xCA\xD8\xBB\xA4",
                     "",
                     "\xA1\xBE\xF6\xAB\xB4\xA8\xCD\xC5\xD4\xB1\xA1\xBF",
                     "1000000",
                     {}};
    SequenceSource sequence;
    const double batch =
        TimeMs([&] { RunTeamBatch(BoxesOf(record), sequence, directory.toStdString()); });
    QString text;
    const double convert = TimeMs([&] { text = QStringFromGbk(record.编辑框5.View()); });
    const double show = TimeMs([&] { window.编辑框5->setPlainText(text); });
    std::printf(
        "where 1000000 lines go: lines, log and file %.1f ms, GBK to Qt text %.1f ms, "
        "widget %.1f ms\n",
        batch, convert, show);
    return batch + convert + show;
  });
  PrintFigure("the same three steps, timed apart", parts);
  return 0;
}
