#pragma once

#include <QString>
#include <string_view>

#include "batch/text.h"

// Converts between GBK bytes and Qt's text through the program's one GB18030 converter.

// Returns the text of GBK bytes, or the empty text when they are not valid GB18030.
QString QStringFromGbk(std::string_view gbk);

// Returns the GBK bytes of a text; characters outside GBK take their four-byte GB18030 form.
Text GbkFromQString(const QString& text);
