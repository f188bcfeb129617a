#include "batch/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace {

// Runs iconv over the whole input; an invalid sequence is skipped when skipInvalid is set and
// ends the conversion otherwise.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in,
                                   bool skipInvalid) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert GB18030");
  std::string out(in.size() * 2 + 16, '\0');
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  std::size_t done = 0;
  for (;;) {
    char* outPtr = out.data() + done;
    std::size_t outLeft = out.size() - done;
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    done = out.size() - outLeft;
    if (rc != static_cast<std::size_t>(-1)) break;  // all input converted
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
    } else if (skipInvalid && errno == EILSEQ) {
      ++inPtr;
      --inLeft;
    } else if (skipInvalid && errno == EINVAL) {
      break;
    } else {
      iconv_close(cd);
      return std::nullopt;
    }
  }
  iconv_close(cd);
  out.resize(done);
  return out;
}

}  // namespace

std::optional<std::string> Utf8FromGbk(std::string_view gbk) {
  return Convert("UTF-8", "GB18030", gbk, false);
}

Text GbkFromUtf8(std::string_view utf8) {
  return *Convert("GB18030", "UTF-8", utf8, true);
}
