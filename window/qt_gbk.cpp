#include "window/qt_gbk.h"

#include <optional>
#include <string>

#include "batch/gbk.h"

QString QStringFromGbk(std::string_view gbk) {
  std::optional<std::string> utf8 = Utf8FromGbk(gbk);
  if (!utf8) return {};
  return QString::fromUtf8(utf8->data(), static_cast<qsizetype>(utf8->size()));
}

Text GbkFromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return GbkFromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}
