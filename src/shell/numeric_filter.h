#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The filter every numeric field of the dialogs runs on each change of its text: only
// digits (hexadecimal digits when `hexadecimal`, which implies `integersOnly`), the first
// decimal separator (unless `integersOnly`) and a leading "-" (when `allowNegative`) stay;
// an empty result becomes "0"; a value above `maximum` becomes `maximum`. Hexadecimal
// results are always rewritten in upper case without leading zeros.
std::string FilterNumericText(std::string_view text, bool integersOnly, bool allowNegative,
                              bool hexadecimal, std::uint32_t maximum, char decimalSeparator);

// A field's text with its caret position.
struct FieldText {
  std::string Text;
  std::size_t Caret = 0;
  bool operator==(const FieldText&) const = default;
};

// The filter as a field applies it: the caret stays at its position, or at the end when
// the text became shorter than that.
FieldText FilterNumericField(const FieldText& field, bool integersOnly, bool allowNegative,
                             bool hexadecimal, std::uint32_t maximum, char decimalSeparator);

// The font dialog's Size field: digits and the first decimal separator stay, everything
// else is dropped; an empty text stays empty.
std::string FilterFontSizeText(std::string_view text, char decimalSeparator);

// The size of a Size text in thousandths of a point: "0" followed by the text read as a
// decimal number, times 1000, rounded to the nearest (halves to even). Characters the
// Size filter would drop are ignored; sizes beyond an int saturate.
int FontSizeFromText(std::string_view text, char decimalSeparator);
