#include "base/number_format.h"

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

namespace {
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                   1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17};

// A whole value below 10^digits keeps every digit, so its general form is the integer.
bool AppendWhole(std::string& out, double value, int digits) {
  if (!(std::fabs(value) < kPowersOfTen[digits]) || value != std::trunc(value)) return false;
  AppendInt(out, value == 0 ? 0 : static_cast<long long>(value));
  return true;
}

// The exponent after 'e' in to_chars' scientific form: a sign and at least two digits.
int ReadExponent(const char* p, const char* end) {
  const bool negative = *p == '-';
  int exponent = 0;
  for (++p; p < end; ++p) exponent = exponent * 10 + (*p - '0');
  return negative ? -exponent : exponent;
}
}  // namespace

void AppendGeneral(std::string& out, double value, int digits) {
  if (!std::isfinite(value)) {
    out.push_back('0');
    return;
  }
  if (digits < 1) digits = 1;
  if (digits > 17) digits = 17;
  // Whole numbers that need no rounding (most coordinates) skip the decimal conversion.
  if (AppendWhole(out, value, digits)) return;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
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
  const int exponent = ReadExponent(p + 1, res.ptr);
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
