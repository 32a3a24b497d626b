#include "export/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

void AppendInt(std::string& out, long long value) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, res.ptr);
}

std::string IntToStr(long long value) {
  std::string s;
  AppendInt(s, value);
  return s;
}

void AppendGeneral(std::string& out, double value, int digits) {
  if (!std::isfinite(value)) {
    out.push_back('0');
    return;
  }
  if (digits < 1) digits = 1;
  if (digits > 17) digits = 17;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::scientific, digits - 1);
  *res.ptr = '\0';  // to_chars does not terminate; atoi below reads the exponent up to here
  // buf holds [-]d[.ddd]e(+|-)xx
  const char* p = buf;
  bool negative = false;
  if (*p == '-') {
    negative = true;
    ++p;
  }
  char mantissa[24];
  int count = 0;
  while (p < res.ptr && *p != 'e') {
    if (*p != '.') mantissa[count++] = *p;
    ++p;
  }
  int exponent = std::atoi(p + 1);
  while (count > 1 && mantissa[count - 1] == '0') --count;
  if (count == 1 && mantissa[0] == '0') {
    out.push_back('0');
    return;
  }
  if (negative) out.push_back('-');
  if (exponent >= 0) {
    for (int i = 0; i <= exponent; ++i) out.push_back(i < count ? mantissa[i] : '0');
    if (count > exponent + 1) {
      out.push_back('.');
      out.append(mantissa + exponent + 1, mantissa + count);
    }
  } else {
    out.append("0.");
    out.append(std::size_t(-exponent - 1), '0');
    out.append(mantissa, mantissa + count);
  }
}

std::string FormatGeneral(double value, int digits) {
  std::string s;
  AppendGeneral(s, value, digits);
  return s;
}
