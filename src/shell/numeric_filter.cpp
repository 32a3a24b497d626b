#include "shell/numeric_filter.h"

#include <algorithm>
#include <climits>

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexLetter(char c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  return (c | 0x20) - 'a' + 10;
}

// The characters that stay, in order.
std::string KeptCharacters(std::string_view text, bool integersOnly, bool allowNegative,
                           bool hexadecimal, char separator) {
  std::string kept;
  bool separatorSeen = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (IsDigit(c) || (hexadecimal && IsHexLetter(c))) {
      kept += c;
    } else if (!integersOnly && c == separator) {
      if (!separatorSeen) kept += c;
      separatorSeen = true;
    } else if (c == '-' && i == 0 && allowNegative) {
      kept = "-";
    }
  }
  return kept;
}

// The digits' value, or maximum + 1 once it passes the maximum: fields of any length are
// read without overflow.
std::uint64_t CappedValue(std::string_view digits, unsigned base, std::uint32_t maximum) {
  std::uint64_t value = 0;
  for (char c : digits) {
    value = value * base + unsigned(HexValue(c));
    if (value > maximum) return std::uint64_t(maximum) + 1;
  }
  return value;
}

std::string HexText(std::uint64_t value) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return out;
}

// The upper-case form without leading zeros.
std::string NormalHex(std::string_view digits) {
  std::size_t first = std::min(digits.find_first_not_of('0'), digits.size() - 1);
  std::string out(digits.substr(first));
  for (char& c : out)
    if (c >= 'a' && c <= 'f') c = char(c - 'a' + 'A');
  return out;
}

std::string FilterHexadecimal(const std::string& kept, std::uint32_t maximum) {
  // A negative value is never above the maximum; it keeps its digits and sign.
  if (kept.front() == '-') return "-" + NormalHex(std::string_view(kept).substr(1));
  return HexText(std::min<std::uint64_t>(CappedValue(kept, 16, maximum), maximum));
}

// Whether a decimal text (digits with at most one separator) is above `maximum`.
bool DecimalAbove(std::string_view kept, std::uint32_t maximum, char separator) {
  std::size_t point = kept.find(separator);
  std::uint64_t whole = CappedValue(kept.substr(0, point), 10, maximum);
  if (whole != maximum || point == std::string_view::npos) return whole > maximum;
  std::string_view fraction = kept.substr(point + 1);
  return std::any_of(fraction.begin(), fraction.end(), [](char c) { return c != '0'; });
}
}  // namespace

std::string FilterNumericText(std::string_view text, bool integersOnly, bool allowNegative,
                              bool hexadecimal, std::uint32_t maximum, char decimalSeparator) {
  if (text.empty()) return "0";
  integersOnly = integersOnly || hexadecimal;
  std::string kept =
      KeptCharacters(text, integersOnly, allowNegative, hexadecimal, decimalSeparator);
  if (kept.empty() || kept == "-") return "0";
  if (hexadecimal) return FilterHexadecimal(kept, maximum);
  if (kept.front() != '-' && DecimalAbove(kept, maximum, decimalSeparator))
    return std::to_string(maximum);
  return kept;
}

FieldText FilterNumericField(const FieldText& field, bool integersOnly, bool allowNegative,
                             bool hexadecimal, std::uint32_t maximum, char decimalSeparator) {
  FieldText out;
  out.Text = FilterNumericText(field.Text, integersOnly, allowNegative, hexadecimal, maximum,
                               decimalSeparator);
  out.Caret = std::min(field.Caret, out.Text.size());
  return out;
}

std::string FilterFontSizeText(std::string_view text, char decimalSeparator) {
  return KeptCharacters(text, false, false, false, decimalSeparator);
}

namespace {
// Rounding of a value whose further digits are `rest`: up above a half, to even at one.
std::uint64_t RoundedByRest(std::uint64_t value, std::string_view rest) {
  if (rest.empty() || rest[0] < '5') return value;
  bool exactHalf = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string_view::npos;
  return exactHalf && value % 2 == 0 ? value : value + 1;
}
}  // namespace

int FontSizeFromText(std::string_view text, char decimalSeparator) {
  const std::string kept = FilterFontSizeText(text, decimalSeparator);
  std::size_t point = std::min(kept.find(decimalSeparator), kept.size());
  std::string_view fraction = std::string_view(kept).substr(std::min(point + 1, kept.size()));
  // Thousandths exactly, from the digits: no floating-point rounding on the way.
  std::string thousandths = kept.substr(0, point);
  for (std::size_t i = 0; i < 3; ++i) thousandths += i < fraction.size() ? fraction[i] : '0';
  std::uint64_t value = CappedValue(thousandths, 10, INT_MAX);
  value = RoundedByRest(value, fraction.substr(std::min<std::size_t>(3, fraction.size())));
  return int(std::min<std::uint64_t>(value, INT_MAX));
}
