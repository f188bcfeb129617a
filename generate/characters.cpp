#include "generate/characters.h"

#include "generate/random_sources.h"

Text MakeAlnumChar(int n) {
  Text text;
  for (int i = 0; i < n; ++i) {
    const int kind = PickByCounter(1, 3);
    const int code = kind == 1   ? PickByCounter('0', '9')
                     : kind == 2 ? PickByCounter('A', 'Z')
                                 : PickByCounter('a', 'z');
    text += static_cast<char>(code);
  }
  return text;
}

Text MakeHanzi(int n) {
  Text text;
  for (int i = 0; i < n; ++i) {
    const int x = PickByCounter(38, 80);
    const int y = PickByCounter(38, 80);
    text += static_cast<char>(256 - x);
    text += static_cast<char>(256 - y);
  }
  return text;
}

Text MakeDigit(int n) {
  Text text;
  for (int i = 0; i < n; ++i) text += static_cast<char>('0' + PickByCounter(0, 9));
  return text;
}
