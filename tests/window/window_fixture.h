#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>
#include <string>

#include "window/main_window.h"

// Holds a freshly started, shown and active main window whose batches write into a temporary
// directory.
class WindowTest : public testing::Test {
 protected:
  WindowTest() : window_(directory_.path().toStdString()) {
    ShowMainWindow(window_);
    QApplication::setActiveWindow(&window_);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
  }

  // Returns the whole content of a file in the batch directory, or "<missing>".
  std::string ReadBatchFile(const char* utf8Name) const {
    std::ifstream file(directory_.filePath(QString::fromUtf8(utf8Name)).toStdString(),
                       std::ios::binary);
    if (!file) return "<missing>";
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }

  // Returns the number of files the batches have written.
  qsizetype BatchFileCount() const {
    return QDir(directory_.path()).entryList(QDir::Files | QDir::Hidden).size();
  }

  // Types text into a control, one key per character, as a keyboard with any layout does.
  static void Type(QWidget* control, const QString& text) {
    for (qsizetype i = 0; i < text.size(); i += text.at(i).isHighSurrogate() ? 2 : 1) {
      QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown,
                          text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1), Qt::NoModifier);
    }
  }

  // Replaces a box's text the way a user does: select everything, then type.
  static void TypeInto(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    Type(box, text);
  }

  std::string ReadBox(Box box) const { return std::string(window_.Operations().ReadBoxText(box)); }

  QTemporaryDir directory_;
  MainWindow window_;
};
