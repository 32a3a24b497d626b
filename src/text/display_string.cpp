#include "text/display_string.h"

#include <algorithm>

void AppendTwoByteNumber(std::string& out, long long n) {
  n = std::clamp<long long>(n, 0, MaxTwoByteNumber);
  out.push_back(char(n % 223 + 33));
  out.push_back(char((n / 223) % 223 + 33));
}

int ReadTwoByteNumber(std::string_view s, std::size_t i) {
  auto at = [&](std::size_t k) { return k < s.size() ? int(static_cast<unsigned char>(s[k])) : 33; };
  return (at(i) - 33) + (at(i + 1) - 33) * 223;
}

std::size_t PairLength(std::string_view s, std::size_t i) {
  std::size_t len = 2;
  if (i + 1 < s.size()) {
    auto code = static_cast<unsigned char>(s[i + 1]);
    if (code == Pair::PageLink || code == Pair::RelativeLink) {
      len = 4;
    } else if (HasAddress(code)) {
      int l = ReadTwoByteNumber(s, i + 2);
      len = 4 + std::size_t(std::max(l, 0));
    }
  }
  return std::min(len, s.size() - i);
}
