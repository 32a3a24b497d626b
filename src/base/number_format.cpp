#include "base/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {
template <std::size_t N>
void AppendFixed(std::string& out, const char* digits) {
  out.append(digits, N);
}

// "00" to "99".
constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
}  // namespace

// Most numbers written are coordinates below 10 000: their digits come from a table of
// pairs and are appended with a length known when compiled (no call to memcpy).
void AppendInt(std::string& out, long long value) {
  if (value >= 0 && value < 10000) {
    const unsigned v = unsigned(value);
    if (v < 10) {
      out.push_back(char('0' + v));
    } else if (v < 100) {
      AppendFixed<2>(out, kPairs + 2 * v);
    } else {
      char buf[4];
      buf[0] = char('0' + v / 1000);  // read only for four digits
      buf[1] = kPairs[2 * (v / 100) + 1];
      buf[2] = kPairs[2 * (v % 100)];
      buf[3] = kPairs[2 * (v % 100) + 1];
      if (v < 1000)
        AppendFixed<3>(out, buf + 1);
      else
        AppendFixed<4>(out, buf);
    }
    return;
  }
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
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

namespace {
// Scientific digits of a double: the mantissa's digits without the point, and the
// exponent of the first.
struct TDigits {
  char Mantissa[24];
  int Count = 0;
  int Exponent = 0;
  bool Negative = false;
};

// Reads to_chars' scientific form [-]d[.ddd]e(+|-)xx.
TDigits ReadScientific(const char* p, const char* end) {
  TDigits d;
  if (*p == '-') {
    d.Negative = true;
    ++p;
  }
  while (p < end && *p != 'e') {
    if (*p != '.' && d.Count < int(sizeof d.Mantissa)) d.Mantissa[d.Count++] = *p;
    ++p;
  }
  d.Exponent = ReadExponent(p + 1, end);
  return d;
}

void AppendDigits(std::string& out, TDigits d) {
  while (d.Count > 1 && d.Mantissa[d.Count - 1] == '0') --d.Count;
  if (d.Count == 1 && d.Mantissa[0] == '0') {
    out.push_back('0');
    return;
  }
  if (d.Negative) out.push_back('-');
  if (d.Exponent >= 0) {
    for (int i = 0; i <= d.Exponent; ++i) out.push_back(i < d.Count ? d.Mantissa[i] : '0');
    if (d.Count > d.Exponent + 1) {
      out.push_back('.');
      out.append(d.Mantissa + d.Exponent + 1, d.Mantissa + d.Count);
    }
  } else {
    out.append("0.");
    out.append(std::size_t(-d.Exponent - 1), '0');
    out.append(d.Mantissa, d.Mantissa + d.Count);
  }
}

// Most coordinates are whole in thousandths (glyph widths are thousandths of the font
// size). If value x 1000 rounds to a whole K below 10^15, the value lies within
// 1.2e-16 |value| of K/1000, while half a step of the 15th significant digit is at
// least 5e-16 |value|: K/1000, fifteen digits or fewer, is the value at 15 digits.
bool AppendThousandths(std::string& out, double value, int digits) {
  if (digits != 15) return false;
  const double scaled = value * 1000;
  if (!(std::fabs(scaled) < 1e15) || scaled != std::trunc(scaled) || scaled == 0) return false;
  const long long k = static_cast<long long>(scaled);
  const unsigned long long m = static_cast<unsigned long long>(k < 0 ? -k : k);
  if (k < 0) out.push_back('-');
  AppendInt(out, static_cast<long long>(m / 1000));
  const unsigned fraction = unsigned(m % 1000);
  if (fraction == 0) return true;
  const char text[4] = {'.', char('0' + fraction / 100), char('0' + fraction / 10 % 10), char('0' + fraction % 10)};
  std::size_t length = 4;
  while (text[length - 1] == '0') --length;
  out.append(text, length);
  return true;
}

// Rounds the shortest digits that read back as `value` to `digits` digits: much cheaper
// than converting with a precision. The shortest digits lie within half an ulp of the
// value and no shorter decimal does, so both round alike, except when the shortest
// digits end exactly halfway: then the value's own bits decide and this gives up.
// Beyond 15 digits an ulp is no longer small against the last digit; it gives up too.
bool AppendFromShortest(std::string& out, double value, int digits) {
  if (digits > 15) return false;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  TDigits d = ReadScientific(buf, res.ptr);
  if (d.Count > digits) {
    if (d.Count == digits + 1 && d.Mantissa[digits] == '5') return false;
    const bool up = d.Mantissa[digits] >= '5';
    d.Count = digits;
    if (up) {
      int i = digits - 1;
      while (i >= 0 && d.Mantissa[i] == '9') d.Mantissa[i--] = '0';
      if (i >= 0) {
        ++d.Mantissa[i];
      } else {
        d.Mantissa[0] = '1';
        d.Count = 1;
        ++d.Exponent;
      }
    }
  }
  AppendDigits(out, d);
  return true;
}
// Values from 1 up to 10^digits, scaled so the last kept digit is the units of a whole
// number below 10^15: the scaling is exact to within 1/16, so unless the scaled value
// lies near a halfway point its nearest whole number is the value's own rounding.
bool AppendScaled(std::string& out, double value, int digits) {
  if (digits > 15) return false;
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 1) || !(magnitude < kPowersOfTen[digits])) return false;
  int exponent = 0;
  while (magnitude >= kPowersOfTen[exponent + 1]) ++exponent;
  const int decimals = digits - 1 - exponent;
  const double scaled = magnitude * kPowersOfTen[decimals];
  const double whole = std::floor(scaled);
  const double fraction = scaled - whole;
  if (fraction > 0.4 && fraction < 0.6) return false;
  const long long rounded = static_cast<long long>(whole) + (fraction >= 0.5 ? 1 : 0);
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, rounded);
  const int length = int(res.ptr - buf);
  int kept = length;
  while (kept > length - decimals && buf[kept - 1] == '0') --kept;
  if (value < 0) out.push_back('-');
  out.append(buf, std::size_t(length - decimals));
  if (kept > length - decimals) {
    out.push_back('.');
    out.append(buf + length - decimals, std::size_t(kept - (length - decimals)));
  }
  return true;
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
  if (AppendThousandths(out, value, digits)) return;
  if (AppendScaled(out, value, digits)) return;
  if (AppendFromShortest(out, value, digits)) return;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
  AppendDigits(out, ReadScientific(buf, res.ptr));
}

std::string FormatGeneral(double value, int digits) {
  std::string s;
  AppendGeneral(s, value, digits);
  return s;
}
