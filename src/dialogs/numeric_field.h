#pragma once

#include <QLineEdit>
#include <cstdint>
#include <functional>

#include "shell/numeric_filter.h"

// How a numeric field filters its text. The defaults are those of the small dialogs:
// whole numbers, no sign, decimal, at most 65535.
struct NumericFormat {
  bool IntegersOnly = true;
  bool AllowNegative = false;
  bool Hexadecimal = false;
  std::uint32_t Maximum = 65535;
};

// A text field that runs a numeric filter on every change of its text, typed or set, and
// puts the caret back where it was (or at the end when the text became shorter).
class NumericField : public QLineEdit {
  Q_OBJECT
 public:
  using Filter = std::function<FieldText(const FieldText&)>;

  explicit NumericField(QWidget* parent = nullptr, NumericFormat format = {});
  // A field kept by its own filter (the font size field keeps an empty text empty).
  NumericField(QWidget* parent, Filter filter);

  // The text with "0" put in front, read as a whole number (hexadecimal for hexadecimal
  // fields), so an empty field gives 0.
  long long Value() const;
  void SetValue(long long value);

  // The decimal separator of the default locale (the system's), or "." when it is not a
  // single ASCII character.
  static char DecimalSeparator();

 private:
  void Refilter();

  Filter filter_;
  bool hexadecimal_ = false;
  bool filtering_ = false;
};
